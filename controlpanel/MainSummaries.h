// The main window's one-line summaries, rebuilt from the device record. The
// main window registers its rows here; the settings pages refresh the
// summary of their topic through this, without knowing the main window.
#pragma once

#include "forms/Label.h"
#include "forms/Shape.h"

namespace basMain {

enum class SummaryRow {
    SerialPort,
    VirtualButton,
    FeedbackSound,
    MouseSpeed,
    SleepTime,
    Sensitivity
};

// The label that shows the row's summary and the frame it must fit in; both
// outlive the program's windows.
void RegisterSummaryRow(SummaryRow row, forms::Label& summary, const forms::Shape& frame);

// Writes the row's summary text for the record as it is now and fits the
// text inside the row's frame; nothing for a row that nobody registered.
void ShowSummary(SummaryRow row);

} // namespace basMain
