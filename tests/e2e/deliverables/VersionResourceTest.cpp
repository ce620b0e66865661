// Each program of the build in the deliverables folder carries the suite's
// version resource: product 7.0, file 7.0.0.4, and its own file name.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Deliverables.h"
#include "basVersion.h"

namespace {

// "KVD2K" + build letter + role code + ".exe" in the deliverables folder.
std::set<std::string> ProgramsOfThisBuild() {
    std::set<std::string> names;
    const std::string pattern =
        e2e::DeliverDir() + "\\KVD" + basVersion::OsCode + basVersion::BuildLetter + "??.exe";
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.insert(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string StringValue(const std::vector<char>& info, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904b0\\") + name;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
        return "<missing>";
    return std::string(value, length > 0 ? length - 1 : 0);
}

TEST(VersionResource, EveryProgramCarriesTheSuiteVersionAndItsOwnName) {
    const std::set<std::string> programs = ProgramsOfThisBuild();
    for (const char* program :
         {basVersion::ControlPanelFile, basVersion::StartupAgentFile, basVersion::RightButtonFile,
          basVersion::InstallerFile, basVersion::RemovalFile})
        EXPECT_TRUE(programs.count(program)) << program << " is built";
    for (const std::string& program : programs) {
        const std::string path = e2e::DeliverablePath(program);
        DWORD ignored = 0;
        std::vector<char> info(GetFileVersionInfoSizeA(path.c_str(), &ignored));
        ASSERT_FALSE(info.empty()) << program << " has no version resource";
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, info.size(), info.data())) << program;

        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
        EXPECT_EQ(MAKELONG(0, 7), fixed->dwFileVersionMS) << program << " file version 7.0";
        EXPECT_EQ(MAKELONG(4, 0), fixed->dwFileVersionLS) << program << " file version .0.4";
        EXPECT_EQ(MAKELONG(0, 7), fixed->dwProductVersionMS) << program << " product version 7.0";
        EXPECT_EQ("7.0.0.4", StringValue(info, "FileVersion")) << program;
        EXPECT_EQ("7.0", StringValue(info, "ProductVersion")) << program;
        EXPECT_EQ(program, StringValue(info, "OriginalFilename")) << program;
    }
}

} // namespace
