#include "PagesTestSupport.h"

#include "BasGlobal.h"
#include "BitmapFile.h"
#include "Settings.h"
#include "WinTestSupport.h"
#include "forms/Runtime.h"
#include "frmMain.h"

namespace pagestest {

namespace {

// The identity the distributor's setup would have written, with an install
// folder that holds neither logo nor vendor files.
bool WriteIdentity() {
    e2e::Identity identity;
    identity.venderName = "Pages Test Vendor";
    identity.installPath = InstallFolder();
    identity.windowsPath = "C:\\windows";
    identity.systemPath = "C:\\windows\\system32";
    return e2e::WriteIdentity(identity);
}

void LoadMainWindowOnce() {
    frmMain& main = frmMainForm();
    if (main.IsLoaded())
        return;
    CreateDirectoryA(InstallFolder().c_str(), nullptr);
    ASSERT_TRUE(WriteIdentity());
    wintest::BoxRecorder boxes;
    const bool loaded = main.Load();
    ASSERT_TRUE(loaded) << "the main window did not start"
                        << (boxes.Boxes().empty() ? "" : ": " + boxes.Boxes()[0].text);
    main.Show();
}

void Scroll(forms::HScrollBar& bar, int code, int position) {
    SendMessageA(GetParent(bar.hWnd()), WM_HSCROLL, MAKEWPARAM(code, position),
                 reinterpret_cast<LPARAM>(bar.hWnd()));
}

void Mouse(forms::Label& label, UINT message, WPARAM keys) {
    SendMessageA(label.hWnd(), message, keys, MAKELPARAM(5, 5));
}

} // namespace

std::string InstallFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "TS Pages";
}

void PageTest::SetUp() {
    ASSERT_NO_FATAL_FAILURE(wintest::ResetController(client));
    ASSERT_NO_FATAL_FAILURE(LoadMainWindowOnce());
    // A summary that a page did not write shows this text.
    frmMainForm().lblSensitivity.SetCaption(SummarySentinel);
    frmMainForm().lblSleepTime.SetCaption(SummarySentinel);
    Preset([](DeviceRecord&) {});
}

void PageTest::TearDown() {
    for (forms::Form* form : std::vector<forms::Form*>(forms::Form::LoadedForms()))
        if (form != &frmMainForm())
            form->Unload();
}

void PageTest::Preset(const std::function<void(DeviceRecord&)>& edit) {
    SimState state{};
    ASSERT_TRUE(client.GetState(state));
    DeviceRecord record = state.Record;
    edit(record);
    ASSERT_TRUE(client.PresetRecord(record));
    BasGlobal::GetDeviceRecord();
    journalStart = client.JournalTotal();
}

std::vector<SimJournalEntry> PageTest::Requests(uint32_t code) {
    return client.JournalOf(code, journalStart);
}

DeviceRecord PageTest::DriverRecord() {
    SimState state{};
    EXPECT_TRUE(client.GetState(state));
    return state.Record;
}

void Click(forms::CommandButton& button) {
    if (IsWindowEnabled(button.hWnd()))
        SendMessageA(button.hWnd(), BM_CLICK, 0, 0);
    forms::DoEvents();
}

void DragTo(forms::HScrollBar& bar, int position) {
    Scroll(bar, SB_THUMBTRACK, position);
    Scroll(bar, SB_THUMBPOSITION, position);
    Scroll(bar, SB_ENDSCROLL, 0);
}

void HoldAt(forms::HScrollBar& bar, int position) {
    Scroll(bar, SB_THUMBTRACK, position);
}

void PressOn(forms::Label& label) {
    Mouse(label, WM_LBUTTONDOWN, MK_LBUTTON);
}

void ReleaseOn(forms::Label& label) {
    Mouse(label, WM_LBUTTONUP, 0);
}

void CloseBox(forms::Form& form) {
    SendMessageA(form.hWnd(), WM_CLOSE, 0, 0);
    forms::DoEvents();
}

COLORREF PixelAt(HWND window, int x, int y) {
    forms::DoEvents();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

void WriteBitmap(const std::string& path, int width, int height) {
    e2e::WriteBitmapFile(path, width, height, [](int, int) { return RGB(128, 128, 128); });
}

} // namespace pagestest
