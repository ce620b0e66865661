// The driver installation as the distributor's setup runs it: started once,
// without arguments, from an install folder, against an identity that names
// a test install folder and a test Windows folder.
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "E2e.h"
#include "Ps2Enumeration.h"
#include "ShowWatch.h"
#include "basOEM.h"
#include "basVersion.h"

namespace {

// Boundaries, a half, a text, an out-of-range value and the two packed values.
const std::string SetupIni = "[Settings]\r\nCalibrationMode=1\r\nVirtualButton=2.5\r\n"
                             "FeedbackSound=abc\r\nFeedbackTone=5000\r\nDoubleClickWidth=65\r\n"
                             "RightButtonAutoMode=1\r\nRightButtonAutoSTime=3\r\n"
                             "RightButtonAutoETime=4\r\nRightButtonAutoBeep=1\r\n"
                             "MouseHSpeed=10\r\nMouseVSpeed=10\r\nMouseAcceleration=2\r\n"
                             "MouseBypass=0\r\n";
const std::string SetupOem = "[SETUP]\r\nTITLE=Acme Touch Systems   \r\nSTYLE=      \r\n";
const std::string DriverInf = "[Version]\r\nSignature=\"$CHICAGO$\"\r\n\r\n"
                              "[Strings]\r\nOEM_CALL=\"old\"\r\n"
                              "MouseClassName=\"Mouse (own)\"\r\ni8042prt.SvcDesc=\"own port\"\r\n";
const std::string SystemMouseInf = "[Strings]\r\nmouclass.SvcDesc=\"Mouse Class Driver\"\r\n"
                                   "i8042prt.SvcDesc=\"i8042 Keyboard and PS/2 Mouse Port "
                                   "Driver\"\r\nMouseClassName=\r\n";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The lines of a text, without their line ends.
[[maybe_unused]] std::set<std::string> LinesOf(const std::string& text) {
    std::set<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.insert(line);
    }
    return lines;
}

