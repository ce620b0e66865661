#include "RemovalScenario.h"

#include <fstream>
#include <iterator>

#include "basVersion.h"

namespace rmtest {

namespace {

const char* const SessionManager = "System\\CurrentControlSet\\Control\\Session Manager";
const char* const PendingValue = "PendingFileRenameOperations";
const char* const InstalledFiles[] = {"KVD2Ktest.exe", "setup.ini", "TSLogo.Bmp"};

std::string Base() {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + "rme2e_" + basVersion::BuildLetter;
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The test tool that plays the uninstaller, built beside the deliverables.
std::string UninstallerProbe() {
    return e2e::DeliverDir() + "\\..\\tools\\UninstallerProbe.exe";
}

void ClearPendingDeletions() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SessionManager, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, PendingValue);
    RegCloseKey(key);
}

} // namespace

bool FileThere(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemovalScenario::SetUp() {
    e2e::Scenario::SetUp();
    windowsDir = Base() + "\\Windows";
    installDir = Base() + "\\Install";
    for (const std::string& folder : {Base(), windowsDir, installDir})
        CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& left :
         {installDir + "\\unins000.exe", Base() + "\\record.txt", windowsDir + "\\KVD2KReg.log"})
        DeleteFileA(left.c_str());
    for (const char* program : {basVersion::RemovalFile, basVersion::RegistrationFile})
        ASSERT_TRUE(CopyFileA(e2e::DeliverablePath(program).c_str(),
                              (windowsDir + "\\" + program).c_str(), FALSE))
            << program;
    e2e::Identity identity;
    identity.installPath = installDir;
    identity.windowsPath = windowsDir;
    identity.hardwareId = "*PNP0F13";
    e2e::PrepareSettingsKey(identity);
    ClearPendingDeletions();
    SetEnvironmentVariableA("TS_UNINSTALL_RECORD", (Base() + "\\record.txt").c_str());
}

void RemovalScenario::TearDown() {
    for (DWORD id : e2e::ProcessIdsNamed("unins000.exe"))
        Adopt(id);
    e2e::Scenario::TearDown();
    SetEnvironmentVariableA("TS_UNINSTALL_SECONDS", nullptr);
    SetEnvironmentVariableA("TS_UNINSTALL_EXIT_CODE", nullptr);
    // Nothing scheduled here may be carried out by a later restart.
    ClearPendingDeletions();
}

void RemovalScenario::InstallUninstaller(const char* seconds, const char* exitCode) {
    ASSERT_TRUE(
        CopyFileA(UninstallerProbe().c_str(), (installDir + "\\unins000.exe").c_str(), FALSE));
    // The list may not lead the uninstaller out of its folder.
    std::string list = "; the test installation\r\n..\\Windows\\KVD2KReg.exe\r\n";
    for (const char* file : InstalledFiles) {
        WriteFile(installDir + "\\" + file, "installed");
        list += std::string(file) + "\r\n";
    }
    WriteFile(installDir + "\\unins000.dat", list);
    SetEnvironmentVariableA("TS_UNINSTALL_SECONDS", seconds);
    SetEnvironmentVariableA("TS_UNINSTALL_EXIT_CODE", exitCode);
}

size_t RemovalScenario::InstalledFilesLeft() const {
    size_t left = 0;
    for (const char* file : InstalledFiles)
        left += FileThere(installDir + "\\" + file) ? 1 : 0;
    return left;
}

HWND RemovalScenario::StartRemoval() {
    removal = &StartPath(windowsDir + "\\" + basVersion::RemovalFile);
    confirmation = e2e::WaitForForm(removal->Id(), "frmMain");
    return confirmation && e2e::WaitForVisible(confirmation, true) ? confirmation : nullptr;
}

void RemovalScenario::Press(const char* button) {
    HWND control = e2e::WaitForControl(confirmation, button);
    ASSERT_TRUE(control) << button;
    e2e::ClickButton(control);
}

std::map<std::string, std::string> RemovalScenario::UninstallerRecord() const {
    std::map<std::string, std::string> record;
    std::ifstream in(Base() + "\\record.txt");
    for (std::string line; std::getline(in, line);) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos)
            record[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return record;
}

std::string RemovalScenario::RegistrationLog() const {
    std::ifstream in(windowsDir + "\\KVD2KReg.log", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> RemovalScenario::PendingDeletions() {
    std::vector<std::string> deletions;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SessionManager, 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return deletions;
    char data[4096] = {};
    DWORD size = sizeof data - 2;
    if (RegQueryValueExA(key, PendingValue, nullptr, nullptr, reinterpret_cast<BYTE*>(data),
                         &size) != ERROR_SUCCESS)
        size = 0;
    RegCloseKey(key);
    // Pairs of strings: a file, then its new name, empty for a deletion.
    for (const char* at = data; at < data + size && *at;) {
        const std::string file = at;
        const char* target = at + file.size() + 1;
        if (*target == '\0')
            deletions.push_back(file.rfind("\\??\\", 0) == 0 ? file.substr(4) : file);
        at = target + strlen(target) + 1;
    }
    return deletions;
}

} // namespace rmtest
