// The uninstaller's rules: which lines of setup's list it removes, the paths
// it checks for links on the way, the folders it may remove, and /SILENT.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SilentSwitch.h"
#include "UninstallList.h"

namespace {

using Names = std::vector<std::string>;

TEST(UninstallList, LinesOfTheList) {
    const struct {
        const char* text;
        Names names;
        size_t refused;
    } cases[] = {
        {"", {}, 0},
        {"KVD2KCcp.exe\r\nsetup.ini\r\n", {"KVD2KCcp.exe", "setup.ini"}, 0},
        {"a.exe\nb.exe", {"a.exe", "b.exe"}, 0}, // no line end after the last
        {"; comment\r\n\r\n   \r\n\t; indented comment\r\nx.dll\r\n", {"x.dll"}, 0},
        {"  spaced.txt \t\r\n", {"spaced.txt"}, 0},
        {"sub/dir/f.bmp\r\n", {"sub\\dir\\f.bmp"}, 0},
        {"file;not a comment\r\n", {"file;not a comment"}, 0},
        // Names leading out of the folder.
        {"..\\Windows\\KVD2KReg.exe\r\nok.exe\r\n", {"ok.exe"}, 1},
        {"sub\\..\\..\\x\r\n", {}, 1},
        {"C:\\WINDOWS\\x.exe\r\nC:x.exe\r\n", {}, 2},
        {"\\x.exe\r\n/x.exe\r\n", {}, 2},
        {"\\\\server\\share\\x.exe\r\n//server/share/x\r\n", {}, 2},
        {"\\\\?\\C:\\x.exe\r\n\\\\.\\C:\\x\r\n", {}, 2},
        // Parts Windows reads otherwise: trailing dots and blanks, dots only,
        // empty parts, streams, patterns, devices.
        {"...\\x\r\n.\\x\r\nsub.\\x\r\nsub \\x\r\na\\\\b\r\nsub\\\r\n", {}, 6},
        {"x.exe:stream\r\n*.exe\r\nx?.exe\r\nx|y\r\n", {}, 4},
        {"CON\r\nnul.txt\r\nsub\\COM1\r\nLPT9.log\r\nCOM10\r\nconsole.txt\r\n",
         {"COM10", "console.txt"},
         4},
        {"a\x01"
         "b\r\n",
         {},
         1},
    };
    for (const auto& c : cases) {
        size_t refused = 99;
        EXPECT_EQ(c.names, UninstallList::ReadNames(c.text, refused)) << c.text;
        EXPECT_EQ(c.refused, refused) << c.text;
    }
}

TEST(UninstallList, PathsCheckedForLinksOnTheWay) {
    EXPECT_EQ((Names{"C:\\I", "C:\\I\\f.exe"}), UninstallList::PathsOnTheWay("C:\\I", "f.exe"));
    EXPECT_EQ((Names{"C:\\I", "C:\\I\\a", "C:\\I\\a\\b", "C:\\I\\a\\b\\f.txt"}),
              UninstallList::PathsOnTheWay("C:\\I", "a\\b\\f.txt"));
}

TEST(UninstallList, FoldersLeftToRemove) {
    const struct {
        const char* name;
        Names folders;
    } cases[] = {
        {"f.exe", {}},
        {"a\\f.exe", {"a"}},
        {"a\\b\\c\\f.exe", {"a\\b\\c", "a\\b", "a"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.folders, UninstallList::FoldersOf(c.name)) << c.name;

    const struct {
        const char* folder;
        Names parents;
    } parents[] = {
        {"C:\\Program Files\\Orvalith\\TouchScreen\\TS-COM",
         {"C:\\Program Files\\Orvalith\\TouchScreen", "C:\\Program Files\\Orvalith",
          "C:\\Program Files"}},
        {"C:\\TS\\", {}},
        {"C:\\TS", {}},
        {"C:\\", {}},
        {"\\\\server\\share\\a\\b", {"\\\\server\\share\\a"}},
        {"\\\\server\\share", {}},
        {"relative\\folder", {}},
    };
    for (const auto& c : parents)
        EXPECT_EQ(c.parents, UninstallList::Parents(c.folder)) << c.folder;
}

TEST(UninstallList, NeverWorksInARootOrASystemFolder) {
    const Names system = {"C:\\WINNT", "C:\\WINNT\\system32\\"};
    const struct {
        const char* folder;
        bool allowed;
    } cases[] = {
        {"C:\\Program Files\\Orvalith\\TouchScreen\\TS-COM", true},
        {"C:\\TS", true},
        {"C:\\TS\\", true},
        {"\\\\server\\share\\TS", true},
        {"C:\\WINNTX", true},
        {"C:\\", false},
        {"C:", false},
        {"\\\\server\\share", false},
        {"\\\\server\\share\\", false},
        {"relative", false},
        {"C:\\WINNT", false},
        {"c:\\winnt\\", false},
        {"C:\\WINNT\\TouchScreen", false},
        {"C:\\WINNT\\SYSTEM32", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.allowed, UninstallList::IsOwnFolderAllowed(c.folder, system)) << c.folder;
}

TEST(UninstallList, NamesCompareAsWindowsDoes) {
    EXPECT_TRUE(UninstallList::SameName("UNINS000.EXE", "unins000.exe"));
    EXPECT_FALSE(UninstallList::SameName("unins000.exe", "unins000.ex"));
    EXPECT_FALSE(UninstallList::SameName("unins000.exe", "unins001.exe"));
}

TEST(SilentSwitch, AnyLetterCaseAsAWordOfItsOwn) {
    const struct {
        const char* arguments;
        bool silent;
    } cases[] = {
        {"/SILENT", true},      {"/silent", true},
        {"/Silent", true},      {"  /SILENT  ", true},
        {"/X /silent", true},   {"\t/SILENT\t/Y", true},
        {"\"/SILENT\"", true},  {"", false},
        {nullptr, false},       {"/SILENTLY", false},
        {"/VERYSILENT", false}, {"SILENT", false},
        {"-SILENT", false},     {"/SIL", false},
        {"x/SILENT", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.silent, SilentSwitch::IsSilent(c.arguments))
            << (c.arguments ? c.arguments : "(null)");
}

} // namespace
