// The removal program's limits: an uninstaller that is still at work after
// ten seconds, and one that cannot be started (with no driver either).
#include "RemovalScenario.h"
#include "basVersion.h"

namespace rmtest {
namespace {

using RemovalLimits = RemovalScenario;

void ExpectFailureBox(const e2e::MessageBoxInfo& box, const char* reason) {
    EXPECT_EQ(std::string("Fail to remove files! (") + reason + ")", box.text);
    EXPECT_EQ(basVersion::RemovalTitle, box.title);
    EXPECT_TRUE(box.hasIcon && box.topmost && box.hasOk) << "warning icon, system-modal, OK";
    EXPECT_FALSE(box.hasCancel || box.hasYes || box.hasNo);
}

TEST_F(RemovalLimits, AnUninstallerAtWorkAfterTenSecondsIsReportedAndNothingScheduled) {
    InstallUninstaller("12");
    ASSERT_TRUE(StartRemoval());
    Press("cmdYes");
    ASSERT_TRUE(e2e::WaitUntil([&] { return UninstallerRecord().count("started") > 0; },
                               "the uninstaller's start"));
    const DWORD started = Tick(UninstallerRecord()["started"]);

    e2e::MessageBoxInfo box = e2e::WaitForMessageBox(Removal().Id(), 15000);
    const DWORD waited = GetTickCount() - started;
    ASSERT_TRUE(box.window);
    ExpectFailureBox(box, "WAIT_TIMEOUT");
    EXPECT_GE(waited, 9500u) << "ten attempts of a second";
    EXPECT_EQ(0u, UninstallerRecord().count("ended")) << "the uninstaller is still at work";
    EXPECT_EQ(3u, InstalledFilesLeft().size());
    EXPECT_TRUE(PendingDeletions().empty()) << "nothing scheduled for deletion";
    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(Removal().WaitForExit());
    EXPECT_TRUE(PendingDeletions().empty());
}

TEST_F(RemovalLimits, WithoutDriverItGoesOnAndStopsWhenNoUninstallerStarts) {
    StopDriver();
    ASSERT_TRUE(StartRemoval());
    Press("cmdYes");
    HWND progress = e2e::WaitForForm(Removal().Id(), "frmMessage");
    ASSERT_TRUE(progress) << "the missing driver is passed over";
    e2e::MessageBoxInfo box = e2e::WaitForMessageBox(Removal().Id());
    ASSERT_TRUE(box.window);
    ExpectFailureBox(box, "Startup");
    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(Removal().WaitForExit());
    EXPECT_TRUE(PendingDeletions().empty());
}

} // namespace
} // namespace rmtest
