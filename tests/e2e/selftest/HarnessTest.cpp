// The harness itself, against the stand-in program HarnessProbe.exe built
// beside this test: finding windows and controls, input with modifiers,
// message boxes, processes and the settings key.
#include <string>

#include "E2e.h"
#include "basVersion.h"

namespace {

std::string ProbePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "HarnessProbe.exe";
}

class Harness : public e2e::Scenario {
  protected:
    // Starts the probe and finds its form and button.
    void StartProbe() {
        ASSERT_TRUE(probe_.StartPath(ProbePath()));
        form_ = e2e::WaitForForm(probe_.Id(), "frmProbe");
        ASSERT_TRUE(form_);
        button_ = e2e::WaitForControl(form_, "cmdProbe");
        ASSERT_TRUE(button_);
    }
    // Waits until the probe's log ends with `entry`.
    bool AwaitLog(const std::string& entry) {
        return e2e::WaitUntil(
            [&] {
                const std::string log = e2e::TextOf(form_);
                return log.size() >= entry.size() &&
                       log.compare(log.size() - entry.size(), entry.size(), entry) == 0;
            },
            "\"" + entry + "\" at the end of the probe's log");
    }

    e2e::Program probe_;
    HWND form_ = nullptr;
    HWND button_ = nullptr;
};

TEST_F(Harness, FindsFormsAndControlsByNameAndTitle) {
    StartProbe();
    EXPECT_EQ("frmProbe", e2e::ControlNameOf(form_));
    EXPECT_EQ("cmdProbe", e2e::ControlNameOf(button_));
    EXPECT_EQ(form_, e2e::FindWindowTitled(probe_.Id(), "Probe"));
    EXPECT_EQ(nullptr, e2e::FindForm(probe_.Id(), "frmOther"));
    EXPECT_EQ(nullptr, e2e::FindControl(form_, "cmdOther"));
    EXPECT_EQ(nullptr, e2e::FindForm(GetCurrentProcessId(), "frmProbe")) << "another process";

    std::vector<DWORD> ids = e2e::ProcessIdsNamed("harnessprobe.EXE");
    ASSERT_EQ(1u, ids.size());
    EXPECT_EQ(probe_.Id(), ids[0]);
}

TEST_F(Harness, ClicksPressesAndKeysReachTheHandlersWithTheirModifiers) {
    StartProbe();
    e2e::ClickButton(button_);
    EXPECT_TRUE(AwaitLog(" C"));

    e2e::MousePress(form_, e2e::MouseButton::Right);
    EXPECT_TRUE(AwaitLog(" M2/0"));
    e2e::PressKey(form_, 'Q');
    EXPECT_TRUE(AwaitLog(" K81/0"));
    {
        e2e::HeldModifiers held(form_, e2e::Ctrl | e2e::Alt);
        e2e::MousePress(form_, e2e::MouseButton::Middle, e2e::Ctrl);
        EXPECT_TRUE(AwaitLog(" M4/6"));
    }
    {
        e2e::HeldModifiers held(form_, e2e::Ctrl);
        e2e::PressKey(form_, 'K', e2e::Ctrl);
        EXPECT_TRUE(AwaitLog(" K17/2 K75/2")) << "Ctrl down, then K with Ctrl held";
    }
    e2e::PressKey(form_, 'K');
    EXPECT_TRUE(AwaitLog(" K75/0")) << "modifiers released";
}

TEST_F(Harness, ReadsAndAnswersAMessageBox) {
    e2e::Program asking;
    ASSERT_TRUE(asking.StartPath(ProbePath(), SW_SHOWNORMAL, "ask"));
    e2e::MessageBoxInfo box = e2e::WaitForMessageBox(asking.Id());
    ASSERT_TRUE(box.window);
    EXPECT_EQ("Probe question", box.title);
    EXPECT_EQ("Go on?", box.text);
    EXPECT_TRUE(box.hasYes && box.hasNo);
    EXPECT_FALSE(box.hasOk || box.hasCancel);
    EXPECT_TRUE(box.hasIcon);
    EXPECT_FALSE(box.topmost) << "not system-modal";
    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDNO));
    ASSERT_TRUE(asking.WaitForExit());
    EXPECT_EQ(DWORD(IDNO), asking.ExitCode());
}

TEST_F(Harness, EndsAdoptedProcesses) {
    StartProbe();
    e2e::Program adopted;
    ASSERT_TRUE(adopted.Adopt(probe_.Id()));
    adopted.End();
    EXPECT_FALSE(probe_.IsRunning());
}

TEST_F(Harness, PreparesTheSettingsKeyOfThisBuild) {
    EXPECT_EQ(std::string("SOFTWARE\\Orvalith\\TouchScreen\\") + basVersion::ProductLabel,
              e2e::SettingsKeyName());
    std::string value;
    ASSERT_TRUE(e2e::ReadSettingString("InstallPath", value));
    EXPECT_EQ(e2e::DeliverDir(), value);
    EXPECT_EQ("Z:\\", value.substr(0, 3));
    EXPECT_EQ(std::string::npos, value.find('/'));
    ASSERT_TRUE(e2e::ReadSettingString("HardwareID", value));
    EXPECT_EQ(basVersion::HardwareId, value);
    for (const char* name : {"VenderName", "VenderStyle", "WindowsPath", "SystemPath"})
        EXPECT_TRUE(e2e::ReadSettingString(name, value)) << name;

    ASSERT_TRUE(e2e::WriteSettingDword("CalibrationMode", 1));
    DWORD number = 0;
    EXPECT_TRUE(e2e::ReadSettingDword("CalibrationMode", number));
    EXPECT_EQ(1u, number);
    EXPECT_FALSE(e2e::ReadSettingString("CalibrationMode", value)) << "a number is no text";

    e2e::ClearSettingsKey();
    EXPECT_FALSE(e2e::ReadSettingString("InstallPath", value));
    EXPECT_FALSE(e2e::ReadSettingDword("CalibrationMode", number));
}

} // namespace
