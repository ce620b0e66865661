// The right-button tool during a calibration: hidden, or its automatic mode
// switched off, and back afterwards.
#include <cstring>

#include "BasGlobal.h"
#include "CalibrationTestSupport.h"
#include "frmCalibration.h"

namespace calibtest {
namespace {

// A window registered as the tool, logging the companion commands it gets.
class StandInTool {
  public:
    StandInTool() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "CalibrationStandInTool";
        RegisterClassA(&windowClass);
        window_ = CreateWindowA("CalibrationStandInTool", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
        commands().clear();
        BasGlobal::ToolWindow.Handle = static_cast<int32_t>(reinterpret_cast<intptr_t>(window_));
        BasGlobal::ToolWindow.Value = 0;
        BasGlobal::SetToolWindow();
    }
    ~StandInTool() { DestroyWindow(window_); }
    static std::vector<WPARAM>& commands() {
        static std::vector<WPARAM> log;
        return log;
    }

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_USER)
            commands().push_back(wParam);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    HWND window_;
};

constexpr WPARAM Hide = 0x1000;
constexpr WPARAM Show = 0x1001;

struct ToolCase {
    const char* what;
    uint8_t function;
    uint8_t touchMode;
    uint8_t autoMode;
    std::vector<WPARAM> commandsDuringRun;
    std::vector<WPARAM> commandsAfter;
    int autoModeDuringRun;          // in the driver
    std::vector<int> autoModesSent; // RightButtonAutoMode of each SetVirtualButton
};

using ToolDuringCalibration = CalibrationWindowTest;

TEST_F(ToolDuringCalibration, HiddenOrAutomaticModeOffAsTheSettingsSay) {
    const ToolCase cases[] = {
        {"Drag Drop, automatic", 1, 4, 1, {}, {}, 0, {0, 1}},
        {"Drag Drop, manual", 1, 4, 0, {Hide}, {Hide, Show}, 0, {}},
        {"Stream, automatic", 1, 1, 1, {Hide}, {Hide, Show}, 1, {}},
        {"right-button function off", 0, 4, 1, {}, {}, 1, {}},
        // Any value but 1 means manual mode: it is put back as it was.
        {"Drag Drop, manual mode value 2", 1, 4, 2, {}, {}, 0, {0, 2}},
    };
    for (const ToolCase& c : cases) {
        SCOPED_TRACE(c.what);
        Preset([&c](DeviceRecord& record) {
            record.RightButtonFunction = c.function;
            record.VirtualButton = c.touchMode;
            record.RightButtonAutoMode = c.autoMode;
        });
        StandInTool tool;
        const uint32_t first = Sim.JournalTotal();
        std::vector<WPARAM> duringRun;
        int autoModeDuringRun = -1;
        ScriptedBoxes boxes([&](const std::string&, const std::string&) {
            duringRun = StandInTool::commands();
            autoModeDuringRun = DriverRecord().RightButtonAutoMode;
            return IDOK;
        });
        Queue(NoTouchAtStart());
        RunCalibration(7); // a mode no procedure serves: the run ends at its message

        ASSERT_EQ(1u, boxes.Boxes().size());
        EXPECT_EQ(c.commandsDuringRun, duringRun);
        EXPECT_EQ(c.autoModeDuringRun, autoModeDuringRun);
        EXPECT_EQ(c.commandsAfter, StandInTool::commands());
        std::vector<int> autoModes;
        for (const SimJournalEntry& entry : Sim.JournalOf(IOCTL_SetVirtualButton, first)) {
            DeviceRecord record;
            memcpy(&record, entry.Block, sizeof record);
            autoModes.push_back(record.RightButtonAutoMode);
        }
        EXPECT_EQ(c.autoModesSent, autoModes);
        EXPECT_EQ(c.autoMode, DriverRecord().RightButtonAutoMode);
    }
}

} // namespace
} // namespace calibtest
