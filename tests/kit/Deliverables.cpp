#include "Deliverables.h"

#include <windows.h>

#include "Failure.h"

namespace e2e {

std::string DeliverDirUnix() {
    char value[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableA("TS_DELIVER_DIR", value, sizeof value);
    if (length == 0 || length >= sizeof value) {
        KIT_FAILURE() << "TS_DELIVER_DIR is not set (or longer than " << MAX_PATH << ")";
        return std::string();
    }
    return std::string(value, length);
}

std::string ToWindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
}

std::string DeliverDir() {
    return ToWindowsPath(DeliverDirUnix());
}

std::string DeliverablePath(const std::string& fileName) {
    return DeliverDir() + "\\" + fileName;
}

} // namespace e2e
