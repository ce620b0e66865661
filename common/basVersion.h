// Suite naming and build constants. One switch, TS_BUILD_PS2, selects the
// serial (0) or the PS/2 (1) column; every program of a build uses the same values.
#pragma once

#include "BuildNames.h"

namespace basVersion {

constexpr bool IsPs2Build = TS_BUILD_PS2 != 0;

constexpr const char* BuildLetter = TS_BUILD_LETTER;
constexpr const char* BuildWord = TS_BUILD_WORD;
constexpr const char* DriverName = TS_DRIVER_NAME;
constexpr const char* DriverFile = TS_DRIVER_NAME ".sys";
constexpr const char* DeviceName = "\\\\.\\" TS_DRIVER_NAME;
constexpr const char* HardwareId = TS_HARDWARE_ID;
constexpr const char* VersionText = TS_VERSION_TEXT;
constexpr const char* ProductLabel = TS_PRODUCT_LABEL;

// Serial port names use "COM" in both builds.
constexpr const char* PortPrefix = "COM";

// Operating-system code in every file name; the suite targets Windows 2000 only.
constexpr const char* OsCode = "2K";

// File names: "KVD" + OS code + build letter + role code + extension.
constexpr const char* ControlPanelFile = IsPs2Build ? "KVD2KPcp.exe" : "KVD2KCcp.exe";
constexpr const char* StartupAgentFile = IsPs2Build ? "KVD2KPao.exe" : "KVD2KCao.exe";
constexpr const char* RightButtonFile = IsPs2Build ? "KVD2KPrb.exe" : "KVD2KCrb.exe";
constexpr const char* InstallerFile = IsPs2Build ? "KVD2KPdi.exe" : "KVD2KCdi.exe";
constexpr const char* RemovalFile = IsPs2Build ? "KVD2KPde.exe" : "KVD2KCde.exe";
constexpr const char* SmiProgramFile = IsPs2Build ? "KVD2KPvr.exe" : "KVD2KCvr.exe";
constexpr const char* RegistrationFile = "KVD2KReg.exe";

// Branding files keep their names in both builds.
constexpr const char* LogoFile = "TSLogo.Bmp";
constexpr const char* VenderBitmapFile = "TSVender.Bmp";
constexpr const char* VenderCutFile = "TSVender.Cut";

// Application titles; the leading blanks belong to the titles.
constexpr const char* ControlPanelTitle =
    IsPs2Build ? " TouchScreen Control Panel #TS-PS2" : " TouchScreen Control Panel #TS-COM";
constexpr const char* StartupAgentTitle =
    IsPs2Build ? " TouchScreen System Startup #TS-PS2" : " TouchScreen Startup #TS-COM";
constexpr const char* RightButtonTitle =
    IsPs2Build ? " TouchScreen Right-Button #TS-PS2" : " TouchScreen Right-Button #TS-COM";
constexpr const char* RemovalTitle =
    IsPs2Build ? "TouchScreen Software Removal" : "TouchScreen Software Removal #TS-COM";
constexpr const char* InstallerTitle =
    IsPs2Build ? "TouchScreen Driver Installation" : "TouchScreen Driver Installation #TS-COM";

// Settings key (HKEY_LOCAL_MACHINE): key path and product subkey.
constexpr const char* SettingsKeyPath = TS_SETTINGS_ROOT "\\" TS_SETTINGS_VENDOR_PATH;
constexpr const char* SettingsSubkey = ProductLabel;

} // namespace basVersion
