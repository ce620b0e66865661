// An option button: of the option buttons in one container (form, frame or
// picture box) at most one is selected.
// Events: OnClick when the button becomes selected, by the user or by code
// (clicking the selected one raises nothing); mouse and key events.
#pragma once

#include "CheckableButton.h"

namespace forms {

class OptionButton : public CheckableButton {
  public:
    OptionButton(Container& parent, std::string name, int index = -1);

    bool Value() const { return Checked(); }
    // Selecting clears the others of the container.
    void SetValue(bool selected);

  protected:
    void UserClicked() override { SetValue(true); }
};

} // namespace forms
