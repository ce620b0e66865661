// Stand-in for the SMI program, which lies outside the suite. It does the
// least the suite relies on: shows a small window, has the driver report that
// window as the SMI program's, and ends on the quit command.
#include <windows.h>

#include <cstdint>

#include "BasGlobal.h"
#include "SimClient.h"

namespace {

constexpr WPARAM QuitSmiCode = 0x200E;
constexpr int32_t NoWindow = -1;
const char* const WindowClass = "TsSmiStandIn";
const char* const WindowTitle = "SMI";

int32_t HandleValue(HWND window) {
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(window));
}

// The rotation code is the controller's own setting, which the registration
// carries: it is passed on as read just before, never guessed. False when
// the registration could not be read.
bool Register(HWND window) {
    if (!BasGlobal::RepeatUntilDone(BasGlobal::GetSmiWindow))
        return false;
    return sim::Client().SetSmiWindow(HandleValue(window), BasGlobal::SmiWindow.Value);
}

// Only our own registration is withdrawn; a later SMI window keeps its own.
void Unregister(HWND window) {
    if (BasGlobal::RepeatUntilDone(BasGlobal::GetSmiWindow) &&
        BasGlobal::SmiWindow.Handle == HandleValue(window))
        sim::Client().SetSmiWindow(NoWindow, BasGlobal::SmiWindow.Value);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_USER:
        if (wParam == QuitSmiCode) {
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        Unregister(window);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (!BasGlobal::OpenDevice())
        return 1; // without a controller there is nothing to stand in for

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = WindowClass;
    RegisterClassA(&windowClass);
    HWND window =
        CreateWindowA(WindowClass, WindowTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                      CW_USEDEFAULT, CW_USEDEFAULT, 200, 80, nullptr, nullptr, instance, nullptr);
    if (window == nullptr || !Register(window)) {
        BasGlobal::CloseDevice();
        return 1;
    }
    ShowWindow(window, showCommand);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    BasGlobal::CloseDevice();
    return 0;
}
