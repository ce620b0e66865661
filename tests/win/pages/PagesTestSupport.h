// Helpers of the page tests: the main window loaded as the program loads
// it, a controller preset per test, and the user's hand on the controls.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SimClient.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/HScrollBar.h"
#include "forms/Label.h"

namespace pagestest {

constexpr const char* SummarySentinel = "summary left as it was";

// Resets the simulated controller, makes sure the main window is loaded
// (its summaries of sensitivity and power save set to SummarySentinel),
// presets the record (the factory record changed by `edit`) and reads it
// into the program's copy as the main window does at start. Tests
// look at the journal from `journalStart` on.
class PageTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    void Preset(const std::function<void(DeviceRecord&)>& edit);
    // Suite requests since `journalStart` with this code.
    std::vector<SimJournalEntry> Requests(uint32_t code);
    DeviceRecord DriverRecord();

    sim::Client client;
    uint32_t journalStart = 0;
};

// The folder that the main window takes as InstallPath.
std::string InstallFolder();

// What a person can do: a click reaches only an enabled button.
void Click(forms::CommandButton& button);
// Drags the thumb to `position` and lets it go there.
void DragTo(forms::HScrollBar& bar, int position);
// Drags the thumb to `position` and keeps holding it.
void HoldAt(forms::HScrollBar& bar, int position);
void PressOn(forms::Label& label);
void ReleaseOn(forms::Label& label);
void CloseBox(forms::Form& form);

// The colour on screen at a client pixel of the window.
COLORREF PixelAt(HWND window, int x, int y);

// A 24-bit bitmap file of one colour.
void WriteBitmap(const std::string& path, int width, int height);

} // namespace pagestest
