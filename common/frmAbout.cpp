#include "frmAbout.h"

#include "FormRoutines.h"
#include "NoticeLayout.h"
#include "basLOGO.h"
#include "forms/Runtime.h"

namespace {

constexpr const char* Title = " About";
constexpr const char* CopyrightLine = "Copyright (C) Orvalith";

} // namespace

frmAbout::frmAbout() : Form("frmAbout") {
    SetCaption(Title);
    NoticeLayout::Design(lblCopyright, cmdOK);
    cmdOK.OnClick = [this] { cmdOK_Click(); };
}

void frmAbout::Form_Load() {
    WindowHead::FitWindow(*this, NoticeLayout::InnerHeight);
    lblCopyright.SetCaption(CopyrightLine);
    if (TakeOverHead)
        TakeOverHead(*this);
    // An opener may give its windows its own title; this one keeps its own.
    SetCaption(Title);
}

void frmAbout::Form_Unload(bool&) {
    if (ReturnToOpener)
        ReturnToOpener();
}

void frmAbout::cmdOK_Click() {
    Unload();
}

frmAbout& frmAboutForm() {
    static frmAbout form;
    return form;
}

void LendHeadToAbout(forms::Form& opener, WindowHead& head) {
    frmAbout& about = frmAboutForm();
    about.TakeOverHead = [&head](frmAbout& window) {
        WindowHead& own = window.chrome;
        own.lblSystem.SetCaption(head.lblSystem.Caption());
        basLOGO::CopyBranding({own.lblOemTitle, own.lblSystem, own.picLogo},
                              {head.lblOemTitle, head.lblSystem, head.picLogo});
        own.imgIcon.SetPicture(head.imgIcon.Picture());
        BasGlobal::CenterForm(window);
        BasGlobal::CenterIcon(own.picIcon, own.imgIcon);
    };
    about.ReturnToOpener = [&opener] {
        if (!opener.IsLoaded() || forms::EndRequested())
            return;
        opener.Show();
        SetFocus(opener.hWnd());
    };
}
