#include "Runtime.h"

#include <windows.h>

#include "Form.h"

namespace forms {

namespace {

bool endRequested = false;
int exitCode = 0;
MousePointer screenPointer = MousePointer::Default;

void Dispatch(MSG& message) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

} // namespace

void DoEvents() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            EndProgram(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

void WaitForEvents(unsigned long milliseconds) {
    // MWMO_INPUTAVAILABLE: a message that is already queued wakes it too.
    MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    DoEvents();
}

void PauseMilliseconds(unsigned long milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start; // unsigned: wraps correctly
        if (elapsed >= milliseconds || endRequested)
            return;
        WaitForEvents(milliseconds - elapsed);
    }
}

int RunMessageLoop() {
    MSG message;
    while (!endRequested && !Form::LoadedForms().empty()) {
        const BOOL result = GetMessageA(&message, nullptr, 0, 0);
        if (result == 0) {
            EndProgram(static_cast<int>(message.wParam));
            break;
        }
        if (result < 0)
            break;
        Dispatch(message);
    }
    const int code = exitCode;
    endRequested = false;
    exitCode = 0;
    return code;
}

void EndProgram(int code) {
    endRequested = true;
    exitCode = code;
    // Copy: destroying a form takes it off the list.
    const std::vector<Form*> forms = Form::LoadedForms();
    for (Form* form : forms)
        form->DestroyForm();
    // Wakes a message loop that waits in GetMessage.
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}

bool EndRequested() {
    return endRequested;
}

void SetScreenMousePointer(MousePointer pointer) {
    screenPointer = pointer;
    // Show it now, not only when the mouse next moves.
    SetCursor(LoadCursor(nullptr, pointer == MousePointer::Hourglass ? IDC_WAIT : IDC_ARROW));
}

MousePointer ScreenMousePointer() {
    return screenPointer;
}

} // namespace forms
