#include "frmCOMxSet.h"

#include <string>

#include "BasGlobal.h"
#include "Hourglass.h"
#include "PageButtons.h"
#include "PageTexts.h"
#include "RecordWrite.h"
#include "ScaleLabel.h"
#include "Summaries.h"
#include "basMain.h"
#include "forms/Runtime.h"
#include "frmSerialPort.h"

namespace {

constexpr int SetupPorts = 4;
constexpr int IconSize = 480;
constexpr int TextLeft = PageChrome::Margin + IconSize + 120;
constexpr int NoteWidth = PageChrome::InnerWidth - PageChrome::Margin - TextLeft;
constexpr int NoteTop = PageChrome::ContentTop + 240;
constexpr int NoteHeight = 630;
constexpr int HeadingTop = NoteTop + NoteHeight + 180;
constexpr int RowTop = HeadingTop + 270;
constexpr int RowStep = 420;
constexpr int ComboHeight = 315;
constexpr int NameLeft = 1200;
constexpr int NameWidth = 720;
constexpr int PortLeft = NameLeft + NameWidth + 120;
constexpr int ListWidth = 1335;
constexpr int IrqLeft = PortLeft + ListWidth + 360;
constexpr int ButtonsTop = RowTop + SetupPorts * RowStep + 120;
constexpr int InnerHeight = ButtonsTop + PageButtons::Height + 360;

} // namespace

frmCOMxSet::frmCOMxSet() : Form("frmCOMxSet") {
    SetCaption(" COM Port Setup");
    imgCaution.SetPicture(forms::Picture::FromIcon(CopyIcon(LoadIconA(nullptr, IDI_WARNING))));
    imgCaution.Move(PageChrome::Margin, PageChrome::ContentTop, IconSize, IconSize);
    DesignScaleLabel(lblCaution, "CAUTION:", TextLeft, PageChrome::ContentTop, NoteWidth,
                     forms::Alignment::Left);
    lblCaution.SetFontBold(true);
    lblNote.SetCaption("Incorrect change to the following Setting could prevent the TouchScreen "
                       "from operation or operation correctly.");
    lblNote.SetBackStyle(forms::BackStyle::Transparent);
    lblNote.SetWordWrap(true);
    lblNote.Move(TextLeft, NoteTop, NoteWidth, NoteHeight);

    DesignScaleLabel(lblPortName, "PORT", PortLeft, HeadingTop, ListWidth,
                     forms::Alignment::Center);
    DesignScaleLabel(lblIRQ, "IRQ", IrqLeft, HeadingTop, ListWidth, forms::Alignment::Center);
    for (int i = 1; i <= SetupPorts; ++i) {
        const int top = RowTop + (i - 1) * RowStep;
        DesignScaleLabel(lblCOM[i], ("COM" + std::to_string(i) + ":").c_str(), NameLeft,
                         top + (ComboHeight - ScaleLabelHeight) / 2, NameWidth,
                         forms::Alignment::Left);
        cboPort[i].Move(PortLeft, top, ListWidth, ComboHeight);
        cboPort[i].SetEnabled(false);
        cboIRQ[i].Move(IrqLeft, top, ListWidth, ComboHeight);
    }

    cmdSave.SetCaption("&Save");
    cmdSave.SetEnabled(false);
    cmdOK.SetCaption("&OK");
    cmdCancel.SetCaption("&Cancel");
    PlaceButtonRow(ButtonsTop, {&cmdSave, &cmdOK, &cmdCancel});

    cboIRQ.Bind(&forms::Control::OnClick, [this](int index) { cboIRQ_Click(index); });
    cmdSave.OnClick = [this] { cmdSave_Click(); };
    cmdOK.OnClick = [this] { cmdOK_Click(); };
    cmdCancel.OnClick = [this] { cmdCancel_Click(); };
}

// An IRQ byte that is none of the choices (a status, or an IRQ such as 9)
// leaves its list without a selection.
void frmCOMxSet::Form_Load() {
    PageChrome::FitWindow(*this, InnerHeight);
    const DeviceRecord& record = BasGlobal::Device;
    for (int i = 1; i <= SetupPorts; ++i) {
        for (int port = 1; port <= SetupPorts; ++port)
            cboPort[i].AddItem(BasGlobal::Hex4(record.PortTable[port - 1].BasePort));
        cboPort[i].SetListIndex(i - 1);
        for (int irq : IrqChoices)
            cboIRQ[i].AddItem(std::to_string(irq));
    }
    for (int i = 1; i <= SetupPorts; ++i)
        cboIRQ[i].SetListIndex(IrqChoiceIndex(record.PortTable[i - 1].IrqOrStatus));
    basMain::PrepareSubWindow(*this, chrome);
}

void frmCOMxSet::Form_Unload(bool&) {
    if (!forms::EndRequested())
        frmSerialPortForm().Show();
}

// A list without a selection never equals the record.
void frmCOMxSet::cboIRQ_Click(int) {
    bool differs = false;
    for (int i = 1; i <= SetupPorts; ++i) {
        const int chosen = cboIRQ[i].ListIndex();
        differs = differs || chosen < 0 ||
                  IrqChoices[chosen] != BasGlobal::Device.PortTable[i - 1].IrqOrStatus;
    }
    cmdSave.SetEnabled(differs);
}

// Only the IRQ bytes change, never the base ports. A port whose list has no
// selection keeps its byte: the user chose nothing for it.
bool frmCOMxSet::Save() {
    Hourglass pointer;
    const bool written = basMain::WriteRecordGroup(
        [this] {
            for (int i = 1; i <= SetupPorts; ++i) {
                const int chosen = cboIRQ[i].ListIndex();
                if (chosen >= 0)
                    BasGlobal::Device.PortTable[i - 1].IrqOrStatus =
                        static_cast<uint8_t>(IrqChoices[chosen]);
            }
        },
        BasGlobal::SetSerialPort);
    if (written)
        cmdSave.SetEnabled(false);
    return written;
}

void frmCOMxSet::cmdSave_Click() {
    Save();
}

// The dialog stays up when its change could not be saved.
void frmCOMxSet::cmdOK_Click() {
    if (cmdSave.Enabled() && !Save())
        return;
    Hourglass pointer;
    Unload();
}

void frmCOMxSet::cmdCancel_Click() {
    Hourglass pointer;
    Unload();
}

frmCOMxSet& frmCOMxSetForm() {
    static frmCOMxSet form;
    return form;
}
