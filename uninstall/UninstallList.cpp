#include "UninstallList.h"

#include <cctype>

namespace UninstallList {

namespace {

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

std::vector<std::string> Split(const std::string& name) {
    std::vector<std::string> parts(1);
    for (char c : name) {
        if (c == '\\')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// Device names that Windows gives to any folder, with or without an extension.
bool IsDeviceName(const std::string& part) {
    std::string stem;
    for (char c : part.substr(0, part.find('.')))
        stem += Upper(c);
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL" || stem == "CLOCK$")
        return true;
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           stem[3] >= '1' && stem[3] <= '9';
}

// A part that names itself: no dots only ("..", "..."), no trailing dot or
// blank (Windows drops them, so "a." would be "a"), nothing a path or a
// pattern gives a meaning to.
bool IsPlainPart(const std::string& part) {
    if (part.empty() || part.find_first_not_of('.') == std::string::npos || part.back() == '.' ||
        part.back() == ' ' || IsDeviceName(part))
        return false;
    for (char c : part)
        if (static_cast<unsigned char>(c) < 32 ||
            std::string("<>:\"/|?*").find(c) != std::string::npos)
            return false;
    return true;
}

// Where the root of a full path ends: at the separator of C:\ or the one
// after the share of \\server\share\; npos for a path without such a root.
size_t RootEnd(const std::string& path) {
    if (path.size() >= 3 && path[1] == ':' && path[2] == '\\')
        return 2;
    if (path.compare(0, 2, "\\\\") != 0)
        return std::string::npos;
    const size_t server = path.find('\\', 2);
    return server == std::string::npos ? server : path.find('\\', server + 1);
}

std::string WithoutTrailingSeparators(std::string path, size_t rootEnd) {
    while (path.size() > rootEnd + 1 && path.back() == '\\')
        path.pop_back();
    return path;
}

std::string Trimmed(const std::string& line) {
    const char* const blanks = " \t\r";
    const size_t first = line.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    return line.substr(first, line.find_last_not_of(blanks) - first + 1);
}

} // namespace

bool IsInsideName(const std::string& name) {
    for (const std::string& part : Split(name))
        if (!IsPlainPart(part))
            return false;
    return true;
}

std::vector<std::string> ReadNames(const std::string& text, size_t& refused) {
    std::vector<std::string> names;
    refused = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string name = Trimmed(text.substr(start, end - start));
        start = end + 1;
        if (name.empty() || name[0] == ';')
            continue;
        for (char& c : name)
            c = c == '/' ? '\\' : c;
        if (IsInsideName(name))
            names.push_back(name);
        else
            ++refused;
    }
    return names;
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i]))
            return false;
    return true;
}

std::vector<std::string> PathsOnTheWay(const std::string& folder, const std::string& name) {
    std::vector<std::string> paths{folder};
    for (const std::string& part : Split(name))
        paths.push_back(paths.back() + "\\" + part);
    return paths;
}

std::vector<std::string> FoldersOf(const std::string& name) {
    std::vector<std::string> folders;
    for (size_t at = name.rfind('\\'); at != std::string::npos && at > 0;
         at = name.rfind('\\', at - 1))
        folders.push_back(name.substr(0, at));
    return folders;
}

std::vector<std::string> Parents(const std::string& folder) {
    const size_t rootEnd = RootEnd(folder);
    std::vector<std::string> parents;
    if (rootEnd == std::string::npos)
        return parents;
    const std::string path = WithoutTrailingSeparators(folder, rootEnd);
    for (size_t at = path.rfind('\\'); at != std::string::npos && at > rootEnd;
         at = path.rfind('\\', at - 1))
        parents.push_back(path.substr(0, at));
    return parents;
}

bool IsOwnFolderAllowed(const std::string& folder, const std::vector<std::string>& systemFolders) {
    const size_t rootEnd = RootEnd(folder);
    if (rootEnd == std::string::npos ||
        WithoutTrailingSeparators(folder, rootEnd).size() <= rootEnd + 1)
        return false;
    for (const std::string& system : systemFolders) {
        const std::string inside = WithoutTrailingSeparators(system, 0) + "\\";
        if (inside.size() > 1 &&
            (SameName(folder + "\\", inside) || SameName(folder.substr(0, inside.size()), inside)))
            return false;
    }
    return true;
}

} // namespace UninstallList
