#include "StartupScenario.h"

#include <vector>

#include "basRegistry.h"
#include "basVersion.h"

namespace aotest {

namespace {

constexpr const char* MouseKey = "Control Panel\\Mouse";

void TearDownCompanions() {
    for (const char* file : {basVersion::RightButtonFile, basVersion::SmiProgramFile})
        for (DWORD id : e2e::ProcessIdsNamed(file)) {
            e2e::Program program;
            if (program.Adopt(id))
                program.End();
        }
}

} // namespace

void StartupScenario::SetUp() {
    e2e::Scenario::SetUp();
    TearDownCompanions();
    for (const char* name : {"DoubleClickWidth", "DoubleClickHeight", "DoubleClickSpeed"})
        WriteMouseValue(name, "1");
}

void StartupScenario::TearDown() {
    TearDownCompanions();
    e2e::Scenario::TearDown();
}

e2e::Program& StartupScenario::StartAgent(const std::string& arguments) {
    return Start(basVersion::StartupAgentFile, SW_SHOWNORMAL, arguments);
}

HWND StartupScenario::StartAgentWindow(const std::string& arguments, e2e::Program*& agent) {
    agent = &StartAgent(arguments);
    HWND window = e2e::WaitForForm(agent->Id(), "frmMain");
    return window && e2e::WaitForVisible(window, true) ? window : nullptr;
}

void StartupScenario::PresetToolOn(uint8_t autoMode, bool withoutController) {
    SimState state = e2e::ReadState(Sim());
    state.Record.RightButtonFunction = 1;
    state.Record.RightButtonAutoMode = autoMode;
    state.Record.VirtualButton = 0;
    if (withoutController)
        state.Record.ComPort = 0;
    ASSERT_TRUE(Sim().PresetRecord(state.Record));
}

void StartupScenario::ExpectLogonRunEnds(e2e::Program& agent) {
    HWND window = e2e::WaitForForm(agent.Id(), "frmMain");
    ASSERT_TRUE(window);
    EXPECT_EQ(basVersion::StartupAgentTitle, e2e::TextOf(window));
    ASSERT_TRUE(agent.WaitForExit());
    EXPECT_EQ(0u, agent.ExitCode());
}

std::string StartupScenario::EmptyInstallFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "ts-empty-install";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

HWND StartupScenario::RegisteredTool() {
    const int32_t handle = e2e::ReadState(Sim()).Tool.Handle;
    HWND window = reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
    return handle != -1 && IsWindow(window) ? window : nullptr;
}

std::string MouseValue(const std::string& name) {
    HKEY key = nullptr;
    std::string text = "(missing)";
    if (basRegistry::OpenExistingKey(HKEY_CURRENT_USER, MouseKey, key)) {
        basRegistry::ReadString(key, name, text);
        basRegistry::CloseKey(key);
    }
    return text;
}

void WriteMouseValue(const std::string& name, const std::string& text) {
    HKEY key = nullptr;
    std::string subkey;
    ASSERT_TRUE(basRegistry::OpenOrCreateKey(HKEY_CURRENT_USER, MouseKey, subkey, key));
    EXPECT_TRUE(basRegistry::WriteString(key, name, text));
    basRegistry::CloseKey(key);
}

} // namespace aotest
