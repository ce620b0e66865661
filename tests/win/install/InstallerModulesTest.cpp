// The installer's modules in-process: the PS/2 device detection against the
// real registry, the profile reads, and the import's handling of a missing
// file and of failed writes.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "Ps2Enumeration.h"
#include "ProgramTitle.h"
#include "Settings.h"
#include "WinTestSupport.h"
#include "basINIfile.h"
#include "basMain.h"
#include "basOEM.h"
#include "basVersion.h"

namespace {

TEST(Ps2Detect, FindsTheFirstServedDeviceUntilAnEntryIsMissing) {
    wintest::Ps2Enumeration enumeration;
    const struct {
        std::vector<std::string> entries;
        std::optional<DWORD> count;
        const char* id; // null: nothing found
    } cases[] = {
        {{}, std::nullopt, nullptr},                               // no enumeration key
        {{"ACPI\\PNP0F0B\\1"}, 0, nullptr},                        // COUNT 0
        {{"ACPI\\PNP0F0B\\1"}, std::nullopt, nullptr},             // no COUNT
        {{"ACPI\\PNP0F0B\\1", "ACPI\\PNP0F13\\1"}, 1, "*PNP0F0B"}, // beyond COUNT unread
        {{"", "ACPI\\PNP0F13\\1"}, 2, nullptr}, // a missing entry ends the search
        {{"HID\\X"}, 0xFFFFFFFF, nullptr},
    };
    for (const auto& c : cases) {
        enumeration.Create(c.entries, c.count);
        const std::string what = c.entries.empty() ? "no key" : c.entries.back();
        basOEM::HardwareID = "before";
        EXPECT_EQ(c.id != nullptr, basMain::DetectPs2HardwareId()) << what;
        EXPECT_EQ(c.id ? c.id : "*PNPnone", basOEM::HardwareID) << what;
        basMain::ChoosePs2HardwareId();
        EXPECT_EQ(c.id ? c.id : basVersion::HardwareId, basOEM::HardwareID) << what;
    }
}

// A folder of its own in the temporary folder, removed afterwards.
class InstallFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "tsinstaller" + basVersion::BuildLetter;
        CreateDirectoryA(folder.c_str(), nullptr);
        DeleteFileA((folder + "\\setup.ini").c_str());
        basOEM::InstallPath = folder;
        BasGlobal::SetProgramTitle("Installer Test");
    }
    void TearDown() override {
        DeleteFileA((folder + "\\setup.ini").c_str());
        RemoveDirectoryA(folder.c_str());
    }
    void WriteFile(const std::string& name, const std::string& text) {
        std::ofstream(folder + "\\" + name, std::ios::binary) << text;
    }
    std::string folder;
};

TEST_F(InstallFolder, ProfileValuesLoseTrailingBlanksAndStopAt254Characters) {
    const std::string path = folder + "\\setup.ini";
    WriteFile("setup.ini",
              "[Settings]\r\nA=  12 apples   \r\nB=\r\nC=" + std::string(300, 'x') + "\r\n");
    EXPECT_EQ("12 apples", basINIfile::ReadIniValue(path, "Settings", "A"));
    EXPECT_EQ("", basINIfile::ReadIniValue(path, "Settings", "B"));
    EXPECT_EQ("", basINIfile::ReadIniValue(path, "Settings", "Missing"));
    EXPECT_EQ(std::string(254, 'x'), basINIfile::ReadIniValue(path, "Settings", "C"));
    EXPECT_EQ("", basINIfile::ReadIniValue(folder + "\\none.ini", "Settings", "A"));
    EXPECT_EQ(12, basINIfile::ReadBoundedSetting("A", 0, 64));
    EXPECT_EQ(-1, basINIfile::ReadBoundedSetting("B", 0, 64));
}

TEST_F(InstallFolder, WithoutSetupIniTheImportWritesAndShowsNothing) {
    HKEY settings = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyA(HKEY_LOCAL_MACHINE, e2e::SettingsKeyName().c_str(), &settings));
    RegDeleteValueA(settings, "FeedbackTone");
    wintest::BoxRecorder boxes;
    basINIfile::ImportSetupIni();
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_NE(ERROR_SUCCESS,
              RegQueryValueExA(settings, "FeedbackTone", nullptr, nullptr, nullptr, nullptr));
    RegCloseKey(settings);
}

TEST_F(InstallFolder, AFailedWriteIsReportedAndTheNextValuesAreStillWritten) {
    wintest::BoxRecorder boxes;
    // A key that was deleted after it was opened takes no values.
    HKEY gone = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, "Software\\TsInstallerGone", &gone));
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\TsInstallerGone"));
    basINIfile::SaveSettingValues(gone, {{"FeedbackTone", 1000}, {"MouseSpeed", 0x0A0A0200}});
    RegCloseKey(gone);
    ASSERT_EQ(2u, boxes.Boxes().size());
    EXPECT_EQ("Fail to save settings! (FeedbackTone)", boxes.Boxes()[0].text);
    EXPECT_EQ("Fail to save settings! (MouseSpeed)", boxes.Boxes()[1].text);
    EXPECT_EQ(static_cast<unsigned>(MB_OK), boxes.Boxes()[0].style);
    EXPECT_EQ("Installer Test", boxes.Boxes()[0].title);
}

} // namespace
