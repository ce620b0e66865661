#include "frmMain.h"

#include <string>

#include "BasMain.h"
#include "FormRoutines.h"
#include "Hourglass.h"
#include "LampIcon.h"
#include "PanelIcon.h"
#include "SharedRoutines.h"
#include "basLOGO.h"
#include "basVersion.h"
#include "forms/Runtime.h"
#include "frmAbout.h"

namespace {

// Twips. The window's inner area; the logon run shows only the head.
constexpr int InnerHeight = 4770;
constexpr int LogonHeight = 2025;

constexpr int Margin = WindowHead::Margin;
constexpr int ContentTop = WindowHead::ContentTop;
constexpr int RightEdge = WindowHead::InnerWidth - Margin;
constexpr int ShapeTop = 1260;
constexpr int LineHeight = 195;

// Inside Frame1: one row per bar, its label above it and the ends of its
// range beside it.
constexpr int Frame1Width = 3615;
constexpr int Frame1Height = 2415;
constexpr int BarTops[] = {540, 1260, 1980};
constexpr int BarLeft = 480;
constexpr int BarWidth = 2655;

// Frame2 and Frame4 stand right of Frame1.
constexpr int SideLeft = Margin + Frame1Width + 120;
constexpr int SideWidth = RightEdge - SideLeft;
constexpr int Frame2Height = 1095;
constexpr int SiTops[] = {300, 540, 780};
constexpr int SiNameLeft = 120;
constexpr int SiNameWidth = 780;
constexpr int SiValueLeft = 960;
constexpr int SiValueWidth = 840;
constexpr int Frame4Top = ContentTop + Frame2Height + 120;
constexpr int Frame4Height = ContentTop + Frame1Height - Frame4Top;
constexpr int TestInset = 120;
constexpr int TestTop = 300;

constexpr int ButtonTop = ContentTop + Frame1Height + 180;
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 435;
constexpr int ButtonGap = 135;

constexpr forms::Color TestOnColor = forms::Rgb(0, 0, 255);
constexpr forms::Color TestOffColor = forms::Rgb(250, 250, 250);

struct BarDesign {
    int min, max, largeChange, value;
    const char* label;
};
constexpr BarDesign TimeBar = {100, 900, 50, 500, "Speed: 500"};
constexpr BarDesign WidthBar = {0, 64, 5, 32, "Width: 32"};
constexpr BarDesign HeightBar = {0, 64, 5, 32, "Height: 32"};

void DesignRow(ScaleBar& row, const BarDesign& design, int barTop) {
    row.value.SetCaption(design.label);
    row.SetRange(design.min, design.max, design.largeChange);
    row.bar.SetValue(design.value);
    row.SetMarks({std::to_string(design.min).c_str(), nullptr, std::to_string(design.max).c_str()},
                 {});
    row.PlaceNumbersBeside(BarLeft, barTop, BarWidth);
}

void Remove(forms::Control& control) {
    control.SetEnabled(false);
    control.SetVisible(false);
}

void Restore(forms::Control& control) {
    control.SetEnabled(true);
    control.SetVisible(true);
}

} // namespace

frmMain& frmMainForm() {
    static frmMain form;
    return form;
}

frmMain::frmMain() : Form("frmMain") {
    SetCaption(basVersion::StartupAgentTitle);
    SetBorder(forms::BorderStyle::FixedSingle);
    chrome.lblSystem.SetCaption("TouchScreen System Startup Version ");
    chrome.imgIcon.SetPicture(forms::Picture::FromIcon(PanelIcon::Create()));
    Shape1.Move(Margin, ShapeTop, RightEdge - Margin, 15);
    DesignBars();
    DesignSystemInformation();
    DesignTestArea();
    DesignButtons();
    WireEvents();
    // The shared about window takes this window's head and comes back here.
    LendHeadToAbout(*this, chrome);
}

void frmMain::DesignBars() {
    Frame1.SetCaption("  Double Click Configuration");
    Frame1.Move(Margin, ContentTop, Frame1Width, Frame1Height);
    DesignRow(rowTT, TimeBar, BarTops[0]);
    DesignRow(rowWW, WidthBar, BarTops[1]);
    DesignRow(rowHH, HeightBar, BarTops[2]);
}

void frmMain::DesignSystemInformation() {
    Frame2.SetCaption(" System Information");
    Frame2.Move(SideLeft, ContentTop, SideWidth, Frame2Height);
    const char* names[] = {"Speed:", "Width:", "Height:"};
    forms::Label* values[] = {&lblSiTT, &lblSiWW, &lblSiHH};
    for (int row = 0; row < 3; ++row) {
        lblSiName[row].SetCaption(names[row]);
        lblSiName[row].Move(SiNameLeft, SiTops[row], SiNameWidth, LineHeight);
        values[row]->Move(SiValueLeft, SiTops[row], SiValueWidth, LineHeight);
    }
}

void frmMain::DesignTestArea() {
    Frame4.SetCaption(" Test Area");
    Frame4.Move(SideLeft, Frame4Top, SideWidth, Frame4Height);
    picTest.Move(TestInset, TestTop, SideWidth - 2 * TestInset, Frame4Height - TestTop - TestInset);
    imgON.SetPicture(forms::Picture::FromIcon(LampIcon::Create(true)));
    imgOFF.SetPicture(forms::Picture::FromIcon(LampIcon::Create(false)));
}

