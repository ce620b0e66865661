// The steps of the suite's life cycle on a fresh machine, one test case per
// step; tools/lifecycle.sh runs them in order and starts the new sessions
// (restart, logon) in between. Each step prints what it checked.
#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <string>

#include "E2e.h"
#include "Summaries.h"
#include "basVersion.h"

namespace {

using basVersion::BuildLetter;
using basVersion::BuildWord;

const std::string SetupFile = std::string("TouchScreenSetup-") + BuildWord + ".exe";
const std::string RunValue = std::string("TouchScreen Startup TS-") + BuildWord;
const char* const RunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string RestartText = "The Windows must be restarted.";
constexpr DWORD SetupTimeoutMs = 60000;
// The removal waits 3 s before and 10 s after the uninstaller.
constexpr DWORD RemovalTimeoutMs = 60000;

// A text on one line: line ends shown as " // ".
std::string OneLine(std::string text) {
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.replace(at, 2, " // ");
    return text;
}

// Records a failure unless `actual` is `expected`; prints the check either way.
void Check(const std::string& what, const std::string& expected, const std::string& actual) {
    std::cout << "  " << (expected == actual ? "ok    " : "WRONG ") << what << ": "
              << OneLine(actual) << std::endl;
    EXPECT_EQ(expected, actual) << what;
}

void Check(const std::string& what, bool holds) {
    Check(what, "yes", holds ? "yes" : "no");
}

std::string Hex(DWORD value) {
    char text[16];
    wsprintfA(text, "0x%08lX", value);
    return text;
}

std::string ReadString(HKEY root, const std::string& key, const std::string& name) {
    char value[MAX_PATH] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return "(no key)";
    const LONG result = RegQueryValueExA(opened, name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(opened);
    return result == ERROR_SUCCESS && type == REG_SZ ? value : "(missing)";
}

std::string Setting(const std::string& name) {
    std::string value;
    return e2e::ReadSettingString(name, value) ? value : "(missing)";
}

std::string SettingNumber(const std::string& name) {
    DWORD value = 0;
    return e2e::ReadSettingDword(name, value) ? Hex(value) : "(missing)";
}

bool FileThere(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string InstallFile(const std::string& name) {
    return Setting("InstallPath") + "\\" + name;
}

std::string WindowsFile(const std::string& name) {
    return Setting("WindowsPath") + "\\" + name;
}

std::string RoleFile(const char* role) {
    return std::string("KVD2K") + BuildLetter + role + ".exe";
}

bool Running(const std::string& fileName) {
    return !e2e::ProcessIdsNamed(fileName).empty();
}

// The command lines the registration program was started with, as its
// stand-in records them beside itself: "<show command><TAB><command line>".
std::string RegistrationLog() {
    std::ifstream log(WindowsFile("KVD2KReg.log"));
    std::string lines, line;
    while (std::getline(log, line))
        lines += line + "\n";
    return lines;
}

// Awaits a start of the registration program, hidden, with the command
// line that installation (INF file KVD2KPS2.INF, "Install") or removal
// (MSMOUSE.inf, "Remove") gives it.
bool RegistrationStarted(const std::string& inf, const std::string& command) {
    const std::string windows = Setting("WindowsPath");
    const std::string line = std::to_string(SW_HIDE) + "\t" + windows + "\\" +
                             basVersion::RegistrationFile + " " + windows + "\\inf\\" + inf + " " +
                             basVersion::HardwareId + " " + command + "\n";
    const bool started =
        e2e::WaitUntil([&] { return RegistrationLog().find(line) != std::string::npos; },
                       "the registration program with " + line, SetupTimeoutMs);
    std::cout << "        registration program: " << line.substr(line.find('\t') + 1);
    return started;
}

// The restart request under Wine: the session ends in wineboot --end-session.
bool AwaitRestart(DWORD timeoutMs) {
    return e2e::PollUntil([] { return Running("wineboot.exe"); }, timeoutMs) &&
           e2e::WaitUntil([] { return !Running("wineboot.exe"); }, "the end of the session",
                          SetupTimeoutMs);
}

// The id of a process running `fileName`, awaited; 0 on timeout.
DWORD ProcessNamed(const std::string& fileName, DWORD timeoutMs) {
    DWORD id = 0;
    e2e::WaitUntil(
        [&] {
            const auto ids = e2e::ProcessIdsNamed(fileName);
            id = ids.empty() ? 0 : ids.front();
            return id != 0;
        },
        fileName + " running", timeoutMs);
    return id;
}

TEST(Lifecycle, Setup) {
    e2e::Program setup;
    ASSERT_TRUE(setup.Start(SetupFile, SW_SHOWNORMAL, "/S"));
    const DWORD installer = ProcessNamed(RoleFile("di"), SetupTimeoutMs);
    ASSERT_NE(0u, installer) << "the setup package did not run the driver installation";
    std::cout << "  ok    " << SetupFile << " /S started " << RoleFile("di") << std::endl;

    e2e::MessageBoxInfo done;
    if (!basVersion::IsPs2Build) {
        done = e2e::WaitForMessageBox(installer, SetupTimeoutMs);
        Check("installation box",
              "Setup has finished installing TouchScreen drivers and utilities on your "
              "computer.\r\n\r\n" +
                  RestartText,
              done.text);
    } else {
        Check("registration program started", RegistrationStarted("KVD2KPS2.INF", "Install"));
    }

    std::cout << "        InstallPath: " << Setting("InstallPath") << std::endl;
    for (const char* role : {"cp", "ao", "rb", "di", "vr"})
        Check(RoleFile(role) + " in the install folder", FileThere(InstallFile(RoleFile(role))));
    Check("unins000.exe in the install folder", FileThere(InstallFile("unins000.exe")));
    Check(RoleFile("de") + " in the Windows folder", FileThere(WindowsFile(RoleFile("de"))));
    Check(std::string("no driver file ") + basVersion::DriverFile + " in the install folder",
          !FileThere(InstallFile(basVersion::DriverFile)));
    Check("HardwareID", basVersion::HardwareId, Setting("HardwareID"));
    Check("VenderName from setup.oem", "Orvalith", Setting("VenderName"));
    Check("VenderStyle from setup.oem", "11120900", Setting("VenderStyle"));
    Check("MouseSpeed from setup.ini", Hex(0x0F050300), SettingNumber("MouseSpeed"));
    Check("RightButtonAutomatic from setup.ini", Hex(0x00030401),
          SettingNumber("RightButtonAutomatic"));
    Check("FeedbackTone from setup.ini", Hex(1000), SettingNumber("FeedbackTone"));
    Check("DoubleClickSpeed from setup.ini", Hex(400), SettingNumber("DoubleClickSpeed"));
    Check("Run key", "\"" + InstallFile(RoleFile("ao")) + "\"",
          ReadString(HKEY_LOCAL_MACHINE, RunKey, RunValue));

    if (!basVersion::IsPs2Build) {
        ASSERT_TRUE(e2e::AnswerMessageBox(done, IDOK));
        Check("restart requested", AwaitRestart(SetupTimeoutMs));
    }
    Check("setup ended", setup.WaitForExit(SetupTimeoutMs));
}

TEST(Lifecycle, Logon) {
    // The startup agent ran from the Run key: Windows' double-click values
    // are those of setup.ini, and the right-button tool that setup.ini asks
    // for was started.
    const char* const mouse = "Control Panel\\Mouse";
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return ReadString(HKEY_CURRENT_USER, mouse, "DoubleClickSpeed") == "400"; },
        "the double-click time of setup.ini", SetupTimeoutMs));
    Check("double-click time", "400", ReadString(HKEY_CURRENT_USER, mouse, "DoubleClickSpeed"));
    Check("double-click width", "8", ReadString(HKEY_CURRENT_USER, mouse, "DoubleClickWidth"));
    Check("right-button tool started at logon",
          e2e::WaitUntil([] { return Running(RoleFile("rb")); }, "the right-button tool"));
    Check("SMI program started at logon",
          e2e::WaitUntil([] { return Running(RoleFile("vr")); }, "the SMI program"));
    Check("startup agent ended",
          e2e::WaitUntil([] { return !Running(RoleFile("ao")); }, "the agent's end"));
}

