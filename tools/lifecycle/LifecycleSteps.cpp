// The steps of the suite's life cycle on a fresh machine; tools/lifecycle.sh
// runs them in order, one or more per call (named on the command line), and
// starts the new sessions (restart, logon) in between. Each step prints what
// it checked; the exit code is 1 when a check failed.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "Kit.h"
#include "Summaries.h"
#include "basVersion.h"

namespace {

using basVersion::BuildLetter;
using basVersion::BuildWord;

// The package for a machine without the controller: the release package
// plus the stand-ins of the outside programs.
const std::string SetupFile = std::string("TouchScreenSetup-") + BuildWord + "-Simulation.exe";
const char* const RunValue = TS_RUN_VALUE;
const char* const RunKey = TS_RUN_KEY;
const char* const UninstallKey = TS_UNINSTALL_KEY;
const std::string Product = std::string("TouchScreen V.") + basVersion::VersionText;
const std::string RestartText = "The Windows must be restarted.";
constexpr DWORD SetupTimeoutMs = 60000;
// The removal waits 3 s before and 10 s after the uninstaller.
constexpr DWORD RemovalTimeoutMs = 60000;

using e2e::Check;

std::string Hex(DWORD value) {
    char text[16];
    wsprintfA(text, "0x%08lX", value);
    return text;
}

bool KeyThere(const std::string& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
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

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A record that one step keeps for a later one, in the temporary folder.
std::string Record(const std::string& what) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + "lifecycle-" + what + "-" + BuildLetter + ".txt";
}

// The install folder, kept by the removal step for the steps after the
// restart, when the settings key that names it is gone.
std::string InstallFolderRecord() {
    return Record("install-folder");
}

std::string RecordedInstallFolder() {
    std::ifstream record(InstallFolderRecord());
    std::string installFolder;
    std::getline(record, installFolder);
    return installFolder;
}

// The folders the agent's stand-in needed made again, outermost first.
std::string MadeFoldersRecord() {
    return Record("made-folders");
}

std::string Parent(const std::string& path) {
    return path.substr(0, path.rfind('\\'));
}

// Setup's Windows folder; the removal takes the settings key that names it
// before the registration program starts.
std::string WindowsFolder() {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, sizeof folder);
    return folder;
}

std::string InstallFile(const std::string& name) {
    return Setting("InstallPath") + "\\" + name;
}

