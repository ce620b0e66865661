// A check box with the value 0 (clear) or 1 (checked).
// Events: OnClick when the value changes, by the user or by code; mouse
// and key events.
#pragma once

#include "CheckableButton.h"

namespace forms {

class CheckBox : public CheckableButton {
  public:
    CheckBox(Container& parent, std::string name, int index = -1);

    int Value() const { return Checked() ? 1 : 0; }
    // Any value other than 0 checks the box.
    void SetValue(int value);

  protected:
    void UserClicked() override { SetValue(Value() == 0 ? 1 : 0); }
};

} // namespace forms
