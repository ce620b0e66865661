// Where the built programs are: the deliverables folder named by the
// environment variable TS_DELIVER_DIR (a Unix path), seen from inside Wine
// through drive Z:.
#pragma once

#include <string>

namespace e2e {

// The Unix path in TS_DELIVER_DIR; empty (and a failure) when unset.
std::string DeliverDirUnix();
// "Z:" + the Unix path with every '/' turned into '\'.
std::string ToWindowsPath(const std::string& unixPath);
// The deliverables folder as the programs see it, without trailing backslash.
std::string DeliverDir();
// Full Windows path of a deliverable, e.g. DeliverablePath("KVD2KCrb.exe").
std::string DeliverablePath(const std::string& fileName);

} // namespace e2e
