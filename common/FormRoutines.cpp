#include "FormRoutines.h"

#include "forms/Centering.h"
#include "forms/Screen.h"

namespace BasGlobal {

void CenterForm(forms::Form& form) {
    const forms::Origin origin = forms::CenterFormOrigin(
        forms::ScreenWidth(), forms::ScreenHeight(), form.Width(), form.Height());
    form.Move(origin.left, origin.top);
}

void CenterIcon(forms::Form& form) {
    auto* box = dynamic_cast<forms::PictureBox*>(form.FindControl("picIcon"));
    auto* icon = dynamic_cast<forms::Image*>(form.FindControl("imgIcon"));
    if (box && icon)
        CenterIcon(*box, *icon);
}

void CenterIcon(forms::PictureBox& box, forms::Image& icon) {
    if (&icon.Parent() == &box) {
        const forms::Origin origin = forms::CenterIconOrigin(box.ScaleWidth(), box.ScaleHeight(),
                                                             icon.Width(), icon.Height());
        icon.Move(origin.left, origin.top);
        return;
    }
    // An image beside the box, in the same container: centred over the box.
    const forms::Origin origin =
        forms::CenterIconOrigin(box.Width(), box.Height(), icon.Width(), icon.Height());
    icon.Move(box.Left() + origin.left, box.Top() + origin.top);
}

} // namespace BasGlobal