std::string WindowsFile(const std::string& name) {
    return WindowsFolder() + "\\" + name;
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

size_t Occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Awaits the `times`th start of the registration program, hidden, with the
// command line that installation (INF file KVD2KPS2.INF, "Install") or
// removal (MSMOUSE.inf, "Remove") gives it.
bool RegistrationStarted(const std::string& inf, const std::string& command, size_t times = 1) {
    const std::string windows = WindowsFolder();
    const std::string line = std::to_string(SW_HIDE) + "\t" + windows + "\\" +
                             basVersion::RegistrationFile + " " + windows + "\\inf\\" + inf + " " +
                             basVersion::HardwareId + " " + command + "\n";
    const bool started =
        e2e::WaitUntil([&] { return Occurrences(RegistrationLog(), line) >= times; },
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

// The uninstaller's list names every file setup put in the install folder.
void CheckUninstallerList() {
    std::string expected = "; " + Product + ": the files setup installed here\r\n";
    for (const char* role : {"cp", "ao", "rb", "di"})
        expected += RoleFile(role) + "\r\n";
    expected += "unins000.exe\r\nsetup.ini\r\nsetup.oem\r\n" + RoleFile("vr") + "\r\n";
    Check("the uninstaller's list", expected, FileText(InstallFile("unins000.dat")));
}

// The end of the driver installation that setup runs (the `run`th time):
// the serial build's restart box, or the PS/2 build's registration.
e2e::MessageBoxInfo AwaitDriverInstallation(DWORD installer, size_t run) {
    e2e::MessageBoxInfo done;
    if (!basVersion::IsPs2Build) {
        done = e2e::WaitForMessageBox(installer, SetupTimeoutMs);
        Check("installation box",
              "Setup has finished installing TouchScreen drivers and utilities on your "
              "computer.\r\n\r\n" +
                  RestartText,
              done.text);
    } else {
        Check("registration program started", RegistrationStarted("KVD2KPS2.INF", "Install", run));
    }
    return done;
}

// Answers the serial build's restart box as a user would.
void Restart(const e2e::MessageBoxInfo& box) {
    if (basVersion::IsPs2Build)
        return;
    if (!Check("restart box answered", e2e::AnswerMessageBox(box, IDOK)))
        return;
    Check("restart requested", AwaitRestart(SetupTimeoutMs));
}

void Setup() {
    e2e::Program setup;
    if (!Check(SetupFile + " /S", setup.Start(SetupFile, SW_SHOWNORMAL, "/S")))
        return;
    const DWORD installer = ProcessNamed(RoleFile("di"), SetupTimeoutMs);
    if (!Check(SetupFile + " /S started " + RoleFile("di"), installer != 0))
        return;

    const e2e::MessageBoxInfo done = AwaitDriverInstallation(installer, 1);

    std::cout << "        InstallPath: " << Setting("InstallPath") << std::endl;
    Check("WindowsPath", WindowsFolder(), Setting("WindowsPath"));
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
    CheckUninstallerList();
    const struct {
        const char* name;
        std::string value;
    } entry[] = {
        {"DisplayName", Product},
        {"DisplayVersion", TS_PRODUCT_VERSION},
        {"Publisher", TS_PUBLISHER},
        {"UninstallString", "\"" + WindowsFile(RoleFile("de")) + "\""},
        {"DisplayIcon", InstallFile(RoleFile("cp"))},
        {"InstallLocation", Setting("InstallPath")},
    };
    for (const auto& value : entry)
        Check(std::string("Add or Remove Programs ") + value.name, value.value,
              ReadString(HKEY_LOCAL_MACHINE, UninstallKey, value.name));

    Restart(done);
    Check("setup ended", setup.WaitForExit(SetupTimeoutMs));
}

// The window a registration with the driver names.
HWND RegisteredWindow(const WindowBlock& registration) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(registration.Handle));
}

// The process of `window` when it is one of `processes`; 0 otherwise.
DWORD OwnerAmong(HWND window, const std::vector<DWORD>& processes) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return std::find(processes.begin(), processes.end(), process) != processes.end() ? process : 0;
}

// Waits until the window the driver names (`registration` of its state)
// belongs to a running copy of `fileName`.
bool AwaitRegistration(const std::string& fileName, WindowBlock SimState::*registration) {
    sim::Client controller;
    return e2e::WaitUntil(
        [&] {
            const HWND window = RegisteredWindow(e2e::ReadState(controller).*registration);
            return OwnerAmong(window, e2e::ProcessIdsNamed(fileName)) != 0;
        },
        fileName + "'s registration", SetupTimeoutMs);
}

// The logon does not wait for the programs it starts. A step that makes them
// quit waits until they have registered their windows; a quit sent before
// that finds no window, and the program stays.
void AwaitLogonPrograms() {
    Check("right-button tool registered", AwaitRegistration(RoleFile("rb"), &SimState::Tool));
    Check("SMI program registered", AwaitRegistration(RoleFile("vr"), &SimState::Smi));
    Check("startup agent ended",
          e2e::WaitUntil([] { return !Running(RoleFile("ao")); }, "the agent's end"));
}

void Logon() {
    // The startup agent ran from the Run key: Windows' double-click values
    // are those of setup.ini, and the right-button tool that setup.ini asks
    // for was started.
    const char* const mouse = "Control Panel\\Mouse";
    e2e::WaitUntil(
        [&] { return ReadString(HKEY_CURRENT_USER, mouse, "DoubleClickSpeed") == "400"; },
        "the double-click time of setup.ini", SetupTimeoutMs);
    Check("double-click time", "400", ReadString(HKEY_CURRENT_USER, mouse, "DoubleClickSpeed"));
    Check("double-click width", "8", ReadString(HKEY_CURRENT_USER, mouse, "DoubleClickWidth"));
    Check("right-button tool started at logon",
          e2e::WaitUntil([] { return Running(RoleFile("rb")); }, "the right-button tool"));
    Check("SMI program started at logon",
          e2e::WaitUntil([] { return Running(RoleFile("vr")); }, "the SMI program"));
    AwaitLogonPrograms();
}

