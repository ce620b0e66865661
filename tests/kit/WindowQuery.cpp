#include "WindowQuery.h"

#include "Failure.h"

namespace e2e {

namespace {

const char* const ControlNameProperty = "TsControlName";
const char* const MessageBoxClass = "#32770";

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

HWND FirstTopLevel(DWORD processId, bool (*matches)(HWND, const std::string&),
                   const std::string& key) {
    for (HWND window : TopLevelWindowsOf(processId))
        if (matches(window, key))
            return window;
    return nullptr;
}

bool HasFormName(HWND window, const std::string& name) {
    return ControlNameOf(window) == name;
}

bool HasTitle(HWND window, const std::string& title) {
    return ClassOf(window) != MessageBoxClass && TextOf(window) == title;
}

} // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    std::vector<HWND> all, own;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    for (HWND window : all) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId)
            own.push_back(window);
    }
    return own;
}

std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string ControlNameOf(HWND window) {
    ATOM atom =
        static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropA(window, ControlNameProperty)));
    if (!atom)
        return std::string();
    char name[256] = {};
    UINT length = GlobalGetAtomNameA(atom, name, sizeof name);
    return std::string(name, length);
}

HWND FindForm(DWORD processId, const std::string& formName) {
    return FirstTopLevel(processId, HasFormName, formName);
}

HWND FindWindowTitled(DWORD processId, const std::string& title) {
    return FirstTopLevel(processId, HasTitle, title);
}

HWND WaitForForm(DWORD processId, const std::string& formName, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindForm(processId, formName)) != nullptr; },
              "form " + formName + " of process " + std::to_string(processId), timeoutMs);
    return found;
}

HWND WaitForWindowTitled(DWORD processId, const std::string& title, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowTitled(processId, title)) != nullptr; },
              "a window titled \"" + title + "\" of process " + std::to_string(processId),
              timeoutMs);
    return found;
}

HWND FindControl(HWND form, const std::string& controlName) {
    std::vector<HWND> children;
    EnumChildWindows(form, CollectWindow, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children)
        if (ControlNameOf(child) == controlName)
            return child;
    return nullptr;
}

HWND WaitForControl(HWND form, const std::string& controlName, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindControl(form, controlName)) != nullptr; },
              "control " + controlName + " in " + ControlNameOf(form), timeoutMs);
    return found;
}

bool WaitForVisible(HWND window, bool visible, DWORD timeoutMs) {
    std::string name = ControlNameOf(window);
    if (name.empty())
        name = "window \"" + TextOf(window) + "\"";
    return WaitUntil([&] { return (IsWindowVisible(window) != FALSE) == visible; },
                     name + (visible ? " to be visible" : " to be hidden"), timeoutMs);
}

bool WaitForGone(HWND window, DWORD timeoutMs) {
    return WaitUntil([&] { return !IsWindow(window); },
                     "window \"" + TextOf(window) + "\" to be destroyed", timeoutMs);
}

RECT WindowRectOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect = {};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool IsTopmost(HWND window) {
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

} // namespace e2e
