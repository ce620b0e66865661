// Which folder paths from the settings key count as absolute.
#include <gtest/gtest.h>

#include "PathRules.h"

namespace {

TEST(PathRules, OnlyDrivePathsAndSharePathsAreAbsolute) {
    const struct {
        const char* path;
        bool absolute;
    } cases[] = {
        {"C:\\Program Files\\TouchScreen", true},
        {"z:\\", true},
        {"\\\\server\\share\\TouchScreen", true},
        {"\\\\server\\share", true},
        {"", false},
        {"\\", false},
        {"\\TouchScreen", false}, // the root of the current drive
        {"TouchScreen", false},
        {".\\TouchScreen", false},
        {"C:", false},
        {"C:TouchScreen", false}, // the current folder of drive C
        {"1:\\x", false},
        {"\\\\", false},
        {"\\\\server", false},
        {"\\\\server\\", false},
        {"\\\\\\share", false},
        {" C:\\x", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.absolute, PathRules::IsAbsolutePath(c.path)) << '"' << c.path << '"';
}

} // namespace
