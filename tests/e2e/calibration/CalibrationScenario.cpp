#include "CalibrationScenario.h"

#include <cstring>

#include "basVersion.h"

namespace calibscenario {

void CalibrationScenario::Preset(const std::function<void(DeviceRecord&)>& change) {
    DeviceRecord record = e2e::ReadState(Sim()).Record;
    record.ResolutionX = 1024;
    record.ResolutionY = 768;
    change(record);
    ASSERT_TRUE(Sim().PresetRecord(record));
}

HWND CalibrationScenario::StartTool() {
    // Started as the suite starts it.
    const e2e::Program& tool = Start(basVersion::RightButtonFile, SW_HIDE);
    tool_ = nullptr;
    e2e::WaitUntil(
        [&] {
            const WindowBlock block = e2e::ReadState(Sim()).Tool;
            HWND registered = reinterpret_cast<HWND>(static_cast<intptr_t>(block.Handle));
            DWORD owner = 0;
            if (block.Handle == -1 || !GetWindowThreadProcessId(registered, &owner) ||
                owner != tool.Id())
                return false;
            tool_ = registered;
            return true;
        },
        "the right-button tool registered in the driver");
    return tool_;
}

HWND CalibrationScenario::StartPanel(DWORD calibrationMode) {
    EXPECT_TRUE(e2e::WriteSettingDword("CalibrationMode", calibrationMode));
    panel_ = &Start(basVersion::ControlPanelFile);
    main_ = e2e::WaitForForm(panel_->Id(), "frmMain");
    if (main_)
        e2e::WaitForVisible(main_, true);
    return main_;
}

HWND CalibrationScenario::OpenCalibration() {
    HWND button = main_ ? e2e::FindControl(main_, "cmdCalibration") : nullptr;
    if (!button) {
        ADD_FAILURE() << "no Calibration button";
        return nullptr;
    }
    e2e::ClickButton(button);
    return e2e::WaitForForm(panel_->Id(), "frmCalibration");
}

std::vector<int32_t> CalibrationScenario::ModesSent() {
    std::vector<int32_t> modes;
    for (const SimJournalEntry& entry : Sim().JournalOf(IOCTL_SetControllerMode)) {
        ModeBlock block;
        memcpy(&block, entry.Block, sizeof block);
        modes.push_back(block.Mode);
    }
    return modes;
}

std::vector<std::array<int16_t, 7>> CalibrationScenario::CalibrationsSent() {
    std::vector<std::array<int16_t, 7>> sent;
    for (const SimJournalEntry& entry : Sim().JournalOf(IOCTL_SetCalibration)) {
        DeviceRecord record;
        memcpy(&record, entry.Block, sizeof record);
        std::array<int16_t, 7> values{};
        for (int i = 0; i < 6; i++)
            values[i] = record.Calibration[i];
        values[6] = record.PanelDirection;
        sent.push_back(values);
    }
    return sent;
}

std::vector<int> CalibrationScenario::AutoModesSent() {
    std::vector<int> modes;
    for (const SimJournalEntry& entry : Sim().JournalOf(IOCTL_SetVirtualButton)) {
        DeviceRecord record;
        memcpy(&record, entry.Block, sizeof record);
        modes.push_back(record.RightButtonAutoMode);
    }
    return modes;
}

DeviceRecord CalibrationScenario::DriverRecord() {
    return e2e::ReadState(Sim()).Record;
}

} // namespace calibscenario
