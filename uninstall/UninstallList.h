// The rules of the uninstaller that need no system call: which lines of the
// list that setup writes name a file to remove, and which folders a name
// passes through. Everything here keeps the uninstaller inside its folder.
#pragma once

#include <string>
#include <vector>

namespace UninstallList {

// The list's file name, beside the uninstaller.
constexpr const char* ListFile = "unins000.dat";

// The names a list text gives, in order, each relative to the install folder
// with '\' between its parts. Blank lines and lines whose first non-blank
// character is ';' are skipped. A name that could lead out of the folder
// (absolute, with a drive, UNC, "..", or a part Windows would reinterpret)
// is not given but counted in `refused`.
std::vector<std::string> ReadNames(const std::string& text, size_t& refused);

// Whether a name stays inside the install folder as written.
bool IsInsideName(const std::string& name);

// Case-insensitive comparison, as Windows compares file names.
bool SameName(const std::string& a, const std::string& b);

// The folder and then each path on the way to `name` below it:
// ("C:\I", "a\b\f.txt") gives "C:\I", "C:\I\a", "C:\I\a\b", "C:\I\a\b\f.txt".
std::vector<std::string> PathsOnTheWay(const std::string& folder, const std::string& name);

// The folders of `name` below the install folder, deepest first, to be
// removed when they are left empty: "a\b\f.txt" gives "a\b", "a".
std::vector<std::string> FoldersOf(const std::string& name);

// The parents of a full folder path, nearest first, never a root:
// "C:\P\O\T" gives "C:\P\O", "C:\P"; "\\server\share\a\b" gives
// "\\server\share\a".
std::vector<std::string> Parents(const std::string& folder);

// Whether the uninstaller may work in `folder`: a folder below a root, and
// neither one of the system's folders (the Windows folder, its system
// folder) nor inside one. The uninstaller never touches those.
bool IsOwnFolderAllowed(const std::string& folder, const std::vector<std::string>& systemFolders);

} // namespace UninstallList