TEST(Lifecycle, ControlPanel) {
    e2e::Program panel;
    ASSERT_TRUE(panel.StartPath(InstallFile(RoleFile("cp"))));
    HWND main = e2e::WaitForForm(panel.Id(), "frmMain");
    ASSERT_TRUE(main && e2e::WaitForVisible(main, true));
    // The driver started with the values the installation stored.
    Check("touch mode summary", BasGlobal::TouchModeText(1, 1, 0),
          e2e::TextOf(e2e::FindControl(main, "lblVirtualButton")));
    Check("feedback summary", BasGlobal::FeedbackText(3),
          e2e::TextOf(e2e::FindControl(main, "lblFeedbackSound")));
    if (basVersion::IsPs2Build)
        Check("mouse speed summary", BasGlobal::MouseSpeedText(15, 5, 3, 0),
              e2e::TextOf(e2e::FindControl(main, "lblMouseSpeed")));
    e2e::ClickButton(e2e::FindControl(main, "cmdExit"));
    Check("control panel closed by Exit", panel.WaitForExit());
}

TEST(Lifecycle, Removal) {
    const std::string installFolder = Setting("InstallPath");
    e2e::Program removal;
    ASSERT_TRUE(removal.StartPath(WindowsFile(RoleFile("de"))));
    HWND main = e2e::WaitForForm(removal.Id(), "frmMain");
    ASSERT_TRUE(main && e2e::WaitForVisible(main, true));
    Check("question",
          std::string("Are you sure you want to completely remove TouchScreen V.") +
              basVersion::VersionText + " and all of its components?",
          e2e::TextOf(e2e::FindControl(main, "lblAsk")));
    e2e::ClickButton(e2e::FindControl(main, "cmdYes"));
    Check("right-button tool told to quit",
          e2e::WaitUntil([] { return !Running(RoleFile("rb")); }, "the tool's end"));
    Check("SMI program told to quit",
          e2e::WaitUntil([] { return !Running(RoleFile("vr")); }, "the SMI program's end"));

    const auto installedGone = [&] {
        for (const char* role : {"cp", "ao", "rb", "di", "vr"})
            if (FileThere(installFolder + "\\" + RoleFile(role)))
                return false;
        return !FileThere(installFolder + "\\setup.ini");
    };
    if (!basVersion::IsPs2Build) {
        const e2e::MessageBoxInfo done = e2e::WaitForMessageBox(removal.Id(), RemovalTimeoutMs);
        Check("removal box",
              "Removal is complete to uninstall TouchScreen drivers and utilities.\r\n\r\n" +
                  RestartText,
              done.text);
        Check("installed programs removed by the uninstaller", installedGone());
        ASSERT_TRUE(e2e::AnswerMessageBox(done, IDOK));
        Check("restart requested", AwaitRestart(SetupTimeoutMs));
    } else {
        Check("registration program started", RegistrationStarted("MSMOUSE.inf", "Remove"));
        Check("installed programs removed by the uninstaller",
              e2e::WaitUntil(installedGone, "the uninstaller's work", RemovalTimeoutMs));
    }
}

TEST(Lifecycle, AfterRemoval) {
    // The files scheduled for deletion went with the restart.
    Check(RoleFile("de") + " gone from the Windows folder",
          !FileThere(WindowsFile(RoleFile("de"))));
    if (basVersion::IsPs2Build)
        Check(std::string(basVersion::RegistrationFile) + " gone from the Windows folder",
              !FileThere(WindowsFile(basVersion::RegistrationFile)));
    Check("no startup agent at logon", !Running(RoleFile("ao")));

    // What the uninstaller leaves: it removes only the files of its list.
    std::string left;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(InstallFile("*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            left += std::string(" ") + found.cFileName;
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    std::cout << "        left in the install folder:" << (left.empty() ? " nothing" : left)
              << std::endl;
    const auto presence = [](bool there) { return there ? "left" : "removed"; };
    std::cout << "        settings key: " << presence(Setting("InstallPath") != "(missing)")
              << ", Run key value: "
              << presence(ReadString(HKEY_LOCAL_MACHINE, RunKey, RunValue) != "(missing)")
              << std::endl;
}

} // namespace
