// Helpers of the companion tests: windows that record the commands they get,
// the deliverables folder, and the processes the tests start.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace companiontest {

struct Command {
    WPARAM wParam;
    LPARAM lParam;
};

// A top-level window of this test that records every WM_USER it receives.
class RecordingWindow {
  public:
    explicit RecordingWindow(const std::string& title = "", HWND owner = nullptr);
    ~RecordingWindow();
    RecordingWindow(const RecordingWindow&) = delete;
    RecordingWindow& operator=(const RecordingWindow&) = delete;
    HWND Handle() const { return window_; }
    int32_t HandleValue() const;
    const std::vector<Command>& Commands() const;

  private:
    HWND window_;
};

// Windows path of the built deliverables (TS_DELIVER_DIR under Wine's Z:).
std::string DeliverFolder();

// Polls the driver until the SMI registration differs from `handle`; the
// new handle, or -1 after the timeout.
int32_t WaitForSmiWindowOtherThan(int32_t handle, DWORD timeoutMs = 15000);
int32_t WaitForToolWindowOtherThan(int32_t handle, DWORD timeoutMs = 15000);

// The process that owns a window, opened to wait for it and to end it.
HANDLE ProcessOfWindow(HWND window);
std::string ImagePathOf(HANDLE process);
// Waits for the process to end; ends it when it does not. True when it ended
// by itself.
bool EndedWithin(HANDLE process, DWORD timeoutMs);

HWND AsWindow(int32_t handle);

} // namespace companiontest
