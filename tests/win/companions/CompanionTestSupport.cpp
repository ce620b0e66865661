#include "CompanionTestSupport.h"

#include <psapi.h>

#include <cstdlib>
#include <map>

#include "BasGlobal.h"

namespace companiontest {

namespace {

const char* const WindowClass = "TsCompanionTestWindow";

std::map<HWND, std::vector<Command>>& Received() {
    static std::map<HWND, std::vector<Command>> received;
    return received;
}

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) {
        Received()[window].push_back({wParam, lParam});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterOnce() {
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = WindowClass;
    registered = RegisterClassA(&windowClass) != 0;
}

template <typename Poll> int32_t WaitOtherThan(int32_t handle, DWORD timeoutMs, Poll poll) {
    DWORD start = GetTickCount();
    do {
        int32_t now = poll();
        if (now != handle)
            return now;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return handle;
}

} // namespace

RecordingWindow::RecordingWindow(const std::string& title, HWND owner) {
    RegisterOnce();
    DWORD style = owner ? WS_POPUP : WS_OVERLAPPEDWINDOW;
    window_ = CreateWindowA(WindowClass, title.c_str(), style, 0, 0, 100, 100, owner, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    Received()[window_];
}

RecordingWindow::~RecordingWindow() {
    Received().erase(window_);
    DestroyWindow(window_);
}

int32_t RecordingWindow::HandleValue() const {
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(window_));
}

const std::vector<Command>& RecordingWindow::Commands() const {
    return Received()[window_];
}

std::string DeliverFolder() {
    const char* unixPath = getenv("TS_DELIVER_DIR");
    std::string path = std::string("Z:") + (unixPath ? unixPath : "");
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

int32_t WaitForSmiWindowOtherThan(int32_t handle, DWORD timeoutMs) {
    return WaitOtherThan(handle, timeoutMs, [] {
        BasGlobal::GetSmiWindow();
        return BasGlobal::SmiWindow.Handle;
    });
}

int32_t WaitForToolWindowOtherThan(int32_t handle, DWORD timeoutMs) {
    return WaitOtherThan(handle, timeoutMs, [] {
        BasGlobal::GetToolWindow();
        return BasGlobal::ToolWindow.Handle;
    });
}

HANDLE ProcessOfWindow(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    if (id == 0)
        return nullptr;
    return OpenProcess(
        SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
}

std::string ImagePathOf(HANDLE process) {
    char path[MAX_PATH] = {};
    GetModuleFileNameExA(process, nullptr, path, MAX_PATH);
    return path;
}

bool EndedWithin(HANDLE process, DWORD timeoutMs) {
    bool ended = WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
    if (!ended) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
    }
    CloseHandle(process);
    return ended;
}

HWND AsWindow(int32_t handle) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
}

} // namespace companiontest
