// The control panel's windows and the boxes a user meets with it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GalleryShot.h"
#include "WinTestSupport.h"
#include "basVersion.h"

namespace gallery {
namespace {

class ControlPanel : public Gallery {
  protected:
    HWND StartPanel() { return StartForm(basVersion::ControlPanelFile, "frmMain"); }
};

// Corners of the screen, touched and lifted in turn: a whole calibration run.
sim::Samples Corners() {
    using sim::TouchAndLift;
    using sim::operator+;
    return sim::NoTouchAtStart() + TouchAndLift(100, 80) + TouchAndLift(900, 80) +
           TouchAndLift(900, 700) + TouchAndLift(100, 700);
}

TEST_F(ControlPanel, MainWindowAndPages) {
    HWND main = StartPanel();
    ASSERT_TRUE(Shoot(main, "controlpanel"));
    // Pages that come back to the main window when closed by their Cancel.
    struct Page {
        const char* button;
        const char* form;
        const char* name;
    };
    std::vector<Page> pages = {
        {"cmdVirtualButton", "frmVirtualButton", "page-virtualbutton"},
        {"cmdFeedbackSound", "frmFeedbackSound", "page-feedbacksound"},
        // Its row is never shown; the picture is taken all the same.
        {"cmdSensivitity", "frmSensitivity", "page-sensitivity"},
    };
    // The PS/2 build has a mouse speed row instead of the power save row;
    // the serial build opens the mouse speed page by Ctrl+K (below).
    if (basVersion::IsPs2Build)
        pages.push_back({"cmdMouseSpeed", "frmMouseSpeed", "page-mousespeed"});
    else
        pages.push_back({"cmdSleepTime", "frmSleepTime", "page-powersave"});
    for (const Page& page : pages) {
        HWND window = Open(main, page.button, page.form);
        EXPECT_TRUE(Shoot(window, page.name)) << page.form;
        if (window) {
            e2e::ClickButton(e2e::WaitForControl(window, "cmdCandel"));
            EXPECT_TRUE(e2e::WaitForVisible(main, true)) << "back from " << page.form;
        }
    }
}

// Large Fonts (120 DPI) for the programs started while it lives: each reads
// the resolution as it starts. The prefix's own value comes back at the end.
class LargeFonts {
  public:
    LargeFonts() {
        if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                            KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS) {
            key_ = nullptr;
            ADD_FAILURE() << "the desktop settings cannot be written";
            return;
        }
        DWORD type = REG_NONE, size = sizeof saved_;
        hadValue_ = RegQueryValueExA(key_, Name, nullptr, &type, reinterpret_cast<BYTE*>(&saved_),
                                     &size) == ERROR_SUCCESS &&
                    type == REG_DWORD;
        const DWORD dpi = 120;
        EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key_, Name, 0, REG_DWORD,
                                                reinterpret_cast<const BYTE*>(&dpi), sizeof dpi));
    }
    ~LargeFonts() {
        if (!key_)
            return;
        if (hadValue_)
            RegSetValueExA(key_, Name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&saved_),
                           sizeof saved_);
        else
            RegDeleteValueA(key_, Name);
        RegCloseKey(key_);
    }
    LargeFonts(const LargeFonts&) = delete;
    LargeFonts& operator=(const LargeFonts&) = delete;

  private:
    static constexpr const char* Name = "LogPixels";
    HKEY key_ = nullptr;
    DWORD saved_ = 0;
    bool hadValue_ = false;
};

TEST_F(ControlPanel, MainWindowAndTwoPagesInLargeFonts) {
    LargeFonts large;
    HWND main = StartPanel();
    ASSERT_TRUE(Shoot(main, "controlpanel-120dpi"));
    // The page with the most labels, and the tallest one.
    const struct {
        const char* button;
        const char* form;
        const char* name;
    } pages[] = {{"cmdVirtualButton", "frmVirtualButton", "page-virtualbutton-120dpi"},
                 {"cmdFeedbackSound", "frmFeedbackSound", "page-feedbacksound-120dpi"}};
    for (const auto& page : pages) {
        HWND window = Open(main, page.button, page.form);
        EXPECT_TRUE(Shoot(window, page.name)) << page.form;
        if (window) {
            e2e::ClickButton(e2e::WaitForControl(window, "cmdCandel"));
            EXPECT_TRUE(e2e::WaitForVisible(main, true)) << "back from " << page.form;
        }
    }
}

TEST_F(ControlPanel, SerialBuildsMouseSpeedAndPortWindows) {
    if (basVersion::IsPs2Build)
        GTEST_SKIP() << "the serial build's windows";
    HWND main = StartPanel();
    ASSERT_TRUE(main);
    {
        e2e::HeldModifiers held(main, e2e::Ctrl);
        e2e::PressKey(main, 'K', e2e::Ctrl);
        HWND page = e2e::WaitForForm(LastId(), "frmMouseSpeed");
        EXPECT_TRUE(Shoot(page, "page-mousespeed"));
        if (page)
            e2e::ClickButton(e2e::WaitForControl(page, "cmdCandel"));
    }
    ASSERT_TRUE(e2e::WaitForVisible(main, true));
    HWND ports = Open(main, "cmdSerialPort", "frmSerialPort");
    EXPECT_TRUE(Shoot(ports, "serialport"));
    EXPECT_TRUE(Shoot(Open(ports, "cmdSetup", "frmCOMxSet"), "comxset"));
}

