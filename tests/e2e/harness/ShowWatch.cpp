#include "ShowWatch.h"

#include <gtest/gtest.h>

#include "Deliverables.h"
#include "ShowHook.h"
#include "Wait.h"
#include "WindowQuery.h"

namespace e2e {

namespace {

// Posted by the watch to itself: answered once what came before is handled.
constexpr UINT FlushMessage = WM_APP + 3;
constexpr DWORD ThreadWaitMs = 5000;

std::string HookPath() {
    return DeliverDir() + "\\..\\tools\\ShowHook.dll";
}

// Every program of the desktop calls the hook on each message sent there,
// which costs: it is set while a watch stands, and serves all the watches of
// this process.
HHOOK hook = nullptr;
int watches = 0;

bool HookSet() {
    static const FARPROC start = [] {
        HMODULE module = LoadLibraryA(HookPath().c_str());
        return module ? GetProcAddress(module, StartShowHookExport) : nullptr;
    }();
    if (!hook && start)
        hook = reinterpret_cast<HHOOK (*)()>(reinterpret_cast<void (*)()>(start))();
    return hook != nullptr;
}

} // namespace

ShowWatch::ShowWatch(DWORD processId)
    : processId_(processId), ready_(CreateEventA(nullptr, FALSE, FALSE, nullptr)),
      flushed_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
    InitializeCriticalSection(&lock_);
    ++watches;
    if (!HookSet()) {
        ADD_FAILURE() << "no show hook from " << HookPath() << " (error " << GetLastError() << ")";
        return;
    }
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    if (!thread_ || WaitForSingleObject(ready_, ThreadWaitMs) != WAIT_OBJECT_0 || !watching_)
        ADD_FAILURE() << "no show watch for process " << processId_;
}

ShowWatch::~ShowWatch() {
    if (thread_) {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        WaitForSingleObject(thread_, ThreadWaitMs);
        CloseHandle(thread_);
    }
    CloseHandle(ready_);
    CloseHandle(flushed_);
    DeleteCriticalSection(&lock_);
    if (--watches == 0 && hook) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
}

std::vector<ShownWindow> ShowWatch::AllShown() {
    // The hook posts each show before the program goes on, so whatever the
    // program has shown by now is queued ahead of this.
    if (!watching_ || !PostMessageA(window_, FlushMessage, 0, 0) ||
        WaitForSingleObject(flushed_, ThreadWaitMs) != WAIT_OBJECT_0)
        ADD_FAILURE() << "the show watch of process " << processId_ << " does not answer";
    EnterCriticalSection(&lock_);
    std::vector<ShownWindow> shown = shown_;
    LeaveCriticalSection(&lock_);
    return shown;
}

std::vector<ShownWindow> ShowWatch::Shown() {
    std::vector<ShownWindow> topLevel;
    for (const ShownWindow& shown : AllShown())
        if (shown.topLevel)
            topLevel.push_back(shown);
    return topLevel;
}

bool ShowWatch::WasShown(HWND window) {
    for (const ShownWindow& shown : AllShown())
        if (shown.window == window)
            return true;
    return false;
}

DWORD ShowWatch::ShownAt(HWND window) {
    DWORD tick = 0;
    WaitUntil(
        [&] {
            for (const ShownWindow& shown : AllShown()) {
                if (shown.window == window) {
                    tick = shown.tick;
                    return true;
                }
            }
            return false;
        },
        "the show of \"" + TextOf(window) + "\" to be reported");
    return tick;
}

DWORD WINAPI ShowWatch::Run(LPVOID self) {
    ShowWatch& watch = *static_cast<ShowWatch*>(self);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.lpszClassName = ShowWatchClass;
    RegisterClassA(&windowClass); // already there for a second watch
    watch.window_ =
        CreateWindowA(ShowWatchClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (watch.window_)
        SetWindowLongPtrA(watch.window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&watch));
    watch.watching_ = watch.window_ != nullptr;
    SetEvent(watch.ready_);
    MSG message;
    while (watch.watching_ && GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}

LRESULT CALLBACK ShowWatch::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* watch = reinterpret_cast<ShowWatch*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (watch && (message == ShownMessage || message == ShownControlMessage)) {
        if (static_cast<DWORD>(lParam) == watch->processId_)
            watch->Record(reinterpret_cast<HWND>(wParam), message == ShownMessage,
                          static_cast<DWORD>(GetMessageTime())); // posted as it was shown
        return 0;
    }
    if (watch && message == FlushMessage) {
        SetEvent(watch->flushed_);
        return 0;
    }
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

void ShowWatch::Record(HWND window, bool topLevel, DWORD tick) {
    ShownWindow shown;
    shown.window = window;
    shown.topLevel = topLevel;
    shown.tick = tick;
    if (IsWindow(window)) {
        shown.className = ClassOf(window);
        shown.title = TextOf(window);
    }
    EnterCriticalSection(&lock_);
    shown_.push_back(shown);
    LeaveCriticalSection(&lock_);
}

std::string Describe(const std::vector<ShownWindow>& windows) {
    std::string text;
    for (const ShownWindow& shown : windows) {
        text += text.empty() ? "" : ", ";
        text += shown.className.empty() ? "a window gone at once"
                                        : shown.className + " \"" + shown.title + "\"";
    }
    return text.empty() ? "nothing" : text;
}

} // namespace e2e
