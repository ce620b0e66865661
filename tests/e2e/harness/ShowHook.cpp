// The part of the show watch that runs inside the watched programs: a global
// hook on the messages sent to their windows, loaded into every program of
// the desktop. Each window that is being shown is posted, with its process,
// to every watch window at once, so that a window shown and hidden again is
// reported before the program goes on.
#include <windows.h>

#include "ShowHook.h"

namespace {

HMODULE ownModule = nullptr;

void Report(HWND shown) {
    const UINT message =
        GetAncestor(shown, GA_PARENT) == GetDesktopWindow() ? ShownMessage : ShownControlMessage;
    const auto process = static_cast<LPARAM>(GetCurrentProcessId());
    for (HWND watch = FindWindowExA(HWND_MESSAGE, nullptr, ShowWatchClass, nullptr); watch;
         watch = FindWindowExA(HWND_MESSAGE, watch, ShowWatchClass, nullptr))
        PostMessageA(watch, message, reinterpret_cast<WPARAM>(shown), process);
}

LRESULT CALLBACK OnSentMessage(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_WINDOWPOSCHANGED) {
        const auto* position = reinterpret_cast<const WINDOWPOS*>(sent->lParam);
        if (position->flags & SWP_SHOWWINDOW)
            Report(sent->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

extern "C" __declspec(dllexport) HHOOK StartShowHook() {
    return SetWindowsHookExA(WH_CALLWNDPROC, OnSentMessage, ownModule, 0);
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        ownModule = module;
    return TRUE;
}