// Setup run again over a running control panel and right-button tool: it
// makes them end, replaces every file and leaves what it left the first time.
void SetupOverRunning() {
    Check("right-button tool running from the logon", Running(RoleFile("rb")));
    e2e::Program panel;
    if (!Check("control panel started", panel.StartPath(InstallFile(RoleFile("cp")))))
        return;
    HWND main = e2e::WaitForForm(panel.Id(), "frmMain");
    if (!Check("control panel shown", main && e2e::WaitForVisible(main, true)))
        return;
    // A file setup must replace, changed while the programs run.
    std::ofstream(InstallFile("setup.oem"), std::ios::binary | std::ios::app) << "; changed\r\n";

    e2e::Program setup;
    if (!Check(SetupFile + " /S started", setup.Start(SetupFile, SW_SHOWNORMAL, "/S")))
        return;
    Check("control panel ended", panel.WaitForExit(SetupTimeoutMs));
    Check("right-button tool ended",
          e2e::WaitUntil([] { return !Running(RoleFile("rb")); }, "the tool's end"));
    const DWORD installer = ProcessNamed(RoleFile("di"), SetupTimeoutMs);
    if (!Check("the setup package ran the driver installation", installer != 0))
        return;
    for (const char* role : {"cp", "rb"})
        Check(RoleFile(role) + " replaced by the package's",
              FileText(e2e::DeliverablePath(RoleFile(role))) ==
                  FileText(InstallFile(RoleFile(role))));
    Check("setup.oem replaced by the package's",
          FileText(e2e::DeliverablePath("samples\\setup.oem")), FileText(InstallFile("setup.oem")));
    CheckUninstallerList();
    Check("Run key", "\"" + InstallFile(RoleFile("ao")) + "\"",
          ReadString(HKEY_LOCAL_MACHINE, RunKey, RunValue));
    Restart(AwaitDriverInstallation(installer, 2));
    Check("setup ended", setup.WaitForExit(SetupTimeoutMs));
    Check("setup's exit code", "0", std::to_string(setup.ExitCode()));
}

void ControlPanel() {
    AwaitLogonPrograms(); // of the logon before this step; the removal follows
    e2e::Program panel;
    if (!Check("control panel started", panel.StartPath(InstallFile(RoleFile("cp")))))
        return;
    HWND main = e2e::WaitForForm(panel.Id(), "frmMain");
    if (!Check("control panel shown", main && e2e::WaitForVisible(main, true)))
        return;
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

// For a tool that did not end: its copies and their windows, and the window
// the driver has registered, so that the cause shows in the log.
void DescribeRunningTools() {
    const std::vector<DWORD> copies = e2e::ProcessIdsNamed(RoleFile("rb"));
    sim::Client controller;
    const HWND registered = RegisteredWindow(e2e::ReadState(controller).Tool);
    for (HWND window = GetTopWindow(nullptr); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        const DWORD process = OwnerAmong(window, copies);
        if (process == 0)
            continue;
        std::cout << "        tool process " << process << ": window \"" << e2e::TextOf(window)
                  << "\" (" << e2e::ClassOf(window)
                  << (IsWindowVisible(window) ? ", shown" : ", hidden")
                  << (window == registered ? ", registered" : "") << ")\n";
    }
    std::cout << "        " << copies.size() << " tool process(es); the driver names window "
              << registered << std::endl;
}

void Removal() {
    const std::string installFolder = Setting("InstallPath");
    std::ofstream(InstallFolderRecord()) << installFolder << "\n";
    e2e::Program removal;
    if (!Check("removal program started", removal.StartPath(WindowsFile(RoleFile("de")))))
        return;
    HWND main = e2e::WaitForForm(removal.Id(), "frmMain");
    if (!Check("removal program shown", main && e2e::WaitForVisible(main, true)))
        return;
    Check("question",
          std::string("Are you sure you want to completely remove TouchScreen V.") +
              basVersion::VersionText + " and all of its components?",
          e2e::TextOf(e2e::FindControl(main, "lblAsk")));
    e2e::ClickButton(e2e::FindControl(main, "cmdYes"));
    if (!Check("right-button tool told to quit",
               e2e::WaitUntil([] { return !Running(RoleFile("rb")); }, "the tool's end")))
        DescribeRunningTools();
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
        if (!Check("removal box answered", e2e::AnswerMessageBox(done, IDOK)))
            return;
        Check("restart requested", AwaitRestart(SetupTimeoutMs));
    } else {
        Check("registration program started", RegistrationStarted("MSMOUSE.inf", "Remove"));
        Check("installed programs removed by the uninstaller",
              e2e::WaitUntil(installedGone, "the uninstaller's work", RemovalTimeoutMs));
    }
}