TEST_F(ControlPanel, HiddenWindows) {
    HWND main = StartPanel();
    ASSERT_TRUE(main);
    const struct {
        const char* button;
        const char* form;
        const char* name;
        const char* close;
    } hidden[] = {
        {"cmdExit", "frmTest", "drawtest", "cmdExit"},
        {"cmdSerialPort", "frmMcuInfo", "mcuinfo", "cmdOK"},
    };
    for (const auto& window : hidden) {
        // The PS/2 build never shows its serial port button.
        if (basVersion::IsPs2Build && std::string(window.button) == "cmdSerialPort")
            continue;
        HWND button = e2e::WaitForControl(main, window.button);
        ASSERT_TRUE(button);
        HWND opened = nullptr;
        {
            // The hidden gesture: the middle button with Ctrl and Alt held.
            e2e::HeldModifiers held(main, e2e::Ctrl | e2e::Alt);
            e2e::MousePress(button, e2e::MouseButton::Middle, e2e::Ctrl);
            opened = e2e::WaitForForm(LastId(), window.form);
            EXPECT_TRUE(Shoot(opened, window.name)) << window.form;
        }
        ASSERT_TRUE(opened);
        e2e::ClickButton(e2e::WaitForControl(opened, window.close));
        ASSERT_TRUE(e2e::WaitForVisible(main, true)) << "back from " << window.form;
    }
}

TEST_F(ControlPanel, CalibrationAndItsQuestions) {
    HWND main = StartPanel();
    ASSERT_TRUE(main);
    HWND calibration = Open(main, "cmdCalibration", "frmCalibration");
    ASSERT_TRUE(e2e::WaitForRequests(Sim(), IOCTL_GetTouchStatus, 0, 3));
    EXPECT_TRUE(Shoot(calibration, "calibration"));
    e2e::PressKey(e2e::WaitForControl(calibration, "picCalibration"), VK_ESCAPE);
    const e2e::MessageBoxInfo question = ShootMessageBox(LastId(), "box-calibration-break");
    ASSERT_TRUE(e2e::AnswerMessageBox(question, IDYES));
    ASSERT_TRUE(e2e::WaitForVisible(main, true));

    // Runs fed with touches: the box at the end is awaited, not the window,
    // which a quick run may already have left.
    using sim::TouchAndLift;
    using sim::operator+;
    const struct {
        sim::Samples touches;
        const char* box;
        int answer;
    } runs[] = {
        {Corners(), "box-calibration-complete", IDYES},
        // Touches that fit no mounting of the panel.
        {sim::NoTouchAtStart() + TouchAndLift(100, 600) + TouchAndLift(900, 600) +
             TouchAndLift(900, 700) + TouchAndLift(100, 700),
         "box-calibration-direction", IDOK},
    };
    for (const auto& run : runs) {
        ASSERT_TRUE(e2e::WaitForVisible(main, true));
        ASSERT_TRUE(Sim().QueueTouch(run.touches));
        e2e::ClickButton(e2e::WaitForControl(main, "cmdCalibration"));
        EXPECT_TRUE(e2e::AnswerMessageBox(ShootMessageBox(LastId(), run.box), run.answer));
    }
}

TEST_F(ControlPanel, About) {
    HWND main = StartPanel();
    ASSERT_TRUE(main);
    EXPECT_TRUE(Shoot(Open(main, "cmdSupport", "frmAbout"), "about"));
}

TEST_F(ControlPanel, SupportWithTheResellersPicture) {
    const std::string picture =
        UseInstallFolder(std::string("gallery_") + basVersion::BuildLetter) + "\\" +
        basVersion::VenderBitmapFile;
    // A reseller's card: a blue band over white, wide enough for the title.
    wintest::WriteBitmapFile(picture, 400, 150, [](int, int y) {
        return y < 40 || y >= 140 ? RGB(0, 0, 128) : RGB(255, 255, 255);
    });
    HWND main = StartPanel();
    EXPECT_TRUE(Shoot(Open(main, "cmdSupport", "frmSupport"), "support"));
    DeleteFileA(picture.c_str());
}

TEST_F(ControlPanel, NoController) {
    ASSERT_TRUE(Sim().SetPresent(false));
    const DWORD id = Start(basVersion::ControlPanelFile).Id();
    e2e::AnswerMessageBox(ShootMessageBox(id, "box-controller-not-found"), IDOK);
}

TEST_F(ControlPanel, NoDriver) {
    StopDriver();
    const DWORD id = Start(basVersion::ControlPanelFile).Id();
    e2e::AnswerMessageBox(ShootMessageBox(id, "box-driver-missing"), IDOK);
}

TEST_F(ControlPanel, NoInstallation) {
    e2e::ClearSettingsKey();
    const DWORD id = Start(basVersion::ControlPanelFile).Id();
    e2e::AnswerMessageBox(ShootMessageBox(id, "box-no-installation"), IDOK);
}

} // namespace
} // namespace gallery
