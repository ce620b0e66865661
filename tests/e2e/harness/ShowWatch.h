// Every window that another process shows, seen as it happens.
// Looking at a program's windows now and then misses one shown and hidden
// again between two looks; this does not. A hook inside the programs
// (ShowHook.dll beside the test tools) posts each show, before the program
// goes on, to a window that a thread of the watch serves. (A window-event
// hook for EVENT_OBJECT_SHOW would need no DLL, but Wine 8 raises no such
// event.)
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct ShownWindow {
    HWND window = nullptr;
    std::string className; // empty when the window was gone before it could be read
    std::string title;
    bool topLevel = true; // a form or a box rather than a control
    DWORD tick = 0;       // GetTickCount when the program showed it
};

class ShowWatch {
  public:
    // Watches the process from now on: start it held (Program::StartHeld)
    // and resume it once the watch stands, to see its first window too.
    // A test failure when the watch cannot be set up. Watches are made and
    // ended on one thread, which holds the hook while any stands.
    explicit ShowWatch(DWORD processId);
    ~ShowWatch();
    ShowWatch(const ShowWatch&) = delete;
    ShowWatch& operator=(const ShowWatch&) = delete;

    // The top-level windows the process has shown so far, once every show
    // it has reported until now has been handled.
    std::vector<ShownWindow> Shown();
    // Whether the process has shown this window (a control, say) so far.
    bool WasShown(HWND window);
    // When the process first showed this window, by its clock. Awaited: a
    // window is seen visible a moment before its show is reported. 0, and a
    // test failure, when no show of it comes.
    DWORD ShownAt(HWND window);

  private:
    static DWORD WINAPI Run(LPVOID self);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::vector<ShownWindow> AllShown();
    void Record(HWND window, bool topLevel, DWORD tick);

    DWORD processId_;
    HANDLE thread_ = nullptr;
    HWND window_ = nullptr;
    HANDLE ready_;   // the watch stands (or could not be set up)
    HANDLE flushed_; // the watch thread has handled what was posted before a flush
    bool watching_ = false;
    CRITICAL_SECTION lock_;
    std::vector<ShownWindow> shown_;
};

// "#32770 \"Title\", ..." for a failure message; "nothing" when empty.
std::string Describe(const std::vector<ShownWindow>& windows);

} // namespace e2e
