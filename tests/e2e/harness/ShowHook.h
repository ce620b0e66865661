// What the show hook (ShowHook.dll, inside the watched programs) and the show
// watch (in the test) agree on.
#pragma once

#include <windows.h>

// The message-only windows of the watches.
constexpr const char* ShowWatchClass = "TsShowWatch";
// Posted to them for each top-level window being shown: wParam the window,
// lParam the id of its process.
constexpr UINT ShownMessage = WM_APP + 1;
// The export that sets the hook for the calling thread; the hook ends with
// that thread or with UnhookWindowsHookEx.
constexpr const char* StartShowHookExport = "StartShowHook";
