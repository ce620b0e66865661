// The main window's one-line summaries, rebuilt from the device record. The
// settings pages refresh the summary of their topic through this, without
// knowing the main window.
#pragma once

namespace basMain {

enum class SummaryRow {
    SerialPort,
    VirtualButton,
    FeedbackSound,
    MouseSpeed,
    SleepTime,
    Sensitivity
};

// Writes the row's summary text for the record as it is now and fits the
// text inside the row's frame.
void ShowSummary(SummaryRow row);

} // namespace basMain
