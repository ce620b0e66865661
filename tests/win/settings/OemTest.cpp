// The installation identity and the calibration mode in the suite's real
// settings key (HKEY_LOCAL_MACHINE, 32-bit view) of this build.
#include <gtest/gtest.h>

#include "RegistryTestSupport.h"
#include "basOEM.h"
#include "basVersion.h"

namespace {

using namespace settingstest;

// Written out here rather than taken from the build constants, so that a
// wrong constant shows.
const std::string SuitePath = "SOFTWARE\\Orvalith\\TouchScreen";
const std::string OwnKey = SuitePath + (TS_BUILD_PS2 ? "\\TS-PS2" : "\\TS-COM");
const std::string OtherKey = SuitePath + (TS_BUILD_PS2 ? "\\TS-COM" : "\\TS-PS2");

const char* const IdentityNames[] = {"VenderName",  "VenderStyle", "InstallPath",
                                     "WindowsPath", "SystemPath",  "HardwareID"};

std::string* IdentityValues[] = {&basOEM::VenderName,  &basOEM::VenderStyle, &basOEM::InstallPath,
                                 &basOEM::WindowsPath, &basOEM::SystemPath,  &basOEM::HardwareID};

// The text stored for `name`: "<name><tag>", on drive C for the three folder
// paths, which must be absolute.
std::string Tagged(const std::string& name, const std::string& tag) {
    const bool folder = name == "InstallPath" || name == "WindowsPath" || name == "SystemPath";
    return (folder ? "C:\\" : "") + name + tag;
}

class SuiteKey : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, OwnKey);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, OtherKey);
        basOEM::SetSettingsLocation(HKEY_LOCAL_MACHINE, basVersion::SettingsKeyPath,
                                    basVersion::SettingsSubkey);
        for (std::string* value : IdentityValues)
            *value = "before";
        basOEM::CalibrationMode = 0;
    }
    void TearDown() override {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, OwnKey);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, OtherKey);
    }
    // Every identity value as "<name> <tag>", except the one named `skip`.
    void PutIdentity(const std::string& path, const std::string& tag, const char* skip = "") {
        for (const char* name : IdentityNames) {
            if (std::string(name) == skip)
                continue;
            ASSERT_TRUE(PutString(HKEY_LOCAL_MACHINE, path, name, Tagged(name, tag)));
        }
    }
};

TEST_F(SuiteKey, OpenSuiteKeyReadsTheIdentityOfThisBuildsKey) {
    PutIdentity(OwnKey, " own");
    PutIdentity(OtherKey, " other");
    basOEM::SetSettingsLocation(HKEY_CURRENT_USER, "Software\\Elsewhere", "X");
    EXPECT_TRUE(basOEM::OpenSuiteKey());
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(Tagged(IdentityNames[i], " own"), *IdentityValues[i]);

    // The location stays set for the operations that follow.
    basOEM::CalibrationMode = 1;
    EXPECT_TRUE(basOEM::SaveCalibrationMode());
    EXPECT_EQ(REG_DWORD, GetRaw(HKEY_LOCAL_MACHINE, OwnKey, "CalibrationMode").type);
    EXPECT_FALSE(GetRaw(HKEY_LOCAL_MACHINE, OtherKey, "CalibrationMode").present);
}

TEST_F(SuiteKey, AFreshSystemGetsAnEmptyKeyAndTheLoadFails) {
    EXPECT_FALSE(basOEM::OpenSuiteKey());
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, OwnKey)) << "opening creates the key";
    for (std::string* value : IdentityValues)
        EXPECT_EQ("before", *value);
}

TEST_F(SuiteKey, OneMissingValueFailsTheLoadButTheOthersAreRead) {
    for (const char* missing : IdentityNames) {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, OwnKey);
        PutIdentity(OwnKey, " set", missing);
        for (std::string* value : IdentityValues)
            *value = "before";
        EXPECT_FALSE(basOEM::LoadIdentity()) << "without " << missing;
        for (int i = 0; i < 6; i++) {
            std::string expected = IdentityNames[i] == std::string(missing)
                                       ? "before"
                                       : Tagged(IdentityNames[i], " set");
            EXPECT_EQ(expected, *IdentityValues[i]) << "without " << missing;
        }
    }
}

