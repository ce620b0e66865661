#include "basMain.h"

#include "FormRoutines.h"
#include "basLOGO.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/Runtime.h"
#include "frmMain.h"

namespace basMain {

std::string VenderBitmapPath;

namespace {

template <typename Kind> Kind* FindAs(const forms::Form& window, const char* name) {
    return dynamic_cast<Kind*>(window.FindControl(name));
}

} // namespace

int Main() {
    frmMain& main = frmMainForm();
    if (!main.Load())
        return 0;
    main.Show();
    return forms::RunMessageLoop();
}

void ReturnToMainWindow() {
    frmMain& main = frmMainForm();
    if (!main.IsLoaded() || forms::EndRequested())
        return;
    main.Show();
    SetFocus(main.hWnd());
}

void PrepareSubWindow(forms::Form& window) {
    frmMain& main = frmMainForm();
    auto* system = FindAs<forms::Label>(window, "lblSystem");
    auto* oemTitle = FindAs<forms::Label>(window, "lblOemTitle");
    auto* logo = FindAs<forms::PictureBox>(window, "picLogo");
    if (system)
        system->SetCaption(main.lblSystem.Caption());
    window.SetCaption(main.Caption());
    if (system && oemTitle && logo)
        basLOGO::CopyBranding({*oemTitle, *system, *logo},
                              {main.lblOemTitle, main.lblSystem, main.picLogo});
    BasGlobal::CenterForm(window);
    BasGlobal::CenterIcon(window);
}

} // namespace basMain
