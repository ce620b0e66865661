#include "CheckBox.h"

namespace forms {

CheckBox::CheckBox(Container& parent, std::string name, int index)
    : CheckableButton(parent, std::move(name), index, BS_CHECKBOX) {}

void CheckBox::SetValue(int value) {
    if (StoreChecked(value != 0) && OnClick)
        OnClick();
}

} // namespace forms