// Before the logon of the start after the removal, where the agent was: the
// registration program's stand-in, which logs every start of it beside
// itself, under the agent's file name, in the folders the removal took (made
// again, and recorded). A Run value that the removal left would start it at
// the logon; the agent's own file, being gone, would start nothing.
void AgentStandIn() {
    const std::string installFolder = RecordedInstallFolder();
    if (!Check("the removal step's record", !installFolder.empty()))
        return;
    std::vector<std::string> missing;
    for (std::string folder = installFolder; !FileThere(folder); folder = Parent(folder))
        missing.insert(missing.begin(), folder);
    std::ofstream made(MadeFoldersRecord());
    for (const std::string& folder : missing) {
        if (!Check("made again: " + folder, CreateDirectoryA(folder.c_str(), nullptr) != FALSE))
            return;
        made << folder << "\n";
    }
    Check(RoleFile("ao") + " stands in the install folder again",
          CopyFileA(e2e::DeliverablePath(basVersion::RegistrationFile).c_str(),
                    (installFolder + "\\" + RoleFile("ao")).c_str(), TRUE) != FALSE);
}

void AfterRemoval() {
    const std::string installFolder = RecordedInstallFolder();
    if (!Check("the removal step's record", !installFolder.empty()))
        return;
    // The logon's processes have been started when it ends; a stand-in it
    // started has written its line once it has ended.
    const std::string standIn = installFolder + "\\" + RoleFile("ao");
    const std::string standInLog = installFolder + "\\KVD2KReg.log";
    e2e::WaitUntil([] { return !Running(RoleFile("ao")); }, "the end of the agent's stand-in");
    Check("no startup agent at logon", !FileThere(standInLog));
    DeleteFileA(standInLog.c_str());
    Check("the agent's stand-in taken away", DeleteFileA(standIn.c_str()) != FALSE);
    std::ifstream madeRecord(MadeFoldersRecord());
    std::vector<std::string> made;
    for (std::string folder; std::getline(madeRecord, folder);)
        made.insert(made.begin(), folder); // innermost first
    for (const std::string& folder : made)
        Check("taken away again: " + folder, RemoveDirectoryA(folder.c_str()) != FALSE);

    // Nothing of the suite after the removal and the restart.
    const std::string product = Parent(installFolder);
    const std::string settingsRoot = basVersion::SettingsKeyPath;
    const struct {
        std::string what;
        bool there;
    } parts[] = {
        {"the install folder " + installFolder, FileThere(installFolder)},
        {"the folder " + product, FileThere(product)},
        {"the folder " + Parent(product), FileThere(Parent(product))},
        {"the settings key", KeyThere(e2e::SettingsKeyName())},
        {"the key " + settingsRoot, KeyThere(settingsRoot)},
        {"the key " + Parent(settingsRoot), KeyThere(Parent(settingsRoot))},
        {"the Run value", ReadString(HKEY_LOCAL_MACHINE, RunKey, RunValue) != "(missing)"},
        {"the Add or Remove Programs entry", KeyThere(UninstallKey)},
        {RoleFile("de"), FileThere(WindowsFile(RoleFile("de")))},
        {basVersion::RegistrationFile,
         basVersion::IsPs2Build && FileThere(WindowsFile(basVersion::RegistrationFile))},
    };
    std::string left;
    for (const auto& part : parts)
        if (part.there)
            left += (left.empty() ? "" : ", ") + part.what;
    Check("left behind", "nothing", left.empty() ? "nothing" : left);
}

} // namespace

int main(int argc, char** argv) {
    return e2e::RunSteps(argc, argv,
                         {{"Setup", Setup},
                          {"Logon", Logon},
                          {"SetupOverRunning", SetupOverRunning},
                          {"ControlPanel", ControlPanel},
                          {"Removal", Removal},
                          {"AgentStandIn", AgentStandIn},
                          {"AfterRemoval", AfterRemoval}});
}
