#include "InstallFolder.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "UninstallList.h"

namespace InstallFolder {

namespace {

// Setup writes a line per file; anything larger is not its list.
constexpr DWORD MaxListBytes = 64 * 1024;

bool ReadList(const std::string& path, std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const DWORD size = GetFileSize(file, nullptr);
    DWORD read = 0;
    bool ok = size != INVALID_FILE_SIZE && size <= MaxListBytes;
    if (ok) {
        text.assign(size, '\0');
        ok = size == 0 || (ReadFile(file, &text[0], size, &read, nullptr) && read == size);
    }
    CloseHandle(file);
    return ok;
}

bool IsLink(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Removes one listed file; true when it is gone. Every folder on the way
// and the file itself are checked for links first, so that nothing outside
// the folder is reached: a link is left, and so is a folder where setup
// listed a file.
bool RemoveFile(const std::string& folder, const std::string& name) {
    const std::vector<std::string> paths = UninstallList::PathsOnTheWay(folder, name);
    for (const std::string& path : paths) {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            const DWORD error = GetLastError();
            return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        }
        const bool isFile = &path == &paths.back();
        if (IsLink(attributes) || (isFile && (attributes & FILE_ATTRIBUTE_DIRECTORY)))
            return false;
        if (isFile && (attributes & FILE_ATTRIBUTE_READONLY))
            SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    return DeleteFileA(paths.back().c_str()) != FALSE;
}

// The names in `folder` other than "." and "..", at most `limit` of them.
std::vector<std::string> Entries(const std::string& folder, size_t limit) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more && names.size() < limit;
         more = FindNextFileA(search, &found)) {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    return names;
}

// Whether `folder` holds `only` and nothing else.
bool HoldsOnly(const std::string& folder, const std::string& only) {
    const std::vector<std::string> names = Entries(folder, 2);
    return names.size() == 1 && UninstallList::SameName(names.front(), only);
}

std::string LastPart(const std::string& path) {
    return path.substr(path.find_last_of('\\') + 1);
}

bool ScheduleDeletion(const std::string& path) {
    return MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

} // namespace

bool RemoveListedFiles(const std::string& folder, const std::string& ownName) {
    const std::string listPath = folder + "\\" + UninstallList::ListFile;
    std::string text;
    if (IsLink(GetFileAttributesA(listPath.c_str())) || !ReadList(listPath, text))
        return false;
    size_t refused = 0;
    const std::vector<std::string> names = UninstallList::ReadNames(text, refused);
    bool complete = refused == 0;
    std::vector<std::string> folders;
    for (const std::string& name : names) {
        if (UninstallList::SameName(name, ownName) ||
            UninstallList::SameName(name, UninstallList::ListFile))
            continue; // they go last
        const bool gone = RemoveFile(folder, name);
        complete = complete && gone;
        if (gone)
            for (const std::string& below : UninstallList::FoldersOf(name))
                folders.push_back(below);
    }
    // Deepest first; a folder that still holds something stays.
    const auto depth = [](const std::string& name) {
        return std::count(name.begin(), name.end(), '\\');
    };
    std::sort(folders.begin(), folders.end(),
              [&](const std::string& a, const std::string& b) { return depth(a) > depth(b); });
    for (const std::string& below : folders)
        if (!IsLink(GetFileAttributesA((folder + "\\" + below).c_str())))
            RemoveDirectoryA((folder + "\\" + below).c_str());
    return complete && DeleteFileA(listPath.c_str());
}

bool ScheduleOwnRemoval(const std::string& folder, const std::string& ownName) {
    if (!ScheduleDeletion(folder + "\\" + ownName))
        return false;
    // A folder with a user's file in it stays, and so do its parents.
    if (!HoldsOnly(folder, ownName))
        return true;
    if (!ScheduleDeletion(folder))
        return false;
    std::string child = folder;
    for (const std::string& parent : UninstallList::Parents(folder)) {
        if (IsLink(GetFileAttributesA(parent.c_str())) || !HoldsOnly(parent, LastPart(child)))
            break;
        if (!ScheduleDeletion(parent))
            return false;
        child = parent;
    }
    return true;
}

} // namespace InstallFolder
