#include "PathRules.h"

namespace PathRules {

namespace {

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "\\server\share": a server name and a share name, neither empty.
bool IsSharePath(const std::string& path) {
    if (path.compare(0, 2, "\\\\") != 0)
        return false;
    const size_t serverEnd = path.find('\\', 2);
    return serverEnd != std::string::npos && serverEnd > 2 && serverEnd + 1 < path.size() &&
           path[serverEnd + 1] != '\\';
}

} // namespace

bool IsAbsolutePath(const std::string& path) {
    const bool onDrive =
        path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && path[2] == '\\';
    return onDrive || IsSharePath(path);
}

} // namespace PathRules
