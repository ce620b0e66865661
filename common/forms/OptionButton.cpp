#include "OptionButton.h"

#include "Form.h"

namespace forms {

OptionButton::OptionButton(Container& parent, std::string name, int index)
    : CheckableButton(parent, std::move(name), index, BS_RADIOBUTTON) {}

void OptionButton::SetValue(bool selected) {
    if (!StoreChecked(selected) || !selected)
        return;
    for (Control* control : ParentForm().Controls()) {
        auto* other = dynamic_cast<OptionButton*>(control);
        if (other && other != this && &other->Parent() == &Parent())
            other->StoreChecked(false);
    }
    if (OnClick)
        OnClick();
}

} // namespace forms
