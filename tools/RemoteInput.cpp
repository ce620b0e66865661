// Opens a window of a running program as a person would, for screenshots:
//   RemoteInput click <form> <control>   clicks the named button of the
//                                        visible form with that name
//   RemoteInput ctrl <form> <letter>     brings the form to the front and
//                                        types Ctrl + the letter
// Waits up to ten seconds for the form and the control; exit code 0 when
// the input was given, 1 when they did not turn up, 2 for a bad command.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "forms/WindowName.h"

namespace {

constexpr DWORD TimeoutMs = 10000;
constexpr DWORD PollMs = 50;

struct Search {
    const char* form;
    HWND found;
};

BOOL CALLBACK MatchForm(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    if (!IsWindowVisible(window) || forms::WindowNameOf(window) != search->form)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND AwaitForm(const char* form) {
    for (DWORD waited = 0; waited < TimeoutMs; waited += PollMs) {
        Search search{form, nullptr};
        EnumWindows(MatchForm, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(PollMs);
    }
    return nullptr;
}

HWND AwaitControl(HWND form, const char* control) {
    for (DWORD waited = 0; waited < TimeoutMs; waited += PollMs) {
        HWND found = forms::FindNamedWindow(form, control);
        if (found && IsWindowEnabled(found))
            return found;
        Sleep(PollMs);
    }
    return nullptr;
}

void Key(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

int TypeCtrl(HWND form, char letter) {
    SetForegroundWindow(form);
    Key(VK_CONTROL, false);
    Key(static_cast<WORD>(letter), false);
    Key(static_cast<WORD>(letter), true);
    Key(VK_CONTROL, true);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 || (strcmp(argv[1], "click") != 0 && strcmp(argv[1], "ctrl") != 0)) {
        fprintf(stderr, "usage: RemoteInput click <form> <control> | ctrl <form> <letter>\n");
        return 2;
    }
    HWND form = AwaitForm(argv[2]);
    if (!form) {
        fprintf(stderr, "RemoteInput: no visible form %s\n", argv[2]);
        return 1;
    }
    if (strcmp(argv[1], "ctrl") == 0)
        return TypeCtrl(form, argv[3][0]);
    HWND control = AwaitControl(form, argv[3]);
    if (!control) {
        fprintf(stderr, "RemoteInput: no enabled %s on %s\n", argv[3], argv[2]);
        return 1;
    }
    PostMessageA(control, BM_CLICK, 0, 0);
    return 0;
}
