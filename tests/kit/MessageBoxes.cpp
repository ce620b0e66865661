#include "MessageBoxes.h"

#include "Failure.h"
#include "WindowQuery.h"

namespace e2e {

namespace {

const int MessageTextId = 0xFFFF;

bool VisibleButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    return button && IsWindowVisible(button);
}

BOOL CALLBACK FindIcon(HWND child, LPARAM found) {
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (ClassOf(child) == "Static" && (style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child)) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

} // namespace

MessageBoxInfo ReadMessageBox(HWND box) {
    MessageBoxInfo info;
    info.window = box;
    info.title = TextOf(box);
    char text[2048] = {};
    GetDlgItemTextA(box, MessageTextId, text, sizeof text);
    info.text = text;
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&info.hasIcon));
    info.topmost = IsTopmost(box);
    info.hasOk = VisibleButton(box, IDOK);
    info.hasCancel = VisibleButton(box, IDCANCEL);
    info.hasYes = VisibleButton(box, IDYES);
    info.hasNo = VisibleButton(box, IDNO);
    return info;
}

std::vector<MessageBoxInfo> MessageBoxesOf(DWORD processId) {
    std::vector<MessageBoxInfo> boxes;
    for (HWND window : TopLevelWindowsOf(processId))
        if (ClassOf(window) == "#32770" && IsWindowVisible(window))
            boxes.push_back(ReadMessageBox(window));
    return boxes;
}

MessageBoxInfo WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    MessageBoxInfo found;
    WaitUntil(
        [&] {
            std::vector<MessageBoxInfo> boxes = MessageBoxesOf(processId);
            if (boxes.empty())
                return false;
            found = boxes.front();
            return true;
        },
        "a message box of process " + std::to_string(processId), timeoutMs);
    return found;
}

bool AnswerMessageBox(const MessageBoxInfo& box, int buttonId) {
    HWND button = GetDlgItem(box.window, buttonId);
    if (!button || !IsWindowVisible(button)) {
        KIT_FAILURE() << "the message box \"" << box.title << "\" has no button " << buttonId;
        return false;
    }
    PostMessageA(button, BM_CLICK, 0, 0);
    return WaitForGone(box.window);
}

} // namespace e2e
