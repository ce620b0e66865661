// The driver channel against the simulated controller, through the real
// CreateFileA / DeviceIoControl path of the prefix.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "BasGlobal.h"
#include "ServiceControl.h"
#include "Settings.h"
#include "WinTestSupport.h"
#include "basVersion.h"

namespace {

class DriverChannel : public ::testing::Test {
  protected:
    void SetUp() override {
        wintest::ResetController(sim_);
        ASSERT_TRUE(BasGlobal::OpenDevice()) << "error " << GetLastError();
    }
    void TearDown() override {
        if (BasGlobal::DeviceHandle != INVALID_HANDLE_VALUE)
            BasGlobal::CloseDevice();
    }
    sim::Client sim_;
};

TEST_F(DriverChannel, ReadsTheWholeRecordWithAControllerFound) {
    memset(&BasGlobal::Device, 0, sizeof BasGlobal::Device);
    BasGlobal::GetDeviceRecord();
    EXPECT_TRUE(BasGlobal::LastRequestResult);
    EXPECT_EQ(82u, BasGlobal::LastByteCount);
    EXPECT_NE(0, BasGlobal::Device.ComPort);
    EXPECT_EQ(1024, BasGlobal::Device.ResolutionX);

    ASSERT_TRUE(sim_.SetPresent(false));
    BasGlobal::GetDeviceRecord();
    EXPECT_EQ(0, BasGlobal::Device.ComPort) << "an absent controller reads as ComPort 0";
}

// Byte ranges [first, end) of the record that each write code takes over.
struct Group {
    DWORD code;
    std::vector<std::pair<int, int>> ranges;
};

const std::vector<Group>& Groups() {
    static const std::vector<Group> groups = {
        {IOCTL_SetSerialPort, {{4, 40}}},     {IOCTL_SetVirtualButton, {{40, 41}, {53, 58}}},
        {IOCTL_SetFeedbackSound, {{41, 46}}}, {IOCTL_SetSensitivity, {{46, 47}}},
        {IOCTL_SetMouseSpeed, {{47, 51}}},    {IOCTL_SetPowerDownTime, {{51, 52}}},
        {IOCTL_SetCalibration, {{58, 71}}},   {IOCTL_SetResolution, {{72, 76}}},
    };
    return groups;
}

bool InGroup(const Group& group, int offset) {
    for (auto [first, end] : group.ranges)
        if (offset >= first && offset < end)
            return true;
    return false;
}

void (*SenderOf(DWORD code))() {
    switch (code) {
    case IOCTL_SetSerialPort:
        return BasGlobal::SetSerialPort;
    case IOCTL_SetVirtualButton:
        return BasGlobal::SetVirtualButton;
    case IOCTL_SetFeedbackSound:
        return BasGlobal::SetFeedbackSound;
    case IOCTL_SetSensitivity:
        return BasGlobal::SetSensitivity;
    case IOCTL_SetMouseSpeed:
        return BasGlobal::SetMouseSpeed;
    case IOCTL_SetPowerDownTime:
        return BasGlobal::SetPowerDownTime;
    case IOCTL_SetCalibration:
        return BasGlobal::SetCalibration;
    case IOCTL_SetResolution:
        return BasGlobal::SetResolution;
    }
    return nullptr;
}

TEST_F(DriverChannel, EachWriteCodeChangesOnlyItsGroup) {
    for (const Group& group : Groups()) {
        ASSERT_TRUE(sim_.Reset());
        BasGlobal::GetDeviceRecord();
        DeviceRecord before = BasGlobal::Device;
        auto* bytes = reinterpret_cast<uint8_t*>(&BasGlobal::Device);
        for (int i = 0; i < 82; i++)
            bytes[i] = uint8_t(bytes[i] ^ 0x5A);
        DeviceRecord sent = BasGlobal::Device;
        SenderOf(group.code)();
        EXPECT_EQ(0, memcmp(&sent, &BasGlobal::Device, 82)) << "a write leaves the record as sent";

        memset(&BasGlobal::Device, 0, 82);
        BasGlobal::GetDeviceRecord();
        const auto* now = reinterpret_cast<const uint8_t*>(&BasGlobal::Device);
        const auto* old = reinterpret_cast<const uint8_t*>(&before);
        const auto* wanted = reinterpret_cast<const uint8_t*>(&sent);
        for (int i = 0; i < 82; i++) {
            uint8_t expected = InGroup(group, i) ? wanted[i] : old[i];
            EXPECT_EQ(expected, now[i])
                << "code 0x" << std::hex << group.code << " byte " << std::dec << i;
        }
        auto journal = sim_.JournalOf(group.code);
        ASSERT_EQ(1u, journal.size());
        EXPECT_EQ(82u, journal[0].Length);
        EXPECT_EQ(0, memcmp(journal[0].Block, &sent, 82));
    }
}

TEST_F(DriverChannel, TouchSamplesComeBackInOrderWithAChangingCounter) {
    ASSERT_TRUE(
        sim_.QueueTouch({sim::Touched(100, 200), sim::Touched(101, 201), sim::Lifted(101, 201)}));
    BasGlobal::GetTouchStatus();
    TouchStatus first = BasGlobal::Touch;
    EXPECT_EQ(100, first.X);
    EXPECT_EQ(200, first.Y);
    EXPECT_EQ(TouchedFlag, first.Flags & TouchedFlag);

    BasGlobal::GetTouchStatus();
    TouchStatus second = BasGlobal::Touch;
    EXPECT_EQ(101, second.X);
    EXPECT_NE(first.SampleCounter, second.SampleCounter);

    BasGlobal::GetTouchStatus();
    TouchStatus third = BasGlobal::Touch;
    EXPECT_EQ(0, third.Flags & TouchedFlag);
    EXPECT_NE(second.SampleCounter, third.SampleCounter);

    BasGlobal::GetTouchStatus();
    EXPECT_EQ(third.SampleCounter, BasGlobal::Touch.SampleCounter)
        << "nothing new arrived: the counter stays";
    EXPECT_EQ(0, memcmp(&third, &BasGlobal::Touch, sizeof third));
}

TEST_F(DriverChannel, ToolWindowRegistrationAndArmedFlag) {
    memset(&BasGlobal::ToolWindow, 0x33, sizeof BasGlobal::ToolWindow);
    BasGlobal::GetToolWindow();
    EXPECT_EQ(-1, BasGlobal::ToolWindow.Handle) << "no tool registered after reset";

    BasGlobal::ToolWindow.Handle = 0x1234;
    BasGlobal::ToolWindow.Value = 1;
    BasGlobal::SetToolWindow();
    memset(&BasGlobal::ToolWindow, 0, sizeof BasGlobal::ToolWindow);
    BasGlobal::GetToolWindow();
    EXPECT_EQ(0x1234, BasGlobal::ToolWindow.Handle);
    EXPECT_EQ(1, BasGlobal::ToolWindow.Value);

    ASSERT_TRUE(sim_.QueueTouch({sim::Touched(5, 5), sim::Lifted(5, 5)}));
    BasGlobal::GetToolWindow();
    EXPECT_EQ(0x1234, BasGlobal::ToolWindow.Handle);
    EXPECT_EQ(0, BasGlobal::ToolWindow.Value) << "a touch while armed clears the flag";
    SimState state;
    ASSERT_TRUE(sim_.GetState(state));
    EXPECT_EQ(1u, state.RightClicks);
}

TEST_F(DriverChannel, SmiWindowCarriesTheRotationCode) {
    BasGlobal::GetSmiWindow();
    EXPECT_EQ(-1, BasGlobal::SmiWindow.Handle);
    ASSERT_TRUE(sim_.SetSmiWindow(0x4321, 3));
    BasGlobal::GetSmiWindow();
    EXPECT_EQ(0x4321, BasGlobal::SmiWindow.Handle);
    int16_t atOffset4;
    memcpy(&atOffset4, reinterpret_cast<const uint8_t*>(&BasGlobal::SmiWindow) + 4, 2);
    EXPECT_EQ(3, atOffset4);
}

TEST_F(DriverChannel, ModeAndBeepReachTheController) {
    BasGlobal::Mode.Mode = 5;
    BasGlobal::SetControllerMode();
    BasGlobal::Beep = {200, 10};
    BasGlobal::PlayBeep();
    SimState state;
    ASSERT_TRUE(sim_.GetState(state));
    EXPECT_EQ(5, state.LastMode);
    EXPECT_EQ(200, state.LastBeep.Tone);
    EXPECT_EQ(10, state.LastBeep.Duration);
    EXPECT_EQ(1u, state.BeepCount);
}

TEST_F(DriverChannel, AFailingRequestLeavesTheBlockUnchanged) {
    memset(&BasGlobal::Device, 0xA5, sizeof BasGlobal::Device);
    DeviceRecord sentinel = BasGlobal::Device;
    ASSERT_TRUE(sim_.FailNext(1));
    BasGlobal::GetDeviceRecord();
    EXPECT_FALSE(BasGlobal::LastRequestResult);
    EXPECT_EQ(0, memcmp(&sentinel, &BasGlobal::Device, 82));

    memset(&BasGlobal::ToolWindow, 0x77, sizeof BasGlobal::ToolWindow);
    WindowBlock toolSentinel = BasGlobal::ToolWindow;
    ASSERT_TRUE(sim_.FailNext(1));
    BasGlobal::GetToolWindow();
    EXPECT_EQ(0, memcmp(&toolSentinel, &BasGlobal::ToolWindow, 8));

    // A failed write changes nothing in the controller either.
    BasGlobal::GetDeviceRecord();
    DeviceRecord stored = BasGlobal::Device;
    BasGlobal::Device.Sensitivity = uint8_t(stored.Sensitivity + 1);
    ASSERT_TRUE(sim_.FailNext(1));
    BasGlobal::SetSensitivity();
    BasGlobal::GetDeviceRecord();
    EXPECT_EQ(stored.Sensitivity, BasGlobal::Device.Sensitivity);
}

TEST_F(DriverChannel, BadInputIsRefusedAndTheDriverKeepsRunning) {
    uint8_t buffer[128] = {};
    DWORD returned = 0;
    EXPECT_FALSE(sim_.Raw(IOCTL_GetDeviceRecord, buffer, 81, buffer, 81, &returned));
    EXPECT_FALSE(sim_.Raw(IOCTL_GetDeviceRecord, nullptr, 0, nullptr, 0, &returned));
    EXPECT_FALSE(sim_.Raw(IOCTL_SetToolWindow, buffer, 7, buffer, 8, &returned));
    EXPECT_FALSE(sim_.Raw(IOCTL_SimQueueTouch, buffer, 5, nullptr, 0, &returned));
    EXPECT_FALSE(sim_.Raw(IOCTL_SimPresetRecord, buffer, 10, nullptr, 0, &returned));
    EXPECT_FALSE(sim_.Raw(IOCTL_SimGetState, nullptr, 0, buffer, 4, &returned));
    EXPECT_FALSE(sim_.Raw(TS_REQUEST(0x999, TsAccessAny), buffer, 8, buffer, 8, &returned));
    EXPECT_FALSE(sim_.Raw(0xF2013, buffer, 82, buffer, 82, &returned)) << "a non-buffered method";

    BasGlobal::GetDeviceRecord();
    EXPECT_TRUE(BasGlobal::LastRequestResult) << "the driver still answers";
    EXPECT_NE(0, BasGlobal::Device.ComPort);
}

TEST_F(DriverChannel, JournalKeepsRequestsInOrderAndFoldsRepeatedPolls) {
    BasGlobal::GetToolWindow(); // every later poll then sends the block it got back
    uint32_t start = sim_.JournalTotal();
    BasGlobal::Beep = {300, 20};
    BasGlobal::PlayBeep();
    for (int i = 0; i < 50; i++)
        BasGlobal::GetToolWindow();
    BasGlobal::PlayBeep();
    auto journal = sim_.Journal(start);
    ASSERT_EQ(3u, journal.size());
    EXPECT_EQ(uint32_t(IOCTL_PlayBeep), journal[0].Code);
    EXPECT_EQ(4u, journal[0].Length);
    EXPECT_EQ(uint32_t(IOCTL_GetToolWindow), journal[1].Code);
    EXPECT_EQ(49u, journal[1].Repeats);
    EXPECT_EQ(uint32_t(IOCTL_PlayBeep), journal[2].Code);
}

TEST(DriverChannelOpen, ReportOpenFailureNamesTheDriverFile) {
    wintest::BoxRecorder boxes;
    BasGlobal::ReportOpenFailure(basVersion::RightButtonTitle);
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(std::string("Fail to open ") + basVersion::DriverFile + "!", boxes.Boxes()[0].text);
    EXPECT_EQ(0x1010u, boxes.Boxes()[0].style);
    EXPECT_EQ(basVersion::RightButtonTitle, boxes.Boxes()[0].title);
}

TEST(DriverChannelOpen, WithoutTheDriverOpenDeviceFails) {
    ASSERT_TRUE(e2e::StopDriver()) << "error " << GetLastError();
    bool opened = BasGlobal::OpenDevice();
    if (opened)
        BasGlobal::CloseDevice();
    ASSERT_TRUE(e2e::StartDriver()) << "error " << GetLastError();
    EXPECT_FALSE(opened);
}

TEST(DriverChannelOpen, StartValuesComeFromTheSettingsKeyAtLoad) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyA(HKEY_LOCAL_MACHINE, e2e::SettingsKeyName().c_str(), &key));
    auto put = [&](const char* name, DWORD value) {
        RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    };
    put("VirtualButton", 2);
    put("RightButtonAutomatic", 0x01020304);
    put("MouseSpeed", 0x0B0C0201);
    put("FeedbackTone", 4321);
    put("PanelDirection", 6);
    ASSERT_TRUE(e2e::StopDriver());
    ASSERT_TRUE(e2e::StartDriver());
    for (const char* name :
         {"VirtualButton", "RightButtonAutomatic", "MouseSpeed", "FeedbackTone", "PanelDirection"})
        RegDeleteValueA(key, name);
    RegCloseKey(key);

    ASSERT_TRUE(BasGlobal::OpenDevice());
    BasGlobal::GetDeviceRecord();
    BasGlobal::CloseDevice();
    const DeviceRecord& r = BasGlobal::Device;
    EXPECT_EQ(2, r.VirtualButton);
    EXPECT_EQ(1, r.RightButtonAutoMode);
    EXPECT_EQ(2, r.RightButtonAutoSTime);
    EXPECT_EQ(3, r.RightButtonAutoETime);
    EXPECT_EQ(4, r.RightButtonAutoBeep);
    EXPECT_EQ(11, r.MouseHSpeed);
    EXPECT_EQ(12, r.MouseVSpeed);
    EXPECT_EQ(2, r.MouseAcceleration);
    EXPECT_EQ(1, r.MouseBypass);
    EXPECT_EQ(4321, r.FeedbackTone);
    EXPECT_EQ(6, r.PanelDirection);

    // Reload without the values so later tests see the defaults again.
    ASSERT_TRUE(e2e::StopDriver());
    ASSERT_TRUE(e2e::StartDriver());
}

} // namespace
