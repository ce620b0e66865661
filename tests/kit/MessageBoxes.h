// Message boxes of a running program, read and answered from outside: a box
// is a top-level window of class "#32770" of that process, its text is the
// child with id 0xFFFF, its buttons have the ids IDOK, IDCANCEL, IDYES, IDNO.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Wait.h"

namespace e2e {

struct MessageBoxInfo {
    HWND window = nullptr;
    std::string title;
    std::string text;
    bool hasIcon = false; // an icon picture is shown
    bool topmost = false; // system-modal boxes stay on top
    bool hasOk = false;   // visible buttons
    bool hasCancel = false;
    bool hasYes = false;
    bool hasNo = false;
};

// What a box shows, as read now.
MessageBoxInfo ReadMessageBox(HWND box);
// The boxes the process shows now (visible "#32770" windows).
std::vector<MessageBoxInfo> MessageBoxesOf(DWORD processId);
// The first box of the process, awaited; a failure (and an empty
// result) on timeout.
MessageBoxInfo WaitForMessageBox(DWORD processId, DWORD timeoutMs = DefaultTimeoutMs);
// Presses the button `buttonId` (IDOK, IDYES, ...) and waits until the box
// has closed; false, with a failure, when the button is not there or
// the box stays.
bool AnswerMessageBox(const MessageBoxInfo& box, int buttonId);

} // namespace e2e
