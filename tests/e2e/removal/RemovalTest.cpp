// The removal program from outside: No changes nothing; Yes closes the
// companion programs, runs the uninstaller, schedules the program's own
// deletion and ends the build's way; without the driver it goes on, and an
// uninstaller still at work at the limit of the wait ends it. Each of the
// program's designed pauses is timed once, by the program's own clock.
#include "RemovalScenario.h"
#include "ShowWatch.h"
#include "basVersion.h"

namespace rmtest {
namespace {

using Removal = RemovalScenario;

constexpr int32_t NoWindow = -1;

DWORD Tick(const std::string& text) {
    return static_cast<DWORD>(std::stoul(text));
}

// Milliseconds from one tick to a later one; negative when it was earlier.
int32_t Between(DWORD from, DWORD to) {
    return static_cast<int32_t>(to - from);
}

// The ticks compared come from the programs' and Wine's clocks, which may
// stand a tick apart.
constexpr int32_t ClockSlackMs = 50;

// A system-modal OK box with an icon, titled with the program title.
void ExpectBox(const e2e::MessageBoxInfo& box, const std::string& text) {
    EXPECT_EQ(text, box.text);
    EXPECT_EQ(basVersion::RemovalTitle, box.title);
    EXPECT_TRUE(box.hasIcon && box.topmost && box.hasOk);
    EXPECT_FALSE(box.hasCancel || box.hasYes || box.hasNo);
}

class WithCompanions : public RemovalScenario {
  protected:
    void SetUp() override {
        RemovalScenario::SetUp();
        tool = &Start(basVersion::RightButtonFile, SW_HIDE);
        smi = &Start(basVersion::SmiProgramFile);
        EXPECT_TRUE(e2e::WaitUntil(
            [&] {
                const SimState state = e2e::ReadState(Sim());
                return state.Tool.Handle != NoWindow && state.Smi.Handle != NoWindow;
            },
            "the companions' registrations"));
    }
    e2e::Program* tool = nullptr;
    e2e::Program* smi = nullptr;
};

TEST_F(WithCompanions, NoEndsWithoutAnyChange) {
    InstallUninstaller("0");
    ASSERT_TRUE(StartRemoval());
    EXPECT_EQ(basVersion::RemovalTitle, e2e::TextOf(confirmation));
    EXPECT_EQ(std::string("Are you sure you want to completely remove TouchScreen V.7.0.") +
                  basVersion::BuildWord + " and all of its components?",
              e2e::TextOf(e2e::FindControl(confirmation, "lblAsk")));
    // No stands half a button's width right of Yes, and the pair is centred.
    const RECT inside = e2e::ClientRectOnScreen(confirmation);
    const RECT yes = e2e::WindowRectOf(e2e::FindControl(confirmation, "cmdYes"));
    const RECT no = e2e::WindowRectOf(e2e::FindControl(confirmation, "cmdNo"));
    EXPECT_NEAR(yes.left + (yes.right - yes.left) * 3 / 2, no.left, 2);
    EXPECT_NEAR(yes.left - inside.left, inside.right - no.right, 2);

    const uint32_t journal = Sim().JournalTotal();
    Press("cmdNo");
    EXPECT_TRUE(removal->WaitForExit());
    EXPECT_EQ(journal, Sim().JournalTotal()) << "nothing sent to the driver";
    EXPECT_TRUE(tool->IsRunning() && smi->IsRunning());
    EXPECT_TRUE(UninstallerRecord().empty()) << "the uninstaller is not started";
    EXPECT_EQ(3u, InstalledFilesLeft());
    EXPECT_TRUE(PendingDeletions().empty());
}

TEST_F(WithCompanions, YesRemovesTheSuite) {
    // At work for more than one attempt of the wait; that an end in the last
    // attempt still counts is the in-process test's.
    InstallUninstaller("1.5");
    ASSERT_TRUE(StartRemoval());
    e2e::ShowWatch shows(removal->Id());
    const uint32_t journal = Sim().JournalTotal();
    Press("cmdYes");

    HWND progress = e2e::WaitForForm(removal->Id(), "frmMessage");
    ASSERT_TRUE(progress && e2e::WaitForVisible(progress, true));
    const DWORD progressShown = shows.ShownAt(progress);
    EXPECT_EQ("Removing files from your system...",
              e2e::TextOf(e2e::FindControl(progress, "lblMsg")));
    EXPECT_FALSE(IsWindowVisible(confirmation));
    EXPECT_TRUE(tool->WaitForExit()) << "0x100E to the right-button tool";
    EXPECT_TRUE(smi->WaitForExit()) << "0x200E to the SMI program";
    EXPECT_LE(1u, e2e::RequestCount(Sim(), IOCTL_GetToolWindow, journal));

    ASSERT_TRUE(e2e::WaitUntil([&] { return UninstallerRecord().count("ended") > 0; },
                               "the uninstaller's end", 20000));
    std::map<std::string, std::string> record = UninstallerRecord();
    EXPECT_EQ("\"" + installDir + "\\unins000.exe\" /SILENT", record["command"]);
    EXPECT_GE(Between(progressShown, Tick(record["started"])), 3000 - ClockSlackMs)
        << "3 s after the progress window";
    EXPECT_EQ(0u, InstalledFilesLeft());

    const std::string program = windowsDir + "\\" + basVersion::RemovalFile;
    const std::string registration = windowsDir + "\\KVD2KReg.exe";
    if (basVersion::IsPs2Build) {
        EXPECT_TRUE(e2e::WaitUntil([&] { return !RegistrationLog().empty(); },
                                   "the registration program's start"));
        EXPECT_EQ("0\t" + registration + " " + windowsDir +
                      "\\inf\\MSMOUSE.inf *PNP0F13 Remove\r\n",
                  RegistrationLog());
        EXPECT_TRUE(removal->WaitForExit()) << "the progress window closes, the program ends";
        EXPECT_EQ((std::vector<std::string>{program, registration}), PendingDeletions());
        return;
    }
    e2e::MessageBoxInfo box = e2e::WaitForMessageBox(removal->Id(), 15000);
    EXPECT_GE(Between(Tick(record["ended"]), shows.ShownAt(box.window)), 10000 - ClockSlackMs)
        << "10 s after the uninstaller";
    ExpectBox(box, "Removal is complete to uninstall TouchScreen drivers and utilities.\r\n\r\n"
                   "The Windows must be restarted.");
    EXPECT_FALSE(IsWindow(progress));
    EXPECT_EQ(std::vector<std::string>{program}, PendingDeletions());
    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDOK));
    // The restart ends the session and carries out what was scheduled.
    EXPECT_TRUE(removal->WaitForExit());
    // The session's end runs the other programs' ends first; on a loaded
    // machine that took more than ten seconds.
    constexpr DWORD RestartMs = 30000;
    EXPECT_TRUE(
        e2e::WaitUntil([&] { return !FileThere(program); }, "the deletion at restart", RestartMs));
    EXPECT_TRUE(RegistrationLog().empty());
}

