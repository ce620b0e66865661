#include "MainWindowFixture.h"

#include <vector>

#include "BasGlobal.h"
#include "basOEM.h"
#include "basVersion.h"
#include "forms/Runtime.h"

namespace cptest {

namespace {

class SettingsKey {
  public:
    SettingsKey() {
        if (RegCreateKeyA(HKEY_LOCAL_MACHINE, SettingsKeyName().c_str(), &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~SettingsKey() {
        if (key_)
            RegCloseKey(key_);
    }
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

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

std::string SettingsKeyName() {
    return std::string(basVersion::SettingsKeyPath) + "\\" + basVersion::SettingsSubkey;
}

void PutSetting(const std::string& name, const std::string& text) {
    SettingsKey key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(text.c_str()), text.size() + 1))
        << name;
}

void PutSetting(const std::string& name, DWORD number) {
    SettingsKey key;
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.get(), name.c_str(), 0, REG_DWORD,
                                            reinterpret_cast<const BYTE*>(&number), sizeof number))
        << name;
}

void DeleteSetting(const std::string& name) {
    SettingsKey key;
    RegDeleteValueA(key.get(), name.c_str());
}

bool GetDwordSetting(const std::string& name, DWORD& number) {
    SettingsKey key;
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return false;
    number = value;
    return true;
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

    PutSetting("VenderName", VenderName);
    PutSetting("VenderStyle", "");
    PutSetting("InstallPath", installDir);
    PutSetting("WindowsPath", "C:\\windows");
    PutSetting("SystemPath", "C:\\windows\\system32");
    PutSetting("HardwareID", basVersion::HardwareId);
    DeleteSetting("CalibrationMode");
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
    wintest::WriteBitmapFile(installDir + "\\" + name, 16, 16,
                             [](int, int) { return RGB(0, 0, 255); });
}

void MainWindowTest::RemoveInstallFile(const std::string& name) {
    DeleteFileA((installDir + "\\" + name).c_str());
}

} // namespace cptest
