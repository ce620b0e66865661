#include "frmMcuInfo.h"

#include "BasGlobal.h"
#include "McuInfoText.h"
#include "basMain.h"

namespace {

constexpr int InfoTop = PageChrome::ContentTop + 120;
constexpr int InfoWidth = PageChrome::InnerWidth - 2 * PageChrome::Margin;
constexpr int InfoHeight = 195;
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 435;
constexpr int ButtonTop = InfoTop + InfoHeight + 360;
constexpr int InnerHeight = ButtonTop + ButtonHeight + 360;

} // namespace

frmMcuInfo::frmMcuInfo() : Form("frmMcuInfo") {
    SetCaption(" MCU Information");
    lblMcuInfo.SetCaption("MCU-Mode=D4  MCU-Version=4.2  Checksum=00000000");
    lblMcuInfo.SetTextAlign(forms::Alignment::Center);
    lblMcuInfo.Move(PageChrome::Margin, InfoTop, InfoWidth, InfoHeight);
    cmdOK.SetCaption("&OK");
    cmdOK.Move((PageChrome::InnerWidth - ButtonWidth) / 2, ButtonTop, ButtonWidth, ButtonHeight);
    cmdOK.OnClick = [this] { cmdOK_Click(); };
}

void frmMcuInfo::Form_Load() {
    PageChrome::FitWindow(*this, InnerHeight);
    // The record as read at start: the firmware does not change meanwhile.
    lblMcuInfo.SetCaption(McuInfoLine(BasGlobal::Device));
    chrome.ShowMainIcon();
    basMain::PrepareSubWindow(*this);
}

void frmMcuInfo::Form_Unload(bool&) {
    basMain::ReturnToMainWindow();
}

void frmMcuInfo::cmdOK_Click() {
    Unload();
}

frmMcuInfo& frmMcuInfoForm() {
    static frmMcuInfo form;
    return form;
}
