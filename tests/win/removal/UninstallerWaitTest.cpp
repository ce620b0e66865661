// The removal program's wait on the uninstaller: every result of the wait
// call through the seam, and the real wait's handling of window events.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "basMain.h"
#include "basOEM.h"
#include "basVersion.h"

namespace {

// The stand-in uninstaller in the deliverables folder, as the programs see it.
std::string DeliverDir() {
    const char* unixPath = std::getenv("TS_DELIVER_DIR");
    std::string path = std::string("Z:") + (unixPath ? unixPath : "");
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

HANDLE StartStandIn(const char* seconds) {
    SetEnvironmentVariableA("TS_UNINSTALL_SECONDS", seconds);
    std::string commandLine = "\"" + DeliverDir() + "\\unins000.exe\" /SILENT";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &startup, &info);
    SetEnvironmentVariableA("TS_UNINSTALL_SECONDS", nullptr);
    if (!started)
        return nullptr;
    CloseHandle(info.hThread);
    return info.hProcess;
}

class UninstallerWait : public ::testing::Test {
  protected:
    void SetUp() override { basOEM::InstallPath = DeliverDir(); }
    void TearDown() override { basMain::SetProcessWait(nullptr); }
};

struct WaitCase {
    const char* what;
    std::vector<DWORD> results; // what the wait call answers, attempt by attempt
    bool finished;
    const char* box; // the failure shown, or null
};

TEST_F(UninstallerWait, EveryResultOfTheWaitCall) {
    const std::vector<DWORD> nineTimeouts(9, WAIT_TIMEOUT);
    auto then = [](std::vector<DWORD> first, DWORD last) {
        first.push_back(last);
        return first;
    };
    const WaitCase cases[] = {
        {"finished at once", {WAIT_OBJECT_0}, true, nullptr},
        {"finished in the tenth second", then(nineTimeouts, WAIT_OBJECT_0), true, nullptr},
        {"ten seconds", then(nineTimeouts, WAIT_TIMEOUT), false,
         "Fail to remove files! (WAIT_TIMEOUT)"},
        {"failed",
         {WAIT_TIMEOUT, WAIT_TIMEOUT, WAIT_FAILED},
         false,
         "Fail to remove files! (WAIT_FAILED)"},
        {"abandoned", {WAIT_ABANDONED}, false, "Fail to remove files! (WAIT_ABANDONED)"},
    };
    for (const WaitCase& c : cases) {
        size_t calls = 0;
        basMain::SetProcessWait([&](HANDLE process, DWORD milliseconds) {
            EXPECT_NE(nullptr, process) << c.what;
            EXPECT_EQ(1000u, milliseconds) << c.what;
            return calls < c.results.size() ? c.results[calls++] : WAIT_FAILED;
        });
        wintest::BoxRecorder boxes;
        EXPECT_EQ(c.finished, basMain::RunUninstaller()) << c.what;
        EXPECT_EQ(c.results.size(), calls) << c.what << ": attempts made";
        if (c.box == nullptr) {
            EXPECT_TRUE(boxes.Boxes().empty()) << c.what;
            continue;
        }
        ASSERT_EQ(1u, boxes.Boxes().size()) << c.what;
        EXPECT_EQ(c.box, boxes.Boxes()[0].text);
        EXPECT_EQ(basVersion::RemovalTitle, boxes.Boxes()[0].title);
        EXPECT_EQ(static_cast<unsigned>(MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL),
                  boxes.Boxes()[0].style)
            << "warning icon, OK, system-modal";
    }
}

// Counts the messages that reach it while a wait runs.
LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP)
        ++*reinterpret_cast<int*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return DefWindowProcA(window, message, wParam, lParam);
}

ULONGLONG CpuMilliseconds() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    auto value = [](const FILETIME& t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 10000;
    };
    return value(kernel) + value(user);
}

TEST_F(UninstallerWait, TheRealWaitHandlesEventsAndSleeps) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CountingProc;
    windowClass.lpszClassName = "RemovalWaitProbe";
    RegisterClassA(&windowClass);
    HWND probe =
        CreateWindowA("RemovalWaitProbe", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, probe);
    int handled = 0;
    SetWindowLongPtrA(probe, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&handled));

    HANDLE process = StartStandIn("2");
    ASSERT_NE(nullptr, process) << "unins000.exe in " << DeliverDir();
    PostMessageA(probe, WM_APP, 0, 0);
    const ULONGLONG cpuBefore = CpuMilliseconds();
    const DWORD start = GetTickCount();
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), basMain::WaitHandlingEvents(process, 300));
    const DWORD timedOutAfter = GetTickCount() - start;
    EXPECT_EQ(1, handled) << "the posted message is handled during the wait";
    EXPECT_GE(timedOutAfter, 290u);
    EXPECT_LT(timedOutAfter, 1500u);

    PostMessageA(probe, WM_APP, 0, 0);
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), basMain::WaitHandlingEvents(process, 10000));
    const DWORD endedAfter = GetTickCount() - start;
    EXPECT_EQ(2, handled);
    EXPECT_LT(endedAfter, 8000u) << "the end of the process ends the wait";
    EXPECT_LT(CpuMilliseconds() - cpuBefore, 500u) << "the wait sleeps, it does not spin";

    CloseHandle(process);
    DestroyWindow(probe);
}

} // namespace
