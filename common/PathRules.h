// Which folder paths read from the settings key the programs may use. Pure.
#pragma once

#include <string>

namespace PathRules {

// True for a path on a drive ("X:\...") or on a share ("\\server\share...").
// An empty path or one relative to the current drive or folder is not
// absolute: a program run from it would be whichever one lies there.
bool IsAbsolutePath(const std::string& path);

} // namespace PathRules
