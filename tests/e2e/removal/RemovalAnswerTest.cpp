// The user's answer on the confirmation window: No changes nothing; Yes
// closes the companion programs, runs the uninstaller, schedules the
// program's own deletion and ends the build's way.
#include "RemovalScenario.h"
#include "basVersion.h"

namespace rmtest {
namespace {

using RemovalAnswers = RemovalScenario;

constexpr int32_t NoWindow = -1;

// The right-button tool and the SMI program running and registered.
struct Companions {
    e2e::Program* tool;
    e2e::Program* smi;
};

class RemovalAnswersWithCompanions : public RemovalScenario {
  protected:
    // PS/2: the program and the registration program scheduled for deletion,
    // the registration program told to remove the driver, and the end.
    void ExpectPs2Ending(HWND progress) {
        EXPECT_TRUE(e2e::MessageBoxesOf(Removal().Id()).empty()) << "no failure";
        EXPECT_TRUE(e2e::WaitUntil([&] { return !RegistrationLog().empty(); },
                                   "the registration program's start"));
        EXPECT_EQ(std::to_string(SW_HIDE) + "\t" + WindowsDir() + "\\KVD2KReg.exe " + WindowsDir() +
                      "\\inf\\MSMOUSE.inf *PNP0F13 Remove\r\n",
                  RegistrationLog());
        EXPECT_TRUE(Removal().WaitForExit()) << "the progress window closes, the program ends";
        EXPECT_FALSE(IsWindow(progress));
        EXPECT_EQ((std::vector<std::string>{WindowsDir() + "\\KVD2KPde.exe",
                                            WindowsDir() + "\\KVD2KReg.exe"}),
                  PendingDeletions());
    }

    // Serial: the restart ends the session; what was scheduled is deleted.
    void ExpectRestart() {
        EXPECT_TRUE(Removal().WaitForExit());
        const std::string program = WindowsDir() + "\\" + basVersion::RemovalFile;
        EXPECT_TRUE(e2e::WaitUntil([&] { return !FileThere(program); },
                                   "the removal program deleted by the restart"));
        EXPECT_TRUE(PendingDeletions().empty());
        EXPECT_TRUE(RegistrationLog().empty()) << "the serial build registers nothing";
    }