class Installation : public e2e::Scenario {
  protected:
    void SetUp() override {
        e2e::Scenario::SetUp();
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        root = std::string(temp) + "tsinstall" + basVersion::BuildLetter;
        installFolder = root + "\\Program";
        windowsFolder = root + "\\WINDOWS";
        ASSERT_EQ(std::string::npos, windowsFolder.find(' '))
            << "the registration command line takes no blanks: " << windowsFolder;
        for (const std::string& folder :
             {root, installFolder, windowsFolder, windowsFolder + "\\inf"})
            CreateDirectoryA(folder.c_str(), nullptr);
        for (const char* file : {"setup.ini", "setup.oem"})
            DeleteFileA((installFolder + "\\" + file).c_str());
        DeleteFileA(RegistrationLog().c_str());
        ASSERT_TRUE(CopyFileA(e2e::DeliverablePath(basVersion::InstallerFile).c_str(),
                              Installer().c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(e2e::DeliverablePath(basVersion::RegistrationFile).c_str(),
                              (windowsFolder + "\\" + basVersion::RegistrationFile).c_str(),
                              FALSE));
        WriteFile(DriverInfPath(), DriverInf);
        WriteFile(windowsFolder + "\\inf\\MSMOUSE.inf", SystemMouseInf);
    }

    std::string Installer() const { return installFolder + "\\" + basVersion::InstallerFile; }
    std::string DriverInfPath() const { return windowsFolder + "\\inf\\KVD2KPS2.INF"; }
    std::string RegistrationLog() const { return windowsFolder + "\\KVD2KReg.log"; }

    e2e::Program& StartInstaller() { return StartPath(Installer()); }

    // Without its identity the installer stops at once and writes nothing,
    // its progress window standing while it says so.
    void WithoutIdentityNothingIsWritten() {
        e2e::ClearSettingsKey();
        WriteFile(installFolder + "\\setup.ini", SetupIni);
        e2e::Program& installer = StartInstaller();
        e2e::MessageBoxInfo box = e2e::WaitForMessageBox(installer.Id());
        ASSERT_TRUE(box.window);
        EXPECT_EQ(basOEM::LoadFailureText, box.text);
        EXPECT_EQ(basVersion::InstallerTitle, box.title);
        HWND progress = e2e::FindForm(installer.Id(), "frmMessage");
        ASSERT_TRUE(progress) << "the progress window";
        EXPECT_TRUE(IsWindowVisible(progress));
        EXPECT_EQ(basVersion::InstallerTitle, e2e::TextOf(progress));
        ASSERT_TRUE(e2e::AnswerMessageBox(box, IDOK));
        EXPECT_TRUE(installer.WaitForExit());

        for (const char* name : {"CalibrationMode", "VirtualButton", "MouseSpeed"}) {
            DWORD value = 0;
            EXPECT_FALSE(e2e::ReadSettingDword(name, value)) << name << " = " << value;
        }
        std::string value;
        EXPECT_FALSE(e2e::ReadSettingString("HardwareID", value)) << value;
        EXPECT_EQ(DriverInf, ReadFile(DriverInfPath()));
        EXPECT_FALSE(Exists(RegistrationLog()));
    }

    // The identity as the distributor's setup leaves it, with a few values of
    // an earlier installation that setup.ini does not replace.
    void PrepareInstallation() {
        e2e::Identity identity;
        identity.venderName = "Earlier Name";
        identity.venderStyle = "11121214";
        identity.installPath = installFolder;
        identity.windowsPath = windowsFolder;
        e2e::PrepareSettingsKey(identity);
        ASSERT_TRUE(e2e::WriteSettingDword("DoubleClickWidth", 4));
        WriteFile(installFolder + "\\setup.ini", SetupIni);
        WriteFile(installFolder + "\\setup.oem", SetupOem);
    }

    // setup.ini and setup.oem imported, and the hardware id the build records.
    void ExpectImportedSettings(const std::string& hardwareId) {
        const struct {
            const char* name;
            DWORD value;
        } expected[] = {
            {"CalibrationMode", 1},
            {"VirtualButton", 2},
            {"FeedbackTone", 5000},
            {"DoubleClickWidth", 4}, // 65 is above the range: the earlier value stays
            {"RightButtonAutomatic", 0x01030401},
            {"MouseSpeed", 0x0A0A0200},
        };
        for (const auto& e : expected) {
            DWORD value = 0xDEADBEEF;
            EXPECT_TRUE(e2e::ReadSettingDword(e.name, value)) << e.name;
            EXPECT_EQ(e.value, value) << e.name << " = 0x" << std::hex << value;
        }
        DWORD sound = 0;
        EXPECT_FALSE(e2e::ReadSettingDword("FeedbackSound", sound)) << "\"abc\" is below 1";
        std::string name, style;
        EXPECT_TRUE(e2e::ReadSettingString("VenderName", name));
        EXPECT_EQ("Acme Touch Systems", name);
        EXPECT_TRUE(e2e::ReadSettingString("VenderStyle", style));
        EXPECT_EQ("11121214", style) << "a style of blanks keeps the stored one";
        std::string id;
        EXPECT_TRUE(e2e::ReadSettingString("HardwareID", id));
        EXPECT_EQ(hardwareId, id);
    }

    std::string root, installFolder, windowsFolder;
};

#if TS_BUILD_PS2

TEST_F(Installation, DetectsTheMouseEditsTheInfAndHandsItToTheRegistration) {
    WithoutIdentityNothingIsWritten();
    wintest::Ps2Enumeration enumeration;
    enumeration.Create({"ROOT\\LEGACY_MOUSE\\0000", "acpi\\pnp0f0e\\4&1d8e6b2&0"}, 2);
    PrepareInstallation();

    e2e::Program& installer = StartInstaller();
    EXPECT_TRUE(installer.WaitForExit()) << "the installer ends once the registration runs";
    ExpectImportedSettings("*pnp0f0e"); // the letters as the enumeration has them

    ASSERT_TRUE(e2e::WaitUntil([&] { return Exists(RegistrationLog()); }, "the registration"));
    e2e::WaitUntil([&] { return ReadFile(RegistrationLog()).find('\n') != std::string::npos; },
                   "its record");
    const std::string w = windowsFolder;
    EXPECT_EQ(std::to_string(SW_HIDE) + "\t" + w + "\\KVD2KReg.exe " + w +
                  "\\inf\\KVD2KPS2.INF *pnp0f0e Install\r\n",
              ReadFile(RegistrationLog()))
        << "started once, hidden, with this command line";

    const std::string text = "TouchScreen - PS/2 Mouse Driver V. [7.0.PS2]";
    const std::set<std::string> lines = LinesOf(ReadFile(DriverInfPath()));
    const std::string expectedLines[] = {
        "[Version]",
        "Signature=\"$CHICAGO$\"",
        "[Strings]",
        "OEM_CALL=\"" + text + "\"",
        "*pnp0f03.DeviceDesc=\"" + text + "(*PnP0F03)\"",
        "*pnp0f0b.DeviceDesc=\"" + text + "(*PnP0F0B)\"",
        "*pnp0f0e.DeviceDesc=\"" + text + "(*PnP0F0E)\"",
        "*pnp0f13.DeviceDesc=\"" + text + "(*PnP0F13)\"",
        std::string("mouclass.SvcDesc=Mouse Class Driver"),
        std::string("i8042prt.SvcDesc=i8042 Keyboard and PS/2 Mouse Port Driver"),
        std::string("MouseClassName=\"Mouse (own)\""), // empty in MSMOUSE.inf: kept
    };
    for (const std::string& line : expectedLines)
        EXPECT_EQ(1u, lines.count(line)) << line << "\nin\n" << ReadFile(DriverInfPath());
    EXPECT_EQ(0u, lines.count("OEM_CALL=\"old\""));
}

#else

TEST_F(Installation, RecordsTheSettingsAndRestartsWindows) {
    WithoutIdentityNothingIsWritten();
    PrepareInstallation();

    // What a restart shows: a file scheduled for deletion at restart goes,
    // and the windowed programs of the session end.
    const std::string marker = root + "\\restart-marker";
    WriteFile(marker, "x");
    ASSERT_TRUE(MoveFileExA(marker.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT))
        << "error " << GetLastError();
    e2e::Program& witness = Start(basVersion::SmiProgramFile, SW_SHOWNORMAL);
    ASSERT_TRUE(e2e::WaitForWindowTitled(witness.Id(), "SMI"));

    e2e::Program& installer = StartInstaller();
    e2e::MessageBoxInfo box = e2e::WaitForMessageBox(installer.Id());
    ASSERT_TRUE(box.window);
    EXPECT_EQ("Setup has finished installing TouchScreen drivers and utilities on your "
              "computer.\r\n\r\nThe Windows must be restarted.",
              box.text);
    EXPECT_EQ(basVersion::InstallerTitle, box.title);
    EXPECT_TRUE(box.hasIcon && box.topmost && box.hasOk) << "system-modal information box";
    EXPECT_FALSE(box.hasCancel || box.hasYes || box.hasNo);
    HWND progress = e2e::FindForm(installer.Id(), "frmMessage");
    EXPECT_FALSE(progress && IsWindowVisible(progress)) << "the progress window is gone";
    ExpectImportedSettings(basVersion::HardwareId); // the serial build leaves it
    EXPECT_TRUE(Exists(marker)) << "no restart before the answer";

    e2e::ShowWatch shows(installer.Id());
    ASSERT_TRUE(e2e::AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(installer.WaitForExit(30000));
    EXPECT_TRUE(
        e2e::WaitUntil([&] { return !Exists(marker); }, "the restart's file deletion", 30000));
    EXPECT_TRUE(witness.WaitForExit(30000)) << "the windowed programs end";
    EXPECT_EQ("nothing", e2e::Describe(shows.Shown())) << "no failure message";

    // The test run itself goes on: the keeper and the driver are still there.
    EXPECT_FALSE(e2e::ProcessIdsNamed("PrefixKeeper.exe").empty());
    EXPECT_TRUE(Sim().Reset());
    EXPECT_EQ(DriverInf, ReadFile(DriverInfPath())) << "the serial build leaves the INF";
    EXPECT_FALSE(Exists(RegistrationLog()));
}

#endif

} // namespace
