#include "PagesScenario.h"

#include "basVersion.h"

namespace pagese2e {

namespace {

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    EXPECT_TRUE(e2e::SendWithin(window, message, wParam, lParam, &result))
        << "message 0x" << std::hex << message << " not handled";
    return result;
}

} // namespace

void PagesScenario::Preset(const std::function<void(DeviceRecord&)>& edit) {
    SimState state = e2e::ReadState(Sim());
    edit(state.Record);
    ASSERT_TRUE(Sim().PresetRecord(state.Record));
}

HWND PagesScenario::StartControlPanel() {
    panel_ = &Start(basVersion::ControlPanelFile);
    HWND main = e2e::WaitForForm(panel_->Id(), "frmMain");
    if (!main || !e2e::WaitForVisible(main, true))
        return nullptr;
    return main;
}

HWND PagesScenario::OpenPage(const std::function<void(DeviceRecord&)>& edit, const char* button,
                             const char* form) {
    Preset(edit);
    main_ = HasFatalFailure() ? nullptr : StartControlPanel();
    return main_ ? OpenFrom(main_, button, form) : nullptr;
}

HWND PagesScenario::AwaitForm(const char* form) {
    HWND window = e2e::WaitForForm(panel_->Id(), form);
    if (window && !e2e::WaitForVisible(window, true))
        return nullptr;
    return window;
}

HWND PagesScenario::OpenFrom(HWND window, const char* button, const char* form) {
    Click(window, button);
    return AwaitForm(form);
}

HWND Find(HWND form, const std::string& name) {
    return e2e::WaitForControl(form, name);
}

std::string Text(HWND form, const std::string& name) {
    return e2e::TextOf(Find(form, name));
}

bool Enabled(HWND form, const std::string& name) {
    return IsWindowEnabled(Find(form, name)) != FALSE;
}

bool Checked(HWND form, const std::string& name) {
    return SendMessageA(Find(form, name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Click(HWND form, const std::string& name) {
    Send(Find(form, name), BM_CLICK, 0, 0);
}

// As the bar reports a drag to its container: moving, then let go.
void DragThumb(HWND form, const std::string& bar, int position) {
    HWND window = Find(form, bar);
    for (int code : {SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL})
        Send(GetParent(window), WM_HSCROLL, MAKEWPARAM(code, position),
             reinterpret_cast<LPARAM>(window));
}

// As the list reports a choice to its container.
void Choose(HWND form, const std::string& list, int index) {
    HWND window = Find(form, list);
    Send(window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Send(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), CBN_SELCHANGE),
         reinterpret_cast<LPARAM>(window));
}

int ListIndex(HWND form, const std::string& list) {
    return static_cast<int>(SendMessageA(Find(form, list), CB_GETCURSEL, 0, 0));
}

// Asked in wide characters: Wine hands an item of another process's list
// to SendMessageA unconverted.
std::vector<std::string> Items(HWND form, const std::string& list) {
    HWND window = Find(form, list);
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageW(window, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t wide[64] = {};
        SendMessageW(window, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        char text[64] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        items.push_back(text);
    }
    return items;
}

} // namespace pagese2e
