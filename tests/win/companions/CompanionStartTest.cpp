// Starting the companion programs from InstallPath, and the SMI program's
// quit command, with the real processes.
#include <gtest/gtest.h>

#include "BasGlobal.h"
#include "CompanionTestSupport.h"
#include "SharedRoutines.h"
#include "WindowQuery.h"
#include "WinTestSupport.h"
#include "basOEM.h"
#include "basPostMesg.h"
#include "basVersion.h"

namespace {

using namespace companiontest;

bool EndsWithNoCase(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           lstrcmpiA(text.c_str() + text.size() - end.size(), end.c_str()) == 0;
}

class CompanionStart : public ::testing::Test {
  protected:
    void SetUp() override {
        wintest::ResetController(sim_);
        ASSERT_TRUE(BasGlobal::OpenDevice()) << "error " << GetLastError();
        basOEM::InstallPath = DeliverFolder();
        ASSERT_TRUE(BasGlobal::FileExists(basOEM::InstallPath + "\\" + basVersion::SmiProgramFile))
            << basOEM::InstallPath;
    }
    void TearDown() override {
        sim_.Reset();
        BasGlobal::CloseDevice();
    }
    sim::Client sim_;
};

// The stand-in passes the stored rotation code on, even when its first read
// of the registration fails.
TEST_F(CompanionStart, StartSmiShowsTheSmiProgramAndQuitSmiEndsIt) {
    for (uint32_t failedReads : {0u, 1u}) {
        SCOPED_TRACE(failedReads ? "first read failed" : "no failure");
        ASSERT_TRUE(sim_.SetSmiWindow(-1, 3));
        ASSERT_TRUE(sim_.FailNext(failedReads, IOCTL_GetSmiWindow));
        ASSERT_TRUE(basPostMesg::StartSmi());
        int32_t smi = WaitForSmiWindowOtherThan(-1);
        ASSERT_NE(-1, smi) << "the SMI program did not register";
        EXPECT_EQ(3, BasGlobal::SmiWindow.Value) << "the rotation code stays";
        HANDLE process = ProcessOfWindow(AsWindow(smi));
        ASSERT_NE(nullptr, process);
        EXPECT_TRUE(
            EndsWithNoCase(ImagePathOf(process), std::string("\\") + basVersion::SmiProgramFile))
            << ImagePathOf(process);
        // It registers its window before it shows it.
        EXPECT_TRUE(e2e::WaitForVisible(AsWindow(smi), true)) << "started shown";

        basPostMesg::QuitSmi();
        EXPECT_TRUE(EndedWithin(process, 10000)) << "the SMI program ends on its quit command";
        BasGlobal::GetSmiWindow();
        EXPECT_EQ(-1, BasGlobal::SmiWindow.Handle) << "and withdrew its registration";
        EXPECT_EQ(3, BasGlobal::SmiWindow.Value);
    }
}

// The tool's file is played by a copy of the SMI stand-in, in a folder whose
// name has a blank; a program at the blank must not be started instead.
TEST_F(CompanionStart, StartToolRunsTheToolFileHiddenEvenWithBlanksInThePath) {
    char temp[MAX_PATH] = {};
    ASSERT_NE(0u, GetTempPathA(MAX_PATH, temp));
    const std::string folder = std::string(temp) + "TS Install Path";
    const std::string decoy = std::string(temp) + "TS.exe";
    const std::string tool = folder + "\\" + basVersion::RightButtonFile;
    const std::string standIn = basOEM::InstallPath + "\\" + basVersion::SmiProgramFile;
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(standIn.c_str(), tool.c_str(), FALSE)) << "error " << GetLastError();
    ASSERT_TRUE(CopyFileA(standIn.c_str(), decoy.c_str(), FALSE)) << "error " << GetLastError();

    basOEM::InstallPath = folder;
    EXPECT_TRUE(basPostMesg::StartTool());
    int32_t started = WaitForSmiWindowOtherThan(-1);
    if (started != -1) {
        HANDLE process = ProcessOfWindow(AsWindow(started));
        EXPECT_TRUE(EndsWithNoCase(ImagePathOf(process), tool)) << ImagePathOf(process);
        EXPECT_FALSE(IsWindowVisible(AsWindow(started))) << "the tool starts hidden";
        basPostMesg::QuitSmi();
        EXPECT_TRUE(EndedWithin(process, 10000));
    }
    EXPECT_NE(-1, started) << "nothing started";
    DeleteFileA(tool.c_str());
    DeleteFileA(decoy.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(CompanionStart, AMissingProgramIsReportedAsAFailedStart) {
    basOEM::InstallPath = DeliverFolder() + "\\no such folder";
    EXPECT_FALSE(basPostMesg::StartSmi());
    EXPECT_FALSE(basPostMesg::StartTool());
}

TEST_F(CompanionStart, TheRightButtonToolFollowsItsCommands) {
    ASSERT_TRUE(BasGlobal::FileExists(basOEM::InstallPath + "\\" + basVersion::RightButtonFile))
        << "the right-button tool is built";
    ASSERT_TRUE(basPostMesg::StartTool());
    int32_t tool = WaitForToolWindowOtherThan(-1);
    ASSERT_NE(-1, tool) << "the tool did not register";
    HANDLE process = ProcessOfWindow(AsWindow(tool));
    basPostMesg::HideToolWindow();
    EXPECT_FALSE(IsWindowVisible(AsWindow(tool)));
    basPostMesg::ShowToolWindow();
    EXPECT_TRUE(IsWindowVisible(AsWindow(tool)));
    basPostMesg::QuitTool();
    EXPECT_TRUE(EndedWithin(process, 10000));
    BasGlobal::GetToolWindow();
    EXPECT_EQ(-1, BasGlobal::ToolWindow.Handle);
}

} // namespace
