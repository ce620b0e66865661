#include "RemovalScenario.h"

#include <fstream>
#include <iterator>

#include "basVersion.h"

namespace rmtest {

namespace {

const char* const SessionManager = "System\\CurrentControlSet\\Control\\Session Manager";
const char* const PendingValue = "PendingFileRenameOperations";
const char* const InstalledFiles[] = {"KVD2Ktest.exe", "setup.ini", "TSLogo.Bmp"};

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolder(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

bool FileThere(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

DWORD Tick(const std::string& text) {
    return static_cast<DWORD>(std::stoul(text));
}

void RemovalScenario::SetUp() {
    e2e::Scenario::SetUp();
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    baseDir_ = std::string(temp) + "rme2e_" + basVersion::BuildLetter;
    RemoveFolder(baseDir_);
    windowsDir_ = baseDir_ + "\\Windows";
    installDir_ = baseDir_ + "\\Install";
    recordPath_ = baseDir_ + "\\uninstaller.txt";
    for (const std::string& folder : {baseDir_, windowsDir_, installDir_})
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    for (const char* program : {basVersion::RemovalFile, basVersion::RegistrationFile})
        ASSERT_TRUE(CopyFileA(e2e::DeliverablePath(program).c_str(),
                              (windowsDir_ + "\\" + program).c_str(), FALSE))
            << program;
    e2e::Identity identity;
    identity.installPath = installDir_;
    identity.windowsPath = windowsDir_;
    identity.hardwareId = "*PNP0F13";
    e2e::PrepareSettingsKey(identity);
    ClearPendingDeletions();
    SetEnvironmentVariableA("TS_UNINSTALL_RECORD", recordPath_.c_str());
}

void RemovalScenario::TearDown() {
    e2e::Scenario::TearDown();
    for (DWORD id : e2e::ProcessIdsNamed("unins000.exe"))
        Adopt(id).End();
    SetEnvironmentVariableA("TS_UNINSTALL_RECORD", nullptr);
    SetEnvironmentVariableA("TS_UNINSTALL_SECONDS", nullptr);
    // Nothing scheduled by a scenario may be carried out by a later restart.
    ClearPendingDeletions();
    RemoveFolder(baseDir_);
}

void RemovalScenario::InstallUninstaller(const char* seconds) {
    ASSERT_TRUE(CopyFileA(e2e::DeliverablePath("unins000.exe").c_str(),
                          (installDir_ + "\\unins000.exe").c_str(), FALSE));
    std::string list = "; files of the test installation\r\n";
    for (const char* file : InstalledFiles) {
        WriteText(installDir_ + "\\" + file, "installed");
        list += std::string(file) + "\r\n";
    }
    // Never outside the install folder, whatever the list says.
    list += "..\\uninstaller.txt\r\n";
    WriteText(installDir_ + "\\unins000.dat", list);
    WriteText(installDir_ + "\\kept.txt", "not listed");
    SetEnvironmentVariableA("TS_UNINSTALL_SECONDS", seconds);
}

std::vector<std::string> RemovalScenario::InstalledFilesLeft() const {
    std::vector<std::string> left;
    for (const char* file : InstalledFiles)
        if (FileThere(installDir_ + "\\" + file))
            left.push_back(file);
    return left;
}

HWND RemovalScenario::StartRemoval() {
    removal_ = &StartPath(windowsDir_ + "\\" + basVersion::RemovalFile);
    if (!removal_->IsRunning())
        return nullptr;
    confirmation_ = e2e::WaitForForm(removal_->Id(), "frmMain");
    if (!confirmation_ || !e2e::WaitForVisible(confirmation_, true))
        return nullptr;
    return confirmation_;
}

void RemovalScenario::Press(const char* button) {
    HWND control = e2e::WaitForControl(confirmation_, button);
    ASSERT_TRUE(control) << button;
    e2e::ClickButton(control);
}

std::map<std::string, std::string> RemovalScenario::UninstallerRecord() const {
    std::map<std::string, std::string> record;
    std::ifstream in(recordPath_);
    std::string line;
    while (std::getline(in, line)) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos)
            record[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return record;
}

std::string RemovalScenario::RegistrationLog() const {
    std::ifstream in(windowsDir_ + "\\KVD2KReg.log", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> RemovalScenario::PendingDeletions() {
    std::vector<std::string> deletions;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SessionManager, 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return deletions;
    DWORD type = 0;
    DWORD size = 0;
    std::string data;
    if (RegQueryValueExA(key, PendingValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        data.resize(size);
        RegQueryValueExA(key, PendingValue, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]),
                         &size);
        data.resize(size);
    }
    RegCloseKey(key);
    // Pairs of strings: the file, then its new name, empty for a deletion.
    size_t at = 0;
    auto next = [&] {
        const size_t end = data.find('\0', at);
        std::string text = data.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? data.size() : end + 1;
        return text;
    };
    while (at < data.size()) {
        std::string source = next();
        if (source.empty())
            break;
        const std::string target = next();
        if (source.rfind("\\??\\", 0) == 0)
            source.erase(0, 4);
        if (target.empty())
            deletions.push_back(source);
    }
    return deletions;
}

void RemovalScenario::ClearPendingDeletions() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SessionManager, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, PendingValue);
    RegCloseKey(key);
}

} // namespace rmtest
