// Window messages sent to another program the way the suite's programs send
// them (SendMessageA), with a bound on how long the harness waits.
#pragma once

#include <windows.h>

#include "Wait.h"

namespace e2e {

// SendMessageA that gives up after `timeoutMs`; true when the receiver
// handled the message, its result in `result`.
bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr,
                DWORD timeoutMs = DefaultTimeoutMs);

// A message sent on a thread of its own, for handlers that wait for the user
// (a message box): the scenario answers the box, then collects the result.
class PendingSend {
  public:
    PendingSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    ~PendingSend();
    PendingSend(const PendingSend&) = delete;
    PendingSend& operator=(const PendingSend&) = delete;

    // Waits for the send to return; false, with a failure, when it has
    // not within `timeoutMs` or the receiver did not handle the message.
    bool Wait(LRESULT& result, DWORD timeoutMs = DefaultTimeoutMs);

  private:
    static DWORD WINAPI Run(LPVOID self);

    HWND window_;
    UINT message_;
    WPARAM wParam_;
    LPARAM lParam_;
    LRESULT result_ = 0;
    bool handled_ = false;
    HANDLE thread_ = nullptr;
};

} // namespace e2e
