// The controller information, support and about windows, and the way back
// to the main window from every window of this area.
#include <gtest/gtest.h>

#include <cstring>

#include <functional>

#include "PagesTestSupport.h"
#include "basMain.h"
#include "basVersion.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmMcuInfo.h"
#include "frmSensitivity.h"
#include "frmSleepTime.h"
#include "frmSupport.h"

namespace {

using pagestest::Click;

class InformationWindows : public pagestest::PageTest {};

TEST_F(InformationWindows, McuInfoShowsModeVersionAndCodeFromTheRecordRead) {
    const struct {
        uint8_t version;
        const char* text;
    } versions[] = {
        {0x07, "MCU-Version=0.7"}, {0x10, "MCU-Version=1.0"}, {0x1A, "MCU-Version=0.1"}};
    for (const auto& v : versions) {
        Preset([&v](DeviceRecord& record) {
            record.McuMode = 0x0A;
            record.McuVersion = v.version;
            const uint8_t code[McuCodeLength] = {0x1A, 0x2B, 0x3C, 0x4D};
            memcpy(record.McuCode, code, sizeof code);
        });
        frmMcuInfo& window = frmMcuInfoForm();
        window.Show();
        EXPECT_EQ(std::string("MCU-Mode=0A  ") + v.text + "  MCU-Code=1A2B3C4D",
                  window.lblMcuInfo.Caption());
        EXPECT_EQ(frmMainForm().Caption(), window.Caption());
        EXPECT_EQ(frmMainForm().chrome.lblSystem.Caption(), window.chrome.lblSystem.Caption());
        EXPECT_TRUE(client.Journal(journalStart).empty()) << "nothing is read again";
        Click(window.cmdOK);
        EXPECT_FALSE(window.IsLoaded());
    }
}

TEST_F(InformationWindows, SupportWindowIsSizedAroundItsPicture) {
    const int pictureWidth = 200, pictureHeight = 100;
    const std::string path = pagestest::InstallFolder() + "\\Support Test.Bmp";
    pagestest::WriteBitmap(path, pictureWidth, pictureHeight);
    const std::string keptPath = basMain::VenderBitmapPath;
    basMain::VenderBitmapPath = path;

    frmSupport& window = frmSupportForm();
    window.Show();
    basMain::VenderBitmapPath = keptPath;
    DeleteFileA(path.c_str());

    // Margins of 120 twips (8 pixels), a 435-twip (29-pixel) OK button.
    const int margin = 8, buttonHeight = 29;
    RECT client{};
    GetClientRect(window.hWnd(), &client);
    EXPECT_EQ(pictureWidth + 2 * margin, client.right);
    EXPECT_EQ(pictureHeight + 5 * margin + buttonHeight, client.bottom);

    RECT box{}, button{};
    GetWindowRect(window.picSupport.hWnd(), &box);
    GetWindowRect(window.cmdOK.hWnd(), &button);
    MapWindowPoints(HWND_DESKTOP, window.hWnd(), reinterpret_cast<POINT*>(&box), 2);
    MapWindowPoints(HWND_DESKTOP, window.hWnd(), reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(margin, box.left);
    EXPECT_EQ(margin, box.top);
    EXPECT_EQ(margin + pictureWidth, box.right) << "the box takes the picture's size";
    EXPECT_EQ(margin + pictureHeight, box.bottom);
    EXPECT_EQ(3 * margin + pictureHeight, button.top);
    EXPECT_NEAR((client.right - (button.right - button.left)) / 2.0, button.left, 1.0)
        << "OK centred";
    EXPECT_EQ(frmMainForm().Caption(), window.Caption());

    RECT outer{};
    GetWindowRect(window.hWnd(), &outer);
    EXPECT_NEAR(GetSystemMetrics(SM_CXSCREEN) / 2.0, (outer.left + outer.right) / 2.0, 1.0)
        << "centred on the screen";
}

TEST_F(InformationWindows, AboutShowsTheVersionLineAndCopyrightUnderItsOwnTitle) {
    frmAbout& window = frmAboutForm();
    window.Show();
    EXPECT_EQ(" About", window.Caption());
    EXPECT_EQ(std::string("TouchScreen Control Panel Version ") + basVersion::VersionText,
              window.chrome.lblSystem.Caption());
    EXPECT_EQ("Copyright (C) Orvalith", window.lblCopyright.Caption());
    EXPECT_EQ(frmMainForm().chrome.lblOemTitle.Caption(), window.chrome.lblOemTitle.Caption());
    EXPECT_TRUE(window.chrome.lblOemTitle.Visible()) << "no logo in the install folder";
}

TEST_F(InformationWindows, EveryWindowReturnsToTheMainWindowHoweverItCloses) {
    const struct {
        const char* name;
        forms::Form& window;
        std::function<void()> close;
    } cases[] = {
        {"sensitivity by Cancel", frmSensitivityForm(),
         [] { Click(frmSensitivityForm().buttons.cmdCandel); }},
        {"power save by OK", frmSleepTimeForm(), [] { Click(frmSleepTimeForm().buttons.cmdOK); }},
        {"power save by close box", frmSleepTimeForm(),
         [] { pagestest::CloseBox(frmSleepTimeForm()); }},
        {"MCU information by OK", frmMcuInfoForm(), [] { Click(frmMcuInfoForm().cmdOK); }},
        {"support by close box", frmSupportForm(), [] { pagestest::CloseBox(frmSupportForm()); }},
        {"about by OK", frmAboutForm(), [] { Click(frmAboutForm().cmdOK); }},
    };
    frmMain& main = frmMainForm();
    for (const auto& c : cases) {
        main.Hide();
        c.window.Show();
        ASSERT_TRUE(c.window.Visible()) << c.name;
        c.close();
        EXPECT_FALSE(c.window.IsLoaded()) << c.name;
        EXPECT_TRUE(main.Visible()) << c.name;
        EXPECT_EQ(main.hWnd(), GetActiveWindow()) << c.name;
    }
}

} // namespace
