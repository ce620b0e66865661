#include "frmCOMxSet.h"

#include <string>

#include "BasGlobal.h"
#include "PageTexts.h"
#include "ScaleLabel.h"
#include "Summaries.h"
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

// Back to the port lines, which show what was saved; not while the program
// ends.
void ReturnToSerialPort() {
    if (!forms::EndRequested())
        frmSerialPortForm().Show();
}

} // namespace

frmCOMxSet::frmCOMxSet()
    : SettingsPage("frmCOMxSet", {BasGlobal::SetSerialPort, std::nullopt}, PageButtons::SaveRow,
                   ReturnToSerialPort) {
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

    DesignButtons(ButtonsTop);

    cboIRQ.Bind(&forms::Control::OnClick, [this](int index) { cboIRQ_Click(index); });
}

// An IRQ byte that is none of the choices (a status, or an IRQ such as 9)
// leaves its list without a selection.
void frmCOMxSet::LoadWorkingCopy() {
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
}

// A list without a selection never equals the record.
bool frmCOMxSet::WorkingCopyDiffers() const {
    for (int i = 1; i <= SetupPorts; ++i) {
        const int chosen = cboIRQ[i].ListIndex();
        if (chosen < 0 || IrqChoices[chosen] != BasGlobal::Device.PortTable[i - 1].IrqOrStatus)
            return true;
    }
    return false;
}

// Only the IRQ bytes change, never the base ports. A port whose list has no
// selection keeps its byte: the user chose nothing for it.
void frmCOMxSet::StoreWorkingCopy() {
    for (int i = 1; i <= SetupPorts; ++i) {
        const int chosen = cboIRQ[i].ListIndex();
        if (chosen >= 0)
            BasGlobal::Device.PortTable[i - 1].IrqOrStatus =
                static_cast<uint8_t>(IrqChoices[chosen]);
    }
}

// Unlike the pages, Save is offered from the start where a list could not
// show its port's IRQ, as the selections of the load raise the list event.
bool frmCOMxSet::OfferApplyOnLoad() const {
    return WorkingCopyDiffers();
}

void frmCOMxSet::cboIRQ_Click(int) {
    ShowApplyState();
}

frmCOMxSet& frmCOMxSetForm() {
    static frmCOMxSet form;
    return form;
}
