// The device record and blocks read from raw little-endian bytes exactly as
// the driver lays them out: each field at its offset, 16-bit fields signed.
#include <gtest/gtest.h>

#include <cstring>

#include "DeviceBlocks.h"

namespace {

template <typename Block> Block FromBytes(const uint8_t* bytes) {
    Block block;
    memcpy(&block, bytes, sizeof block);
    return block;
}

TEST(DeviceRecordLayout, EveryFieldAtItsOffset) {
    uint8_t raw[82];
    for (int i = 0; i < 82; i++)
        raw[i] = uint8_t(i + 1); // each byte tells its own offset
    DeviceRecord r = FromBytes<DeviceRecord>(raw);
    auto le16 = [&](int offset) { return int16_t(raw[offset] | (raw[offset + 1] << 8)); };

    EXPECT_EQ(le16(0), r.BasePort);
    EXPECT_EQ(3, r.Irq);
    EXPECT_EQ(4, r.ComPort);
    for (int n = 0; n < PortCount; n++) {
        EXPECT_EQ(le16(4 + 4 * n), r.PortTable[n].BasePort) << "COM" << n + 1;
        EXPECT_EQ(raw[6 + 4 * n], r.PortTable[n].IrqOrStatus) << "COM" << n + 1;
        EXPECT_EQ(raw[7 + 4 * n], r.PortTable[n].Reserved) << "COM" << n + 1;
    }
    EXPECT_EQ(41, r.VirtualButton);
    EXPECT_EQ(42, r.FeedbackSound);
    EXPECT_EQ(le16(42), r.FeedbackTone);
    EXPECT_EQ(le16(44), r.FeedbackDuration);
    EXPECT_EQ(47, r.Sensitivity);
    EXPECT_EQ(48, r.MouseBypass);
    EXPECT_EQ(49, r.MouseHSpeed);
    EXPECT_EQ(50, r.MouseVSpeed);
    EXPECT_EQ(51, r.MouseAcceleration);
    EXPECT_EQ(52, r.PowerDownTime);
    EXPECT_EQ(53, r.BaudRate);
    EXPECT_EQ(54, r.RightButtonFunction);
    EXPECT_EQ(55, r.RightButtonAutoMode);
    EXPECT_EQ(56, r.RightButtonAutoSTime);
    EXPECT_EQ(57, r.RightButtonAutoETime);
    EXPECT_EQ(58, r.RightButtonAutoBeep);
    for (int i = 0; i < CalibrationCount; i++)
        EXPECT_EQ(le16(58 + 2 * i), r.Calibration[i]) << "Calibration[" << i << "]";
    EXPECT_EQ(71, r.PanelDirection);
    EXPECT_EQ(72, r.Reserved);
    EXPECT_EQ(le16(72), r.ResolutionX);
    EXPECT_EQ(le16(74), r.ResolutionY);
    EXPECT_EQ(77, r.McuMode);
    EXPECT_EQ(78, r.McuVersion);
    for (int i = 0; i < McuCodeLength; i++)
        EXPECT_EQ(79 + i, r.McuCode[i]);
}

TEST(DeviceRecordLayout, SixteenBitFieldsAreSignedLittleEndian) {
    uint8_t raw[82] = {};
    raw[0] = 0xF8; // BasePort 0x03F8
    raw[1] = 0x03;
    raw[72] = 0xFF; // ResolutionX -1
    raw[73] = 0xFF;
    raw[58] = 0x00; // Calibration[0] = -32768
    raw[59] = 0x80;
    raw[60] = 0xFF; // Calibration[1] = 32767
    raw[61] = 0x7F;
    raw[46] = 0xFF; // Sensitivity: 8-bit unsigned
    DeviceRecord r = FromBytes<DeviceRecord>(raw);
    EXPECT_EQ(0x03F8, r.BasePort);
    EXPECT_EQ(-1, r.ResolutionX);
    EXPECT_EQ(-32768, r.Calibration[0]);
    EXPECT_EQ(32767, r.Calibration[1]);
    EXPECT_EQ(255, r.Sensitivity);
}

TEST(SmallBlocksLayout, TouchStatusWindowBlockAndBeepBlock) {
    const uint8_t touch[8] = {0x00, 0x02, 0xFF, 0x03, 0x08, 0x00, 0x34, 0x12};
    TouchStatus t = FromBytes<TouchStatus>(touch);
    EXPECT_EQ(512, t.X);
    EXPECT_EQ(1023, t.Y);
    EXPECT_EQ(TouchedFlag, t.Flags);
    EXPECT_EQ(0x1234, t.SampleCounter);

    const uint8_t window[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0x03, 0x00, 0xAA, 0xBB};
    WindowBlock w = FromBytes<WindowBlock>(window);
    EXPECT_EQ(-1, w.Handle);
    EXPECT_EQ(3, w.Value);
    EXPECT_EQ(0xAA, w.Reserved[0]);

    const uint8_t beep[4] = {0xC8, 0x00, 0x0A, 0x00};
    BeepBlock b = FromBytes<BeepBlock>(beep);
    EXPECT_EQ(200, b.Tone);
    EXPECT_EQ(10, b.Duration);
}

} // namespace
