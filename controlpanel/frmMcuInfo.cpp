#include "frmMcuInfo.h"

#include "BasGlobal.h"
#include "McuInfoText.h"
#include "NoticeLayout.h"
#include "basMain.h"

frmMcuInfo::frmMcuInfo() : Form("frmMcuInfo") {
    SetCaption(" MCU Information");
    lblMcuInfo.SetCaption("MCU-Mode=D4  MCU-Version=4.2  Checksum=00000000");
    NoticeLayout::Design(lblMcuInfo, cmdOK);
    cmdOK.OnClick = [this] { cmdOK_Click(); };
}

void frmMcuInfo::Form_Load() {
    PageChrome::FitWindow(*this, NoticeLayout::InnerHeight);
    // The record as read at start: the firmware does not change meanwhile.
    lblMcuInfo.SetCaption(McuInfoLine(BasGlobal::Device));
    basMain::PrepareSubWindow(*this, chrome);
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
