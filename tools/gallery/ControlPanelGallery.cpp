// The control panel's windows and the boxes a user meets with it.
#include <cstdio>
#include <string>
#include <vector>

#include "GalleryShot.h"
#include "basVersion.h"

namespace gallery {
namespace {

HWND StartPanel(Gallery& g) {
    return g.StartForm(basVersion::ControlPanelFile, "frmMain");
}

// Corners of the screen, touched and lifted in turn: a whole calibration run.
sim::Samples Corners() {
    using sim::TouchAndLift;
    using sim::operator+;
    return sim::NoTouchAtStart() + TouchAndLift(100, 80) + TouchAndLift(900, 80) +
           TouchAndLift(900, 700) + TouchAndLift(100, 700);
}

void MainWindowAndPages(Gallery& g) {
    HWND main = StartPanel(g);
    if (!Shoot(main, "controlpanel"))
        return;
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
        HWND window = g.Open(main, page.button, page.form);
        Shoot(window, page.name);
        if (window) {
            e2e::ClickButton(e2e::WaitForControl(window, "cmdCandel"));
            e2e::Check(std::string("back from ") + page.form, e2e::WaitForVisible(main, true));
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
            KIT_FAILURE() << "the desktop settings cannot be written";
            return;
        }
        DWORD type = REG_NONE, size = sizeof saved_;
        hadValue_ = RegQueryValueExA(key_, Name, nullptr, &type, reinterpret_cast<BYTE*>(&saved_),
                                     &size) == ERROR_SUCCESS &&
                    type == REG_DWORD;
        const DWORD dpi = 120;
        e2e::Check("Large Fonts set",
                   RegSetValueExA(key_, Name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                                  sizeof dpi) == ERROR_SUCCESS);
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

void MainWindowAndTwoPagesInLargeFonts(Gallery& g) {
    LargeFonts large;
    HWND main = StartPanel(g);
    if (!Shoot(main, "controlpanel-120dpi"))
        return;
    // The page with the most labels, and the tallest one.
    const struct {
        const char* button;
        const char* form;
        const char* name;
    } pages[] = {{"cmdVirtualButton", "frmVirtualButton", "page-virtualbutton-120dpi"},
                 {"cmdFeedbackSound", "frmFeedbackSound", "page-feedbacksound-120dpi"}};
    for (const auto& page : pages) {
        HWND window = g.Open(main, page.button, page.form);
        Shoot(window, page.name);
        if (window) {
            e2e::ClickButton(e2e::WaitForControl(window, "cmdCandel"));
            e2e::Check(std::string("back from ") + page.form, e2e::WaitForVisible(main, true));
        }
    }
}

void SerialBuildsMouseSpeedAndPortWindows(Gallery& g) {
    if (basVersion::IsPs2Build) {
        printf("  (the serial build's windows)\n");
        return;
    }
    HWND main = StartPanel(g);
    if (!e2e::Check("main window shown", main != nullptr))
        return;
    {
        e2e::HeldModifiers held(main, e2e::Ctrl);
        e2e::PressKey(main, 'K', e2e::Ctrl);
        HWND page = e2e::WaitForForm(g.LastId(), "frmMouseSpeed");
        Shoot(page, "page-mousespeed");
        if (page)
            e2e::ClickButton(e2e::WaitForControl(page, "cmdCandel"));
    }
    if (!e2e::Check("back from frmMouseSpeed", e2e::WaitForVisible(main, true)))
        return;
    HWND ports = g.Open(main, "cmdSerialPort", "frmSerialPort");
    Shoot(ports, "serialport");
    Shoot(g.Open(ports, "cmdSetup", "frmCOMxSet"), "comxset");
}

void HiddenWindows(Gallery& g) {
    HWND main = StartPanel(g);
    if (!e2e::Check("main window shown", main != nullptr))
        return;
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
        if (!e2e::Check(std::string("button ") + window.button, button != nullptr))
            return;
        HWND opened = nullptr;
        {
            // The hidden gesture: the middle button with Ctrl and Alt held.
            e2e::HeldModifiers held(main, e2e::Ctrl | e2e::Alt);
            e2e::MousePress(button, e2e::MouseButton::Middle, e2e::Ctrl);
            opened = e2e::WaitForForm(g.LastId(), window.form);
            Shoot(opened, window.name);
        }
        if (!opened)
            return;
        e2e::ClickButton(e2e::WaitForControl(opened, window.close));
        if (!e2e::Check(std::string("back from ") + window.form, e2e::WaitForVisible(main, true)))
            return;
    }
}

void CalibrationAndItsQuestions(Gallery& g) {
    HWND main = StartPanel(g);
    if (!e2e::Check("main window shown", main != nullptr))
        return;
    HWND calibration = g.Open(main, "cmdCalibration", "frmCalibration");
    if (!e2e::Check("the calibration polls the touch status",
                    e2e::WaitForRequests(g.Sim(), IOCTL_GetTouchStatus, 0, 3)))
        return;
    Shoot(calibration, "calibration");
    e2e::PressKey(e2e::WaitForControl(calibration, "picCalibration"), VK_ESCAPE);
    const e2e::MessageBoxInfo question = ShootMessageBox(g.LastId(), "box-calibration-break");
    if (!e2e::Check("question answered Yes", e2e::AnswerMessageBox(question, IDYES)) ||
        !e2e::Check("back from the calibration", e2e::WaitForVisible(main, true)))
        return;

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
        if (!e2e::Check("main window shown", e2e::WaitForVisible(main, true)) ||
            !e2e::Check("touches queued", g.Sim().QueueTouch(run.touches)))
            return;
        e2e::ClickButton(e2e::WaitForControl(main, "cmdCalibration"));
        e2e::Check(std::string(run.box) + " answered",
                   e2e::AnswerMessageBox(ShootMessageBox(g.LastId(), run.box), run.answer));
    }
}

void About(Gallery& g) {
    HWND main = StartPanel(g);
    if (e2e::Check("main window shown", main != nullptr))
        Shoot(g.Open(main, "cmdSupport", "frmAbout"), "about");
}

void SupportWithTheResellersPicture(Gallery& g) {
    const std::string picture =
        g.UseInstallFolder(std::string("gallery_") + basVersion::BuildLetter) + "\\" +
        basVersion::VenderBitmapFile;
    // A reseller's card: a blue band over white, wide enough for the title.
    e2e::WriteBitmapFile(picture, 400, 150, [](int, int y) {
        return y < 40 || y >= 140 ? RGB(0, 0, 128) : RGB(255, 255, 255);
    });
    HWND main = StartPanel(g);
    Shoot(g.Open(main, "cmdSupport", "frmSupport"), "support");
    DeleteFileA(picture.c_str());
}

void NoController(Gallery& g) {
    if (!e2e::Check("controller taken away", g.Sim().SetPresent(false)))
        return;
    const DWORD id = g.Start(basVersion::ControlPanelFile).Id();
    e2e::AnswerMessageBox(ShootMessageBox(id, "box-controller-not-found"), IDOK);
}

void NoDriver(Gallery& g) {
    g.StopDriver();
    const DWORD id = g.Start(basVersion::ControlPanelFile).Id();
    e2e::AnswerMessageBox(ShootMessageBox(id, "box-driver-missing"), IDOK);
}

void NoInstallation(Gallery& g) {
    e2e::ClearSettingsKey();
    const DWORD id = g.Start(basVersion::ControlPanelFile).Id();
    e2e::AnswerMessageBox(ShootMessageBox(id, "box-no-installation"), IDOK);
}

} // namespace

std::vector<e2e::Step> ControlPanelScenes() {
    return {
        OnStage("ControlPanel.MainWindowAndPages", MainWindowAndPages),
        OnStage("ControlPanel.MainWindowAndTwoPagesInLargeFonts",
                MainWindowAndTwoPagesInLargeFonts),
        OnStage("ControlPanel.SerialBuildsMouseSpeedAndPortWindows",
                SerialBuildsMouseSpeedAndPortWindows),
        OnStage("ControlPanel.HiddenWindows", HiddenWindows),
        OnStage("ControlPanel.CalibrationAndItsQuestions", CalibrationAndItsQuestions),
        OnStage("ControlPanel.About", About),
        OnStage("ControlPanel.SupportWithTheResellersPicture", SupportWithTheResellersPicture),
        OnStage("ControlPanel.NoController", NoController),
        OnStage("ControlPanel.NoDriver", NoDriver),
        OnStage("ControlPanel.NoInstallation", NoInstallation),
    };
}

} // namespace gallery