TEST_F(SuiteKey, AnEmptyOrRelativeFolderPathCountsAsMissing) {
    for (int i = 2; i <= 4; i++) { // InstallPath, WindowsPath, SystemPath
        for (const char* path : {"", "\\TouchScreen"}) {
            PutIdentity(OwnKey, " set");
            ASSERT_TRUE(PutString(HKEY_LOCAL_MACHINE, OwnKey, IdentityNames[i], path));
            *IdentityValues[i] = "before";
            EXPECT_FALSE(basOEM::LoadIdentity()) << IdentityNames[i] << " \"" << path << '"';
            EXPECT_EQ("before", *IdentityValues[i]) << "left as it was";
        }
    }
}

TEST_F(SuiteKey, ALeadingBackslashInTheSubkeyIsDropped) {
    PutIdentity(OwnKey, " own");
    basOEM::SetSettingsLocation(HKEY_LOCAL_MACHINE, SuitePath,
                                std::string("\\") + basVersion::SettingsSubkey);
    EXPECT_TRUE(basOEM::LoadIdentity());
    EXPECT_EQ("VenderName own", basOEM::VenderName);
    EXPECT_TRUE(basOEM::LoadIdentity()) << "and stays dropped for the next open";
}

TEST_F(SuiteKey, AKeyThatCannotBeOpenedFailsEveryOperation) {
    basOEM::SetSettingsLocation(HKEY_LOCAL_MACHINE, "", basVersion::SettingsSubkey);
    EXPECT_FALSE(basOEM::LoadIdentity());
    EXPECT_FALSE(basOEM::SaveVenderName());
    EXPECT_FALSE(basOEM::SaveVenderStyle());
    EXPECT_FALSE(basOEM::SaveHardwareId());
    EXPECT_FALSE(basOEM::LoadCalibrationMode());
    EXPECT_FALSE(basOEM::SaveCalibrationMode());
    EXPECT_EQ("before", basOEM::VenderName);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, OwnKey));
}

TEST_F(SuiteKey, SavesWriteTheProcessWideValuesAsText) {
    basOEM::VenderName = "Acme Displays";
    basOEM::VenderStyle = "11121214";
    basOEM::HardwareID = "*PNP0F03";
    EXPECT_TRUE(basOEM::SaveVenderName());
    EXPECT_TRUE(basOEM::SaveVenderStyle());
    EXPECT_TRUE(basOEM::SaveHardwareId());
    struct Expected {
        const char* name;
        std::string bytes;
    };
    for (const Expected& e : {Expected{"VenderName", std::string("Acme Displays\0", 14)},
                              Expected{"VenderStyle", std::string("11121214\0", 9)},
                              Expected{"HardwareID", std::string("*PNP0F03\0", 9)}}) {
        RawValue raw = GetRaw(HKEY_LOCAL_MACHINE, OwnKey, e.name);
        EXPECT_EQ(REG_SZ, raw.type) << e.name;
        EXPECT_EQ(e.bytes, raw.bytes) << e.name;
    }
    EXPECT_FALSE(GetRaw(HKEY_LOCAL_MACHINE, OwnKey, "InstallPath").present)
        << "only the named value is written";
}

TEST_F(SuiteKey, CalibrationModeLoadsOnlyFromANumber) {
    basOEM::CalibrationMode = 1;
    EXPECT_FALSE(basOEM::LoadCalibrationMode()) << "no value yet";
    EXPECT_EQ(1, basOEM::CalibrationMode);

    ASSERT_TRUE(PutString(HKEY_LOCAL_MACHINE, OwnKey, "CalibrationMode", "1"));
    basOEM::CalibrationMode = 0;
    EXPECT_FALSE(basOEM::LoadCalibrationMode()) << "a string is not a number";
    EXPECT_EQ(0, basOEM::CalibrationMode);

    // The control panel then writes its value back, as a number.
    EXPECT_TRUE(basOEM::SaveCalibrationMode());
    RawValue raw = GetRaw(HKEY_LOCAL_MACHINE, OwnKey, "CalibrationMode");
    EXPECT_EQ(REG_DWORD, raw.type);
    EXPECT_EQ(std::string(4, '\0'), raw.bytes);

    ASSERT_TRUE(PutDword(HKEY_LOCAL_MACHINE, OwnKey, "CalibrationMode", 1));
    EXPECT_TRUE(basOEM::LoadCalibrationMode());
    EXPECT_EQ(1, basOEM::CalibrationMode);
    ASSERT_TRUE(PutDword(HKEY_LOCAL_MACHINE, OwnKey, "CalibrationMode", 5));
    EXPECT_TRUE(basOEM::LoadCalibrationMode()) << "the range is the control panel's to check";
    EXPECT_EQ(5, basOEM::CalibrationMode);
}

} // namespace