    Companions StartCompanions() {
        Companions started{&Start(basVersion::RightButtonFile, SW_HIDE),
                           &Start(basVersion::SmiProgramFile)};
        EXPECT_TRUE(e2e::WaitUntil(
            [&] {
                const SimState state = e2e::ReadState(Sim());
                return state.Tool.Handle != NoWindow && state.Smi.Handle != NoWindow;
            },
            "the companions' registrations"));
        return started;
    }
};

RECT PlaceInWindow(HWND control) {
    RECT place = e2e::WindowRectOf(control);
    MapWindowPoints(HWND_DESKTOP, GetAncestor(control, GA_ROOT), reinterpret_cast<POINT*>(&place),
                    2);
    return place;
}

TEST_F(RemovalAnswersWithCompanions, NoEndsWithoutAnyChange) {
    Companions companions = StartCompanions();
    InstallUninstaller("0");
    HWND window = StartRemoval();
    ASSERT_TRUE(window);

    EXPECT_EQ(basVersion::RemovalTitle, e2e::TextOf(window));
    EXPECT_EQ(std::string("Are you sure you want to completely remove TouchScreen V.7.0.") +
                  basVersion::BuildWord + " and all of its components?",
              e2e::TextOf(e2e::FindControl(window, "lblAsk")));
    EXPECT_EQ(std::string("TouchScreen Software Removal Version ") + basVersion::VersionText,
              e2e::TextOf(e2e::FindControl(window, "lblSystem")));
    // No stands half a button's width right of Yes, and the pair is centred.
    const RECT inside = e2e::ClientRectOnScreen(window);
    const RECT yes = PlaceInWindow(e2e::FindControl(window, "cmdYes"));
    const RECT no = PlaceInWindow(e2e::FindControl(window, "cmdNo"));
    const LONG yesWidth = yes.right - yes.left;
    EXPECT_EQ("&Yes", e2e::TextOf(e2e::FindControl(window, "cmdYes")));
    EXPECT_EQ("&No", e2e::TextOf(e2e::FindControl(window, "cmdNo")));
    EXPECT_NEAR(yes.left + yesWidth * 3 / 2, no.left, 2);
    EXPECT_NEAR(yes.left, (inside.right - inside.left) - no.right, 2);
    EXPECT_EQ(yes.top, no.top);

    const uint32_t journal = Sim().JournalTotal();
    Press("cmdNo");
    EXPECT_TRUE(Removal().WaitForExit());
    EXPECT_EQ(0u, Removal().ExitCode());
    EXPECT_EQ(journal, Sim().JournalTotal()) << "nothing sent to the driver";
    EXPECT_TRUE(companions.tool->IsRunning());
    EXPECT_TRUE(companions.smi->IsRunning());
    EXPECT_TRUE(UninstallerRecord().empty()) << "the uninstaller is not started";
    EXPECT_EQ(3u, InstalledFilesLeft().size());
    EXPECT_TRUE(PendingDeletions().empty());
}

TEST_F(RemovalAnswersWithCompanions, YesRemovesTheSuite) {
    Companions companions = StartCompanions();
    InstallUninstaller("9.5");
    HWND window = StartRemoval();
    ASSERT_TRUE(window);
    const uint32_t journal = Sim().JournalTotal();
    Press("cmdYes");

    HWND progress = e2e::WaitForForm(Removal().Id(), "frmMessage");
    ASSERT_TRUE(progress && e2e::WaitForVisible(progress, true));
    const DWORD progressSeen = GetTickCount();
    EXPECT_EQ("Removing files from your system...",
              e2e::TextOf(e2e::FindControl(progress, "lblMsg")));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(companions.tool->WaitForExit()) << "0x100E to the right-button tool";
    EXPECT_TRUE(companions.smi->WaitForExit()) << "0x200E to the SMI program";
    EXPECT_LE(1u, e2e::RequestCount(Sim(), IOCTL_GetToolWindow, journal));
    EXPECT_LE(1u, e2e::RequestCount(Sim(), IOCTL_GetSmiWindow, journal))
        << "the SMI stand-in asks too";

    ASSERT_TRUE(e2e::WaitUntil([&] { return UninstallerRecord().count("started") > 0; },
                               "the uninstaller's start"));
    std::map<std::string, std::string> record = UninstallerRecord();
    EXPECT_EQ("\"" + InstallDir() + "\\unins000.exe\" /SILENT", record["command"]);
    EXPECT_GE(Tick(record["started"]) - progressSeen, 2900u) << "3 s after the progress window";

    // 9.5 s of work still count as finished.
    ASSERT_TRUE(e2e::WaitUntil([&] { return UninstallerRecord().count("ended") > 0; },
                               "the uninstaller's end", 15000));
    const DWORD uninstallerEnded = Tick(UninstallerRecord()["ended"]);
    EXPECT_TRUE(InstalledFilesLeft().empty());

    if (basVersion::IsPs2Build) {
        ExpectPs2Ending(progress);
        return;
    }
    e2e::MessageBoxInfo box = e2e::WaitForMessageBox(Removal().Id(), 15000);
    ASSERT_TRUE(box.window);
    EXPECT_GE(GetTickCount() - uninstallerEnded, 9900u) << "10 s after the uninstaller";
    EXPECT_EQ("Removal is complete to uninstall TouchScreen drivers and utilities.\r\n\r\n"
              "The Windows must be restarted.",
              box.text);
    EXPECT_EQ(basVersion::RemovalTitle, box.title);
    EXPECT_TRUE(box.hasIcon && box.topmost && box.hasOk);
    EXPECT_FALSE(IsWindow(progress)) << "the progress window closes first";
    EXPECT_EQ(std::vector<std::string>{WindowsDir() + "\\KVD2KCde.exe"}, PendingDeletions());
    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDOK));
    ExpectRestart();
}

} // namespace
} // namespace rmtest
