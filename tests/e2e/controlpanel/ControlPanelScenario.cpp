#include "ControlPanelScenario.h"

#include "basVersion.h"

namespace cptest {

namespace {

int ScreenDpi(int axis) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace

int PixelsX(int twips) {
    return MulDiv(twips, ScreenDpi(LOGPIXELSX), 1440);
}
int PixelsY(int twips) {
    return MulDiv(twips, ScreenDpi(LOGPIXELSY), 1440);
}

RECT PlaceInForm(HWND control) {
    RECT place = e2e::WindowRectOf(control);
    MapWindowPoints(HWND_DESKTOP, GetAncestor(control, GA_ROOT), reinterpret_cast<POINT*>(&place),
                    2);
    return place;
}

void ControlPanelScenario::SetUp() {
    e2e::Scenario::SetUp();
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    installDir_ = std::string(temp) + "cpe2e_" + basVersion::BuildLetter;
    CreateDirectoryA(installDir_.c_str(), nullptr);
    for (const char* file :
         {basVersion::LogoFile, basVersion::VenderBitmapFile, basVersion::VenderCutFile})
        RemoveInstallFile(file);
}

void ControlPanelScenario::TearDown() {
    e2e::Scenario::TearDown();
    for (const char* file :
         {basVersion::LogoFile, basVersion::VenderBitmapFile, basVersion::VenderCutFile})
        RemoveInstallFile(file);
}

void ControlPanelScenario::UseInstallFolder() {
    e2e::Identity identity;
    identity.installPath = installDir_;
    e2e::PrepareSettingsKey(identity);
}

void ControlPanelScenario::PutInstallFile(const std::string& name) {
    const std::string path = installDir_ + "\\" + name;
    // Only looked for, never read, by the scenarios that use them.
    const char bitmap[] = "BM";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << path;
    DWORD written = 0;
    WriteFile(file, bitmap, sizeof bitmap - 1, &written, nullptr);
    CloseHandle(file);
}

void ControlPanelScenario::RemoveInstallFile(const std::string& name) {
    DeleteFileA((installDir_ + "\\" + name).c_str());
}

HWND ControlPanelScenario::StartPanel() {
    panel_ = &Start(basVersion::ControlPanelFile);
    main_ = e2e::WaitForForm(panel_->Id(), "frmMain");
    if (!main_ || !e2e::WaitForVisible(main_, true))
        return nullptr;
    EXPECT_TRUE(e2e::MessageBoxesOf(panel_->Id()).empty()) << "a box at a normal start";
    return main_;
}

HWND ControlPanelScenario::Control(const std::string& name) {
    HWND control = main_ ? e2e::FindControl(main_, name) : nullptr;
    EXPECT_TRUE(control) << "no control " << name << " on the main window";
    return control;
}

void ControlPanelScenario::ExpectStartFailure(const std::string& text) {
    e2e::Program& panel = Start(basVersion::ControlPanelFile);
    e2e::MessageBoxInfo box = e2e::WaitForMessageBox(panel.Id());
    ASSERT_TRUE(box.window);
    EXPECT_EQ(basVersion::ControlPanelTitle, box.title);
    EXPECT_EQ(text, box.text);
    EXPECT_TRUE(box.hasOk && !box.hasCancel && !box.hasYes && !box.hasNo) << "OK only";
    EXPECT_TRUE(box.hasIcon) << "the error icon";
    EXPECT_TRUE(box.topmost) << "system-modal";
    HWND main = e2e::FindForm(panel.Id(), "frmMain");
    EXPECT_FALSE(main && IsWindowVisible(main)) << "no main window beside the message";

    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(panel.WaitForExit()) << "the program ends after the message";
}

} // namespace cptest
