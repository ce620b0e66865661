#include "frmSerialPort.h"

#include "BasGlobal.h"
#include "Hourglass.h"
#include "PageButtons.h"
#include "PageTexts.h"
#include "ScaleLabel.h"
#include "basMain.h"
#include "frmCOMxSet.h"

namespace {

const forms::Color NotDetectedGrey = forms::Rgb(128, 128, 128);

constexpr int LineTop = 300;
constexpr int LineStep = 270;
constexpr int OptionLeft = 240;
constexpr int OptionWidth = 255;
constexpr int LineLeft = OptionLeft + OptionWidth + 120;
constexpr int FrameHeight = LineTop + PortCount * LineStep + 150;
constexpr int ButtonsTop = PageChrome::ContentTop + FrameHeight + 240;
constexpr int InnerHeight = ButtonsTop + PageButtons::Height + 360;

} // namespace

frmSerialPort::frmSerialPort() : Form("frmSerialPort") {
    SetCaption(" Serial Port");
    Frame1.SetCaption("  Serial Port Information  ");
    Frame1.Move(PageChrome::Margin, PageChrome::ContentTop, PageChrome::ContentWidth, FrameHeight);
    for (int n = 1; n <= PortCount; ++n) {
        const int top = LineTop + (n - 1) * LineStep;
        optDetected[n].Move(OptionLeft, top, OptionWidth, ScaleLabelHeight + 60);
        optDetected[n].SetEnabled(false);
        DesignScaleLabel(lblCOM[n], "COM9, BasePort=9999h, IRQ=99", LineLeft, top + 30,
                         PageChrome::ContentWidth - LineLeft - OptionLeft, forms::Alignment::Left);
        lblCOM[n].SetForeColor(NotDetectedGrey);
    }
    cmdSetup.SetCaption("&Setup");
    cmdOK.SetCaption("&OK");
    PlaceButtonRow(ButtonsTop, {&cmdSetup, &cmdOK});

    cmdSetup.OnClick = [this] { cmdSetup_Click(); };
    cmdOK.OnClick = [this] { cmdOK_Click(); };
}

void frmSerialPort::Form_Load() {
    PageChrome::FitWindow(*this, InnerHeight);
    basMain::PrepareSubWindow(*this, chrome);
}

// Also when the IRQ set-up closes: the lines show what it saved.
void frmSerialPort::Form_Activate() {
    const DeviceRecord& record = BasGlobal::Device;
    for (int n = 1; n <= PortCount; ++n) {
        const bool detected = n == record.ComPort;
        lblCOM[n].SetCaption(PortLineText(record, n));
        lblCOM[n].SetForeColor(detected ? forms::kBlack : NotDetectedGrey);
        optDetected[n].SetEnabled(detected);
        optDetected[n].SetValue(detected);
    }
}

void frmSerialPort::Form_Unload(bool&) {
    basMain::ReturnToMainWindow();
}

void frmSerialPort::cmdSetup_Click() {
    Hourglass pointer;
    frmCOMxSetForm().Show();
    Hide();
}

void frmSerialPort::cmdOK_Click() {
    Hourglass pointer;
    Unload();
}

frmSerialPort& frmSerialPortForm() {
    static frmSerialPort form;
    return form;
}
