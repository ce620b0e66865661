// A test tool that plays the uninstaller unins000.exe for the removal
// program's scenarios and the gallery, which copy it as unins000.exe into a
// test install folder; the suite's own uninstaller is in uninstall/. It does
// what the removal program relies on, and what a test needs to see:
//  - without /SILENT it asks before it removes anything; with it, it does not;
//  - it works for as long as TS_UNINSTALL_SECONDS asks (decimal seconds,
//    0 when unset), counted from the creation of its process, as its
//    starter's wait counts them; a small progress window shows meanwhile;
//  - it removes the files that the installation listed in unins000.dat
//    beside it (one name per line, relative to its own folder; blank lines
//    and lines starting with ';' are skipped), then that list;
//  - it ends with the exit code TS_UNINSTALL_EXIT_CODE asks (decimal, 0 when
//    unset), as an uninstaller that failed would;
//  - when TS_UNINSTALL_RECORD names a file, it writes its command line and
//    the tick counts of its process's creation and of its end there
//    ("command=", "started=", "ended=" lines), so that a test can check
//    what it was given and when.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

const char* const WindowClass = "TsUninstallerProbe";
const char* const Title = "Uninstall";
const char* const ListFile = "unins000.dat";

std::string Environment(const char* name) {
    char value[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? value : "";
}

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

bool HasSilentSwitch(const std::string& commandLine) {
    std::string upper = commandLine;
    CharUpperA(upper.data());
    const std::string word = "/SILENT";
    for (size_t at = upper.find(word); at != std::string::npos; at = upper.find(word, at + 1)) {
        const size_t end = at + word.size();
        const bool starts = at == 0 || upper[at - 1] == ' ' || upper[at - 1] == '"';
        if (starts && (end == upper.size() || upper[end] == ' '))
            return true;
    }
    return false;
}

void Record(const std::string& line) {
    const std::string file = Environment("TS_UNINSTALL_RECORD");
    if (file.empty())
        return;
    std::ofstream out(file, std::ios::app);
    out << line << "\n";
}

DWORD RequestedMilliseconds() {
    const std::string text = Environment("TS_UNINSTALL_SECONDS");
    const double seconds = text.empty() ? 0.0 : std::strtod(text.c_str(), nullptr);
    return seconds > 0.0 ? static_cast<DWORD>(seconds * 1000.0 + 0.5) : 0;
}

// A listed name must stay inside the installation folder.
bool IsPlainName(const std::string& name) {
    return !name.empty() && name.find("..") == std::string::npos &&
           name.find(':') == std::string::npos && name[0] != '\\' && name[0] != '/';
}

void RemoveListedFiles(const std::string& folder) {
    const std::string listPath = folder + "\\" + ListFile;
    {
        std::ifstream list(listPath);
        std::string name;
        while (std::getline(list, name)) {
            if (!name.empty() && name.back() == '\r')
                name.pop_back();
            if (name.empty() || name[0] == ';' || !IsPlainName(name))
                continue;
            DeleteFileA((folder + "\\" + name).c_str());
        }
    }
    DeleteFileA(listPath.c_str());
}

HWND ShowProgressWindow(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_WAIT);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = WindowClass;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA(WindowClass, Title, WS_OVERLAPPED | WS_CAPTION, CW_USEDEFAULT,
                                CW_USEDEFAULT, 320, 90, nullptr, nullptr, instance, nullptr);
    CreateWindowA("STATIC", "Removing the installation from your computer...",
                  WS_CHILD | WS_VISIBLE, 12, 16, 290, 20, window, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

ULONGLONG Hundreds(const FILETIME& time) {
    return static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

// Milliseconds since the process was created; starting a process takes a
// noticeable part of a second under load.
DWORD Age() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG age = Hundreds(now) > Hundreds(created) ? Hundreds(now) - Hundreds(created) : 0;
    return static_cast<DWORD>(age / 10000);
}

// Handles the window's messages until the process is `milliseconds` old,
// asleep in between.
void WorkUntilAge(DWORD milliseconds) {
    for (DWORD age = Age(); age < milliseconds; age = Age()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - age, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
    Record(std::string("command=") + GetCommandLineA());
    Record("started=" + std::to_string(GetTickCount() - Age()));
    const std::string folder = OwnFolder();
    if (!HasSilentSwitch(arguments) &&
        MessageBoxA(nullptr, ("Remove the installation in " + folder + "?").c_str(), Title,
                    MB_YESNO | MB_ICONQUESTION) != IDYES) {
        Record("ended=" + std::to_string(GetTickCount()));
        return 1;
    }
    HWND window = ShowProgressWindow(instance);
    WorkUntilAge(RequestedMilliseconds());
    RemoveListedFiles(folder);
    DestroyWindow(window);
    Record("ended=" + std::to_string(GetTickCount()));
    return static_cast<int>(
        std::strtoul(Environment("TS_UNINSTALL_EXIT_CODE").c_str(), nullptr, 10));
}
