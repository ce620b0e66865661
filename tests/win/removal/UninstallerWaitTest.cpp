// The removal program's wait on the uninstaller: the results of the wait call
// through its seam (ten timeouts: the removal scenario), an uninstaller that
// does not start or ends with a failure, and the real wait's handling of
// window events.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "basMain.h"
#include "basOEM.h"
#include "basVersion.h"

namespace {

// What the scripted wait answers, attempt by attempt, and how often it was asked.
std::vector<DWORD> waitResults;
size_t waitCalls = 0;
// Events handled during the real wait's attempts.
int handled = 0;

DWORD ScriptedWait(HANDLE process, DWORD milliseconds) {
    EXPECT_TRUE(process != nullptr && milliseconds == 1000);
    return waitCalls < waitResults.size() ? waitResults[waitCalls++] : WAIT_FAILED;
}

// The scripted wait may report an end the process has not reached yet.
BOOL WINAPI EndedWell(HANDLE, LPDWORD exitCode) {
    *exitCode = 0;
    return TRUE;
}

DWORD CountingWait(HANDLE process, DWORD milliseconds) {
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    const DWORD result = basMain::WaitHandlingEvents(process, milliseconds);
    MSG left;
    handled += PeekMessageA(&left, nullptr, 0, 0, PM_NOREMOVE) ? 0 : 1;
    return result;
}

const basMain::ProcessCalls Scripted = {ScriptedWait, EndedWell};
const basMain::ProcessCalls Counting = {CountingWait, GetExitCodeProcess};

// The uninstaller probe of the test tools, as unins000.exe in a test install
// folder of each test, working 2 s. A folder per test: the probes that an
// earlier test's scripted waits left running keep their file in use.
class UninstallerWait : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string deliver = std::string("Z:") + std::getenv("TS_DELIVER_DIR");
        for (char& c : deliver)
            c = c == '/' ? '\\' : c;
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        basOEM::InstallPath = std::string(temp) + "uninstaller_wait_" +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(basOEM::InstallPath.c_str(), nullptr);
        ASSERT_TRUE(CopyFileA((deliver + "\\..\\tools\\UninstallerProbe.exe").c_str(),
                              (basOEM::InstallPath + "\\unins000.exe").c_str(), FALSE));
        SetEnvironmentVariableA("TS_UNINSTALL_SECONDS", "2");
        SetEnvironmentVariableA("TS_UNINSTALL_RECORD", RecordPath().c_str());
        DeleteFileA(RecordPath().c_str());
    }
    void TearDown() override {
        basMain::ReplaceCalls(nullptr);
        for (const char* name :
             {"TS_UNINSTALL_SECONDS", "TS_UNINSTALL_EXIT_CODE", "TS_UNINSTALL_RECORD"})
            SetEnvironmentVariableA(name, nullptr);
    }
    static std::string RecordPath() { return basOEM::InstallPath + "\\record.txt"; }
    // The tick counts the uninstaller recorded: "started" (its process's
    // creation) and "ended".
    static std::map<std::string, DWORD> Recorded() {
        std::map<std::string, DWORD> ticks;
        std::ifstream in(RecordPath());
        for (std::string line; std::getline(in, line);) {
            const size_t equals = line.find('=');
            if (equals != std::string::npos && line.compare(0, equals, "command") != 0)
                ticks[line.substr(0, equals)] = std::stoul(line.substr(equals + 1));
        }
        return ticks;
    }
};

TEST_F(UninstallerWait, TheResultsOfTheWaitCall) {
    std::vector<DWORD> tenthSecond(9, WAIT_TIMEOUT);
    tenthSecond.push_back(WAIT_OBJECT_0);
    const struct {
        std::vector<DWORD> results; // what the wait call answers, attempt by attempt
        const char* box;            // the failure shown, or null when finished
    } cases[] = {
        {{WAIT_OBJECT_0}, nullptr},
        {tenthSecond, nullptr},
        {{WAIT_TIMEOUT, WAIT_FAILED}, "Fail to remove files! (WAIT_FAILED)"},
        {{WAIT_ABANDONED}, "Fail to remove files! (WAIT_ABANDONED)"},
    };
    basMain::ReplaceCalls(&Scripted);
    for (const auto& c : cases) {
        waitResults = c.results;
        waitCalls = 0;
        wintest::BoxRecorder boxes;
        EXPECT_EQ(c.box == nullptr, basMain::RunUninstaller()) << c.results.size();
        EXPECT_EQ(c.results.size(), waitCalls) << "attempts made";
        ASSERT_EQ(c.box ? 1u : 0u, boxes.Boxes().size()) << c.results.size();
        if (c.box) {
            EXPECT_EQ(c.box, boxes.Boxes()[0].text);
            EXPECT_EQ(basVersion::RemovalTitle, boxes.Boxes()[0].title);
            EXPECT_EQ(unsigned{MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL},
                      boxes.Boxes()[0].style);
        }
    }
}

TEST_F(UninstallerWait, AnUninstallerThatDoesNotStartOrFailsIsReported) {
    const struct {
        bool there;           // unins000.exe in the install folder
        const char* exitCode; // the one it ends with
        const char* box;
    } cases[] = {
        {false, "0", "Fail to remove files! (Startup)"},
        {true, "5", "Fail to remove files! (Exit code 5)"},
    };
    SetEnvironmentVariableA("TS_UNINSTALL_SECONDS", "0");
    const std::string uninstaller = basOEM::InstallPath + "\\unins000.exe";
    for (const auto& c : cases) {
        const std::string stored = uninstaller + ".away";
        if (!c.there) {
            ASSERT_TRUE(MoveFileA(uninstaller.c_str(), stored.c_str()));
        }
        SetEnvironmentVariableA("TS_UNINSTALL_EXIT_CODE", c.exitCode);
        wintest::BoxRecorder boxes;
        EXPECT_FALSE(basMain::RunUninstaller()) << c.box;
        ASSERT_EQ(1u, boxes.Boxes().size()) << c.box;
        EXPECT_EQ(c.box, boxes.Boxes()[0].text);
        EXPECT_EQ(basVersion::RemovalTitle, boxes.Boxes()[0].title);
        if (!c.there) {
            ASSERT_TRUE(MoveFileA(stored.c_str(), uninstaller.c_str()));
        }
    }
}

ULONGLONG CpuMilliseconds() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    auto value = [](const FILETIME& t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 10000;
    };
    return value(kernel) + value(user);
}

TEST_F(UninstallerWait, TheRealWaitSleepsAndHandlesEvents) {
    handled = 0;
    basMain::ReplaceCalls(&Counting);
    const ULONGLONG cpuBefore = CpuMilliseconds();
    EXPECT_TRUE(basMain::RunUninstaller());
    const DWORD returned = GetTickCount();
    const ULONGLONG cpu = CpuMilliseconds() - cpuBefore;
    // Against the uninstaller's own record, not against when this test looked.
    std::map<std::string, DWORD> ticks = Recorded();
    ASSERT_EQ(1u, ticks.count("ended")) << "the uninstaller ran to its end";
    const auto since = static_cast<int32_t>(returned - ticks["ended"]);
    EXPECT_GE(since, 0) << "the wait lasts until the uninstaller has ended";
    EXPECT_LT(since, 1000) << "its end ends the wait, within the attempt";
    EXPECT_GE(handled, 2) << "events are handled during each attempt";
    EXPECT_LT(cpu, (returned - ticks["started"]) / 4) << "the wait sleeps, it does not spin";
}

} // namespace
