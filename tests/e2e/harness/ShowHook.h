// What the show hook (ShowHook.dll, inside the watched programs) and the show
// watch (in the test) agree on.
#pragma once

#include <windows.h>

// The message-only windows of the watches.
constexpr const char* ShowWatchClass = "TsShowWatch";
// Posted to them for each window being shown, top-level or a control:
// wParam the window, lParam the id of its process.
constexpr UINT ShownMessage = WM_APP + 1;
constexpr UINT ShownControlMessage = WM_APP + 2;
// The export that sets the hook for the calling thread; the hook ends with
// that thread or with UnhookWindowsHookEx.
constexpr const char* StartShowHookExport = "StartShowHook";
