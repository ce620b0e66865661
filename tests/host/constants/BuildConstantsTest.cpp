// Every build constant against its literal value in both builds, written out
// here rather than composed: a typo in a title would otherwise pass every
// test, and single instance, which finds windows by title, would fail quietly.
#include <gtest/gtest.h>

#include <string>

#include "basVersion.h"

namespace {

struct Expected {
    const char* name;
    const char* actual;
    const char* serial;
    const char* ps2;
};

const Expected Constants[] = {
    {"BuildLetter", basVersion::BuildLetter, "C", "P"},
    {"BuildWord", basVersion::BuildWord, "COM", "PS2"},
    {"DriverName", basVersion::DriverName, "KVD2KCOM", "KVD2KPS2"},
    {"DriverFile", basVersion::DriverFile, "KVD2KCOM.sys", "KVD2KPS2.sys"},
    {"DeviceName", basVersion::DeviceName, "\\\\.\\KVD2KCOM", "\\\\.\\KVD2KPS2"},
    {"HardwareId", basVersion::HardwareId, "*ZKT0001", "*PNP0F03"},
    {"VersionText", basVersion::VersionText, "7.0.COM", "7.0.PS2"},
    {"ProductLabel", basVersion::ProductLabel, "TS-COM", "TS-PS2"},
    {"PortPrefix", basVersion::PortPrefix, "COM", "COM"},
    {"OsCode", basVersion::OsCode, "2K", "2K"},
    {"ControlPanelFile", basVersion::ControlPanelFile, "KVD2KCcp.exe", "KVD2KPcp.exe"},
    {"StartupAgentFile", basVersion::StartupAgentFile, "KVD2KCao.exe", "KVD2KPao.exe"},
    {"RightButtonFile", basVersion::RightButtonFile, "KVD2KCrb.exe", "KVD2KPrb.exe"},
    {"InstallerFile", basVersion::InstallerFile, "KVD2KCdi.exe", "KVD2KPdi.exe"},
    {"RemovalFile", basVersion::RemovalFile, "KVD2KCde.exe", "KVD2KPde.exe"},
    {"SmiProgramFile", basVersion::SmiProgramFile, "KVD2KCvr.exe", "KVD2KPvr.exe"},
    {"RegistrationFile", basVersion::RegistrationFile, "KVD2KReg.exe", "KVD2KReg.exe"},
    {"LogoFile", basVersion::LogoFile, "TSLogo.Bmp", "TSLogo.Bmp"},
    {"VenderBitmapFile", basVersion::VenderBitmapFile, "TSVender.Bmp", "TSVender.Bmp"},
    {"VenderCutFile", basVersion::VenderCutFile, "TSVender.Cut", "TSVender.Cut"},
    {"ControlPanelTitle", basVersion::ControlPanelTitle, " TouchScreen Control Panel #TS-COM",
     " TouchScreen Control Panel #TS-PS2"},
    {"StartupAgentTitle", basVersion::StartupAgentTitle, " TouchScreen Startup #TS-COM",
     " TouchScreen System Startup #TS-PS2"},
    {"RightButtonTitle", basVersion::RightButtonTitle, " TouchScreen Right-Button #TS-COM",
     " TouchScreen Right-Button #TS-PS2"},
    {"RemovalTitle", basVersion::RemovalTitle, "TouchScreen Software Removal #TS-COM",
     "TouchScreen Software Removal"},
    {"InstallerTitle", basVersion::InstallerTitle, "TouchScreen Driver Installation #TS-COM",
     "TouchScreen Driver Installation"},
    {"SettingsKeyPath", basVersion::SettingsKeyPath, "SOFTWARE\\Orvalith\\TouchScreen",
     "SOFTWARE\\Orvalith\\TouchScreen"},
    {"SettingsSubkey", basVersion::SettingsSubkey, "TS-COM", "TS-PS2"},
};

TEST(BuildConstants, EachHasTheLiteralValueOfItsBuild) {
    for (const Expected& c : Constants)
        EXPECT_EQ(basVersion::IsPs2Build ? c.ps2 : c.serial, std::string(c.actual)) << c.name;
}

} // namespace
