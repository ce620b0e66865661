// Stand-in for the registration program KVD2KReg.exe, which lies outside the
// suite. It only records how it was started, so that tests can read it: each
// start appends one line to KVD2KReg.log beside the program,
//   <show command><TAB><command line>
// where the show command is the one the starter asked for (-1: none).
#include <windows.h>

#include <string>

namespace {

std::string LogPath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string log(path, length);
    const size_t folderEnd = log.find_last_of('\\');
    return log.substr(0, folderEnd == std::string::npos ? 0 : folderEnd + 1) + "KVD2KReg.log";
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    const int showCommand =
        (startup.dwFlags & STARTF_USESHOWWINDOW) ? static_cast<int>(startup.wShowWindow) : -1;
    const std::string line = std::to_string(showCommand) + "\t" + GetCommandLineA() + "\r\n";

    HANDLE log = CreateFileA(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(log);
    return ok && written == line.size() ? 0 : 1;
}
