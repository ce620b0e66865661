// The removal program's wait on the uninstaller: the results of the wait call
// through its seam (ten timeouts: the removal scenario), and the real wait's
// handling of window events.
#include <gtest/gtest.h>

#include <cstdlib>
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
    }
    void TearDown() override {
        basMain::ReplaceCalls(nullptr);
        SetEnvironmentVariableA("TS_UNINSTALL_SECONDS", nullptr);
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
    const DWORD start = GetTickCount();
    EXPECT_TRUE(basMain::RunUninstaller());
    const DWORD waited = GetTickCount() - start;
    EXPECT_GE(waited, 1500u);
    EXPECT_LT(waited, 5000u) << "the uninstaller's end ends the wait";
    EXPECT_GE(handled, 2) << "events are handled during each attempt";
    EXPECT_LT(CpuMilliseconds() - cpuBefore, 500u) << "the wait sleeps, it does not spin";
}

} // namespace
