// Helpers of the window runtime's in-process tests.
#pragma once

#include <windows.h>

#include <string>

#include "forms/Runtime.h"

namespace formstest {

// The colour on screen at a client pixel of the window, after every pending
// paint has been done.
inline COLORREF PixelAt(HWND window, int x, int y) {
    forms::DoEvents();
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

// The client position of a child window's top-left corner in its parent.
inline POINT PositionInParent(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&area), 2);
    return {area.left, area.top};
}

inline SIZE OuterSize(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return {area.right - area.left, area.bottom - area.top};
}

// The name another process reads from the window.
inline std::string NameProperty(HWND window) {
    const auto atom =
        static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(window, "TsControlName")));
    char buffer[256] = {};
    const UINT length = atom ? GlobalGetAtomNameA(atom, buffer, sizeof buffer) : 0;
    return std::string(buffer, length);
}

} // namespace formstest
