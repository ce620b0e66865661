#include "frmMain.h"

#include <initializer_list>

#include "ConfirmationLayout.h"
#include "FormRoutines.h"
#include "PanelIcon.h"
#include "RemovalPictures.h"
#include "RemovalTexts.h"
#include "basLOGO.h"
#include "basMain.h"
#include "basOEM.h"
#include "basVersion.h"
#include "forms/MsgBox.h"
#include "forms/Runtime.h"
#include "frmAbout.h"
#include "frmMessage.h"

namespace {

// Twips. The head is the suite's; below it the frame holds the picture, the
// warning and the question, and the buttons stand under the etched line.
constexpr int FrameLeft = WindowHead::Margin;
constexpr int FrameTop = WindowHead::ContentTop;
constexpr int Padding = 240;
constexpr int PictureSize = 480;
constexpr int TextLeft = FrameLeft + Padding + PictureSize + Padding;
constexpr int TextColumnWidth = FrameLeft + WindowHead::ContentWidth - Padding - TextLeft;
constexpr int WarningTop = FrameTop + Padding;
constexpr int TwoLines = 390;
constexpr int AskTop = WarningTop + TwoLines + 120;
constexpr int FrameHeight = AskTop + TwoLines + Padding - FrameTop;
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 435;
constexpr int ButtonTop = FrameTop + FrameHeight + 480;
constexpr int InnerHeight = ButtonTop + ButtonHeight + 360;

constexpr int BusyStart = 11;
constexpr int BusyEnd = 0;

} // namespace

frmMain& frmMainForm() {
    static frmMain form;
    return form;
}

frmMain::frmMain() : Form("frmMain") {
    SetCaption(basVersion::RemovalTitle);
    SetBorder(forms::BorderStyle::FixedSingle);
    head.lblOemTitle.SetCaption("Orvalith");
    head.lblSystem.SetCaption(RemovalTexts::SystemLineText);
    head.imgIcon.SetPicture(forms::Picture::FromIcon(PanelIcon::Create()));

    shpRemoval.Move(FrameLeft, FrameTop, WindowHead::ContentWidth, FrameHeight);
    imgRemoval.SetPicture(forms::Picture::FromIcon(RemovalPictures::CreateWasteBin()));
    imgRemoval.Move(FrameLeft + Padding, WarningTop, PictureSize, PictureSize);
    lblWarning.SetCaption(RemovalTexts::WarningText);
    lblWarning.SetWordWrap(true);
    lblWarning.SetBackStyle(forms::BackStyle::Transparent);
    lblWarning.Move(TextLeft, WarningTop, TextColumnWidth, TwoLines);
    lblAsk.SetWordWrap(true);
    lblAsk.SetBackStyle(forms::BackStyle::Transparent);
    lblAsk.Move(TextLeft, AskTop, TextColumnWidth, TwoLines);

    cmdYes.SetCaption("&Yes");
    cmdYes.Move(0, ButtonTop, ButtonWidth, ButtonHeight);
    cmdNo.SetCaption("&No");
    cmdNo.Move(0, ButtonTop, ButtonWidth, ButtonHeight);

    cmdYes.OnClick = [this] { cmdYes_Click(); };
    cmdNo.OnClick = [this] { cmdNo_Click(); };
    head.imgIcon.OnDblClick = [this] { imgIcon_DblClick(); };
    LendHeadToAbout(*this, head);
}

void frmMain::Form_Load() {
    SetCaption(basVersion::RemovalTitle);
    WindowHead::FitWindow(*this, InnerHeight);
    head.lblSystem.SetCaption(head.lblSystem.Caption() + basVersion::VersionText);
    if (!LoadSettings())
        return;
    basLOGO::ShowBranding({head.lblOemTitle, head.lblSystem, head.picLogo});
    lblAsk.SetCaption(RemovalTexts::QuestionText());
    Arrange();
    BasGlobal::CenterForm(*this);
    BasGlobal::CenterIcon(head.picIcon, head.imgIcon);
}

bool frmMain::LoadSettings() {
    BasGlobal::BusyCursor(BusyStart);
    const bool loaded = basOEM::OpenSuiteKey();
    BasGlobal::BusyCursor(BusyEnd);
    if (loaded)
        return true;
    forms::MsgBox(basOEM::LoadFailureText, MB_OK, Caption());
    forms::EndProgram();
    return false;
}

void frmMain::Arrange() {
    const ConfirmationLayout::Placement p = ConfirmationLayout::Arrange(
        {Width(), ScaleWidth(), TextWidth(Caption()), cmdYes.Width(), cmdNo.Width(), cmdYes.Top(),
         cmdNo.Height(), shpRemoval.Width()});
    SetWidth(p.windowWidth);
    // What the frame holds moves with it.
    const int shift = p.frameLeft - shpRemoval.Left();
    for (forms::Control* inside :
         {static_cast<forms::Control*>(&imgRemoval), static_cast<forms::Control*>(&lblWarning),
          static_cast<forms::Control*>(&lblAsk)})
        inside->SetLeft(inside->Left() + shift);
    shpRemoval.SetLeft(p.frameLeft);
    cmdYes.SetLeft(p.yesLeft);
    cmdNo.SetLeft(p.noLeft);
    Line(p.shadow.x1, p.shadow.y1, p.shadow.x2, p.shadow.y2, forms::kButtonShadow);
    Line(p.highlight.x1, p.highlight.y1, p.highlight.x2, p.highlight.y2, forms::kButtonHighlight);
}

// The removal handles window events while it waits: a second press of
// either button, already queued, must not start it again or end it midway.
void frmMain::cmdYes_Click() {
    if (removing_)
        return;
    removing_ = true;
    basMain::RemoveSuite();
}

void frmMain::cmdNo_Click() {
    if (!removing_)
        Unload();
}

void frmMain::imgIcon_DblClick() {
    BasGlobal::BusyCursor(BusyStart);
    Hide();
    frmAboutForm().Show();
    BasGlobal::BusyCursor(BusyEnd);
    if (!frmAboutForm().IsLoaded())
        Show();
}
