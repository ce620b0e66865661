#include "MainSummaries.h"

#include <algorithm>
#include <string>

#include "BasGlobal.h"
#include "Summaries.h"
#include "basVersion.h"
#include "forms/FontInfo.h"

namespace basMain {

namespace {

constexpr const char* Ps2PortText = "TouchScreen or Mouse found on PS/2 port";
constexpr int SummaryInset = 120;     // twips between the frame and its text
constexpr int MinSummaryFontSize = 6; // points

struct Row {
    forms::Label* summary = nullptr;
    const forms::Shape* frame = nullptr;
};

constexpr int RowCount = static_cast<int>(SummaryRow::Sensitivity) + 1; // the last row
Row Rows[RowCount];

std::string TextOf(SummaryRow row) {
    const DeviceRecord& record = BasGlobal::Device;
    switch (row) {
    case SummaryRow::SerialPort:
        if (basVersion::IsPs2Build)
            return Ps2PortText;
        return BasGlobal::SerialPortText(record.ComPort, record.BasePort, record.Irq,
                                         record.BaudRate);
    case SummaryRow::VirtualButton:
        return BasGlobal::TouchModeText(record.VirtualButton, record.RightButtonFunction,
                                        record.RightButtonAutoMode);
    case SummaryRow::FeedbackSound:
        return BasGlobal::FeedbackText(record.FeedbackSound);
    case SummaryRow::MouseSpeed:
        return BasGlobal::MouseSpeedText(record.MouseHSpeed, record.MouseVSpeed,
                                         record.MouseAcceleration, record.MouseBypass);
    case SummaryRow::SleepTime:
        return BasGlobal::PowerDownText(record.PowerDownTime);
    case SummaryRow::Sensitivity:
        break;
    }
    return BasGlobal::LevelText(record.Sensitivity);
}

// A summary must stay inside its frame even where the system substitutes a
// wider font than the designed one: the text then gets a smaller size. Each
// new text starts again from the designed size.
void FitInFrame(forms::Label& summary, const forms::Shape& frame) {
    summary.SetAutoSize(true);
    summary.SetFontSize(forms::FontInfo::Default().size);
    const int right = frame.Left() + frame.Width() - SummaryInset;
    while (summary.Left() + summary.Width() > right && summary.FontSize() > MinSummaryFontSize)
        summary.SetFontSize(summary.FontSize() - 1);
    // Then the whole inside of the frame: a text measured to the pixel can
    // still lose its last character where the display renders it wider.
    summary.SetAutoSize(false);
    summary.SetWidth(std::max(summary.Width(), right - summary.Left()));
}

} // namespace

void RegisterSummaryRow(SummaryRow row, forms::Label& summary, const forms::Shape& frame) {
    Rows[static_cast<int>(row)] = {&summary, &frame};
}

void ShowSummary(SummaryRow row) {
    const Row& target = Rows[static_cast<int>(row)];
    if (!target.summary)
        return;
    target.summary->SetCaption(TextOf(row));
    FitInFrame(*target.summary, *target.frame);
}

} // namespace basMain
