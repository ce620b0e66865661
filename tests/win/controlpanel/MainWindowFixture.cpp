#include "MainWindowFixture.h"

#include <vector>

#include "BasGlobal.h"
#include "BitmapFile.h"
#include "Settings.h"
#include "basOEM.h"
#include "basVersion.h"
#include "forms/Runtime.h"

namespace cptest {

namespace {

std::string TempFolder() {
    char path[MAX_PATH] = {};
    GetTempPathA(sizeof path, path);
    return path;
}

void SetModifierKeys(int shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = (shift & 1) ? 0x80 : 0;
    keys[VK_CONTROL] = (shift & 2) ? 0x80 : 0;
    keys[VK_MENU] = (shift & 4) ? 0x80 : 0;
    SetKeyboardState(keys);
}

} // namespace

void PutSetting(const std::string& name, const std::string& text) {
    ASSERT_TRUE(e2e::WriteSettingString(name, text)) << name;
}

void PutSetting(const std::string& name, DWORD number) {
    ASSERT_TRUE(e2e::WriteSettingDword(name, number)) << name;
}

void PressMouse(HWND window, int button, int shift) {
    UINT down = WM_LBUTTONDOWN, up = WM_LBUTTONUP;
    WPARAM flags = MK_LBUTTON;
    if (button == 2)
        down = WM_RBUTTONDOWN, up = WM_RBUTTONUP, flags = MK_RBUTTON;
    if (button == 4)
        down = WM_MBUTTONDOWN, up = WM_MBUTTONUP, flags = MK_MBUTTON;
    if (shift & 1)
        flags |= MK_SHIFT;
    if (shift & 2)
        flags |= MK_CONTROL;
    const LPARAM point = MAKELPARAM(5, 5);
    SetModifierKeys(shift);
    SendMessageA(window, down, flags, point);
    SendMessageA(window, up, flags & ~(MK_LBUTTON | MK_RBUTTON | MK_MBUTTON), point);
    SetModifierKeys(0);
    forms::DoEvents();
}

void PressKey(HWND window, int key, int shift) {
    SetModifierKeys(shift);
    SendMessageA(window, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
    SendMessageA(window, WM_KEYUP, static_cast<WPARAM>(key), 0xC0000001);
    SetModifierKeys(0);
    forms::DoEvents();
}

void MainWindowTest::SetUp() {
    wintest::ResetController(sim);
    installDir = TempFolder() + "cptest_" + basVersion::BuildLetter;
    CreateDirectoryA(installDir.c_str(), nullptr);
    for (const char* file :
         {basVersion::LogoFile, basVersion::VenderBitmapFile, basVersion::VenderCutFile})
        RemoveInstallFile(file);

    e2e::Identity identity;
    identity.venderName = VenderName;
    identity.installPath = installDir;
    identity.windowsPath = "C:\\windows";
    identity.systemPath = "C:\\windows\\system32";
    ASSERT_TRUE(e2e::WriteIdentity(identity));
    e2e::DeleteSetting("CalibrationMode");
    basOEM::CalibrationMode = 0;
}

void MainWindowTest::TearDown() {
    const std::vector<forms::Form*> open = forms::Form::LoadedForms();
    for (forms::Form* form : open)
        if (form != &frmMainForm())
            form->Unload();
    frmMainForm().Unload();
    // A test that ended the program leaves the end request for the loop.
    if (forms::EndRequested())
        forms::RunMessageLoop();
    if (BasGlobal::DeviceHandle != INVALID_HANDLE_VALUE)
        BasGlobal::CloseDevice();
    forms::DoEvents();
}

frmMain& MainWindowTest::OpenMain() {
    frmMain& main = frmMainForm();
    EXPECT_TRUE(main.Load()) << "the main window ended the program";
    EXPECT_TRUE(boxes.Boxes().empty()) << "first box: " << boxes.Boxes().front().text;
    main.Show();
    forms::DoEvents();
    return main;
}

DeviceRecord MainWindowTest::CurrentRecord() {
    SimState state = {};
    EXPECT_TRUE(sim.GetState(state));
    return state.Record;
}

void MainWindowTest::PutInstallFile(const std::string& name) {
    // A 16 x 16 blue bitmap, whatever the file's name.
    e2e::WriteBitmapFile(installDir + "\\" + name, 16, 16, [](int, int) { return RGB(0, 0, 255); });
}

void MainWindowTest::RemoveInstallFile(const std::string& name) {
    DeleteFileA((installDir + "\\" + name).c_str());
}

} // namespace cptest
