#include "frmAbout.h"

#include "basMain.h"

namespace {

constexpr const char* Title = " About";
constexpr const char* CopyrightLine = "Copyright (C) Orvalith";

constexpr int CopyrightTop = PageChrome::ContentTop + 120;
constexpr int CopyrightWidth = PageChrome::InnerWidth - 2 * PageChrome::Margin;
constexpr int CopyrightHeight = 195;
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 435;
constexpr int ButtonTop = CopyrightTop + CopyrightHeight + 360;
constexpr int InnerHeight = ButtonTop + ButtonHeight + 360;

} // namespace

frmAbout::frmAbout() : Form("frmAbout") {
    SetCaption(Title);
    lblCopyright.SetTextAlign(forms::Alignment::Center);
    lblCopyright.Move(PageChrome::Margin, CopyrightTop, CopyrightWidth, CopyrightHeight);
    cmdOK.SetCaption("&OK");
    cmdOK.Move((PageChrome::InnerWidth - ButtonWidth) / 2, ButtonTop, ButtonWidth, ButtonHeight);
    cmdOK.OnClick = [this] { cmdOK_Click(); };
}

void frmAbout::Form_Load() {
    PageChrome::FitWindow(*this, InnerHeight);
    lblCopyright.SetCaption(CopyrightLine);
    chrome.ShowMainIcon();
    basMain::PrepareSubWindow(*this);
    // The common set-up gives every window the main window's title; this
    // one keeps its own.
    SetCaption(Title);
}

void frmAbout::Form_Unload(bool&) {
    basMain::ReturnToMainWindow();
}

void frmAbout::cmdOK_Click() {
    Unload();
}

frmAbout& frmAboutForm() {
    static frmAbout form;
    return form;
}