void frmMain::DesignButtons() {
    forms::CommandButton* buttons[] = {&cmdApply, &cmdOK, &cmdCandel};
    const char* captions[] = {"&Apply", "&OK", "&Cancel"};
    int left = RightEdge - 3 * ButtonWidth - 2 * ButtonGap;
    for (int i = 0; i < 3; ++i) {
        buttons[i]->SetCaption(captions[i]);
        buttons[i]->Move(left, ButtonTop, ButtonWidth, ButtonHeight);
        left += ButtonWidth + ButtonGap;
    }
}

void frmMain::WireEvents() {
    hscTT.OnChange = hscTT.OnScroll = [this] { hscTT_Change(); };
    hscWW.OnChange = hscWW.OnScroll = [this] { hscWW_Change(); };
    hscHH.OnChange = hscHH.OnScroll = [this] { hscHH_Change(); };
    cmdApply.OnClick = [this] { cmdApply_Click(); };
    cmdOK.OnClick = [this] { cmdOK_Click(); };
    cmdCandel.OnClick = [this] { cmdCandel_Click(); };
    imgON.OnDblClick = [this] { imgON_DblClick(); };
    imgOFF.OnDblClick = [this] { imgOFF_DblClick(); };
    chrome.imgIcon.OnDblClick = [this] { imgIcon_DblClick(); };
}

// ---- load ----

void frmMain::Form_Load() {
    SetCaption(basVersion::StartupAgentTitle);
    chrome.lblSystem.SetCaption(chrome.lblSystem.Caption() + basVersion::VersionText);
    if (!BasGlobal::EndIfAnotherCopyRuns(*this, basVersion::StartupAgentFile) ||
        !BasGlobal::LoadIdentityOrEnd(*this))
        return;
    BasMain::LoadDoubleClick();
    WindowHead::FitWindow(*this, InnerHeight);
    if (BasMain::SwitchSDC) {
        PrepareSettings();
    } else {
        SetHeight(LogonHeight);
        Shape1.SetVisible(false);
        Frame1.SetVisible(false);
        Frame2.SetVisible(false);
    }
    basLOGO::ShowBranding({chrome.lblOemTitle, chrome.lblSystem, chrome.picLogo});
    BasGlobal::CenterForm(*this);
    BasGlobal::CenterIcon(chrome.picIcon, chrome.imgIcon);
    forms::SetScreenMousePointer(forms::MousePointer::Default);
}

void frmMain::PrepareSettings() {
    imgOFF.Move((picTest.ScaleWidth() - imgOFF.Width()) / 2,
                (picTest.ScaleHeight() - imgOFF.Height()) / 2);
    imgON.Move(imgOFF.Left(), imgOFF.Top());
    imgON_DblClick();
    ShowSystemValues();
    const StartupRules::DoubleClick& saved = BasMain::DoubleClick;
    hscTT.SetValue(static_cast<int>(saved.time));
    hscWW.SetValue(static_cast<int>(saved.width));
    hscHH.SetValue(static_cast<int>(saved.height));
    UpdateApply();
}

void frmMain::ShowSystemValues() {
    shownSystem_ = BasMain::SystemDoubleClick();
    lblSiTT.SetCaption(std::to_string(shownSystem_.time));
    lblSiWW.SetCaption(std::to_string(shownSystem_.width));
    lblSiHH.SetCaption(std::to_string(shownSystem_.height));
}

void frmMain::UpdateApply() {
    const StartupRules::DoubleClick bars = {static_cast<unsigned long>(hscTT.Value()),
                                            static_cast<unsigned long>(hscWW.Value()),
                                            static_cast<unsigned long>(hscHH.Value())};
    cmdApply.SetEnabled(StartupRules::ApplyNeeded(BasMain::DoubleClick, bars, shownSystem_));
}

// ---- settings window ----

void frmMain::hscTT_Change() {
    lblTT.SetCaption(StartupRules::SpeedLabel(static_cast<unsigned long>(hscTT.Value())));
    UpdateApply();
}

void frmMain::hscWW_Change() {
    lblWW.SetCaption(StartupRules::WidthLabel(static_cast<unsigned long>(hscWW.Value())));
    UpdateApply();
}

void frmMain::hscHH_Change() {
    lblHH.SetCaption(StartupRules::HeightLabel(static_cast<unsigned long>(hscHH.Value())));
    UpdateApply();
}

void frmMain::cmdApply_Click() {
    BasMain::DoubleClick = {static_cast<unsigned long>(hscTT.Value()),
                            static_cast<unsigned long>(hscWW.Value()),
                            static_cast<unsigned long>(hscHH.Value())};
    BasMain::ApplyDoubleClick();
    ShowSystemValues();
    cmdApply.SetEnabled(false);
}

void frmMain::cmdOK_Click() {
    if (cmdApply.Enabled())
        cmdApply_Click();
    Unload();
}

void frmMain::cmdCandel_Click() {
    Unload();
}

void frmMain::imgON_DblClick() {
    Remove(imgON);
    Restore(imgOFF);
    picTest.SetBackColor(TestOffColor);
}

void frmMain::imgOFF_DblClick() {
    Remove(imgOFF);
    Restore(imgON);
    picTest.SetBackColor(TestOnColor);
}

void frmMain::imgIcon_DblClick() {
    Hourglass busy;
    Hide();
    frmAboutForm().Show();
}
