#include "RightButtonScenario.h"

#include <cstring>

#include "basVersion.h"

namespace rbtest {

std::string ToolCaption() {
    return std::string(" ") + basVersion::BuildLetter + "-RBF";
}

HWND AsWindow(int32_t handle) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
}
int32_t AsHandle(HWND window) {
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(window));
}

HWND RightButtonScenario::StartTool(int showCommand) {
    tool_ = &Start(basVersion::RightButtonFile, showCommand);
    window_ = nullptr;
    e2e::WaitUntil(
        [&] {
            HWND registered = AsWindow(Registration().Handle);
            if (Registration().Handle == -1 || !IsWindow(registered))
                return false;
            DWORD owner = 0;
            GetWindowThreadProcessId(registered, &owner);
            if (owner != tool_->Id())
                return false;
            window_ = registered;
            return true;
        },
        "the tool's window registered in the driver");
    button_ = window_ ? e2e::WaitForControl(window_, "cmdAction") : nullptr;
    return window_;
}

WindowBlock RightButtonScenario::Registration() {
    return e2e::ReadState(Sim()).Tool;
}

std::vector<WindowBlock> RightButtonScenario::SentBlocks(uint32_t first) {
    std::vector<WindowBlock> blocks;
    for (const SimJournalEntry& entry : Sim().JournalOf(IOCTL_SetToolWindow, first)) {
        WindowBlock block;
        memcpy(&block, entry.Block, sizeof block);
        blocks.push_back(block);
    }
    return blocks;
}

void RightButtonScenario::SendCommand(WPARAM command) {
    LRESULT result = -1;
    ASSERT_TRUE(e2e::SendWithin(window_, WM_USER, command, 0, &result))
        << "command 0x" << std::hex << command << " not handled";
    EXPECT_EQ(0, result) << "command 0x" << std::hex << command;
}

} // namespace rbtest
