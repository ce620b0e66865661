// The suite's own uninstaller, unins000.exe in the install folder, run by
// the removal program as "unins000.exe /SILENT" and waited for: it does all
// its work in this process and ends. Exit code 0 when everything that setup
// installed is gone (a file the user added may stay), 1 when something is
// left, 2 when the user answered No and nothing was changed.
#include <windows.h>

#include <string>

#include "BuildNames.h"
#include "InstallFolder.h"
#include "SilentSwitch.h"
#include "SuiteKeys.h"
#include "UninstallList.h"

namespace {

const char* const Product = "TouchScreen V." TS_VERSION_TEXT;

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string own(path, length < sizeof path ? length : 0);
    const size_t slash = own.find_last_of('\\');
    if (slash == std::string::npos)
        return 1;
    const std::string folder = own.substr(0, slash);
    const std::string ownName = own.substr(slash + 1);
    char windows[MAX_PATH] = {};
    char system[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, sizeof windows);
    GetSystemDirectoryA(system, sizeof system);
    if (!UninstallList::IsOwnFolderAllowed(folder, {windows, system}))
        return 1;

    if (!SilentSwitch::IsSilent(arguments) &&
        MessageBoxA(nullptr,
                    (std::string("Do you want to completely remove ") + Product +
                     " and all of its components?")
                        .c_str(),
                    (std::string(Product) + " Uninstall").c_str(),
                    MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 2;

    bool complete = InstallFolder::RemoveListedFiles(folder, ownName);
    complete = SuiteKeys::Remove() && complete;
    // With something left, the uninstaller and its list stay for another run.
    if (complete)
        complete = InstallFolder::ScheduleOwnRemoval(folder, ownName);
    return complete ? 0 : 1;
}