// The failures of the uninstaller itself, each with its box, are the
// in-process test's; here the one at the limit of the wait, and what does
// not follow it.
TEST_F(Removal, WithoutDriverItGoesOnAndAnUninstallerAtWorkAfterTenSecondsEndsIt) {
    StopDriver();
    InstallUninstaller("12");
    ASSERT_TRUE(StartRemoval());
    e2e::ShowWatch shows(removal->Id());
    Press("cmdYes");
    EXPECT_TRUE(e2e::WaitForForm(removal->Id(), "frmMessage")) << "the driver is passed over";
    e2e::MessageBoxInfo box = e2e::WaitForMessageBox(removal->Id(), 20000);
    ExpectBox(box, "Fail to remove files! (WAIT_TIMEOUT)");
    std::map<std::string, std::string> record = UninstallerRecord();
    EXPECT_GE(Between(Tick(record["started"]), shows.ShownAt(box.window)), 10000 - ClockSlackMs)
        << "ten attempts of a second";
    EXPECT_EQ(0u, record.count("ended")) << "the uninstaller is still at work";
    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(removal->WaitForExit()) << "no completion box, no restart";
    EXPECT_TRUE(PendingDeletions().empty());
    EXPECT_TRUE(RegistrationLog().empty()) << "no registration program";
}

} // namespace
} // namespace rmtest
