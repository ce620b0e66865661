// Scenarios of the control panel's pages: the control panel started against
// a preset controller, its pages opened from the main window and worked by
// clicks, drags and list choices. The input is sent, so each step has been
// handled when it returns.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "E2e.h"

namespace pagese2e {

void Click(HWND form, const std::string& name);

class PagesScenario : public e2e::Scenario {
  protected:
    // The factory record changed by `edit` in the driver.
    void Preset(const std::function<void(DeviceRecord&)>& edit);
    // Starts the control panel and waits for its main window; 0 on failure.
    HWND StartControlPanel();
    // Clicks the main window's button and waits for the form it shows.
    HWND OpenFrom(HWND window, const char* button, const char* form);
    HWND AwaitForm(const char* form);
    // The record preset, the control panel started (main_) and the page
    // opened from its main window; 0 on failure.
    HWND OpenPage(const std::function<void(DeviceRecord&)>& edit, const char* button,
                  const char* form);
    // Suite requests with `code` sent while the control is clicked.
    uint32_t ClickCounting(HWND form, const std::string& name, uint32_t code) {
        const uint32_t first = Sim().JournalTotal();
        Click(form, name);
        return Requests(code, first);
    }

    DeviceRecord DriverRecord() { return e2e::ReadState(Sim()).Record; }
    // Suite requests with `code` since journal entry `first`.
    uint32_t Requests(uint32_t code, uint32_t first) {
        return e2e::RequestCount(Sim(), code, first);
    }

    e2e::Program* panel_ = nullptr;
    HWND main_ = nullptr;
};

// A control of a form by name; 0 and a test failure when missing.
HWND Find(HWND form, const std::string& name);
std::string Text(HWND form, const std::string& name);
bool Enabled(HWND form, const std::string& name);
bool Checked(HWND form, const std::string& name);

// The input of a person, each handled before it returns.
void Click(HWND form, const std::string& name);
void DragThumb(HWND form, const std::string& bar, int position);
void Choose(HWND form, const std::string& list, int index);
// Index and items of a drop-down list.
int ListIndex(HWND form, const std::string& list);
std::vector<std::string> Items(HWND form, const std::string& list);

} // namespace pagese2e
