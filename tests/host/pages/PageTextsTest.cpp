// Texts that the settings pages put into their controls: speed percentages,
// toggle times, the serial port lines and the IRQ choices.
#include <gtest/gtest.h>

#include "PageTexts.h"

namespace {

TEST(PercentText, SpeedPositionsReadInStepsOfFivePercent) {
    EXPECT_EQ("5%", PercentText(1));
    EXPECT_EQ("50%", PercentText(10));
    EXPECT_EQ("100%", PercentText(20));
}

TEST(ToggleTimeText, HalfSecondsInTheirShortestDecimalForm) {
    const char* expected[ToggleTimeCount] = {"0.5", "1",   "1.5", "2",   "2.5",
                                             "3",   "3.5", "4",   "4.5", "5"};
    for (int k = 0; k < ToggleTimeCount; ++k)
        EXPECT_EQ(expected[k], ToggleTimeText(k)) << "index " << k;
    EXPECT_EQ("2,5", ToggleTimeText(4, ',')) << "the user's separator";
    EXPECT_EQ("3", ToggleTimeText(5, ',')) << "whole seconds have none";
}

TEST(PortLineText, EachLineComesFromItsOwnTableEntry) {
    DeviceRecord record{};
    for (int n = 1; n <= PortCount; ++n)
        record.PortTable[n - 1] = {0, 0xFF, 0};
    record.PortTable[0] = {0x3F8, 4, 0};
    record.PortTable[1] = {0x2E8, 11, 0};
    record.PortTable[2] = {0, 0xFE, 0};
    record.PortTable[8] = {0, 7, 0};
    record.PortTable[5] = {static_cast<int16_t>(0xFFF8), 5, 0};
    EXPECT_EQ("COM1, BasePort=03F8h, IRQ=4", PortLineText(record, 1));
    EXPECT_EQ("COM2, BasePort=02E8h, IRQ=11", PortLineText(record, 2));
    EXPECT_EQ("COM3..Used by Other Device.", PortLineText(record, 3));
    EXPECT_EQ("COM4..Not Found.", PortLineText(record, 4));
    EXPECT_EQ("COM6, BasePort=FFF8h, IRQ=5", PortLineText(record, 6)) << "a negative base";
    EXPECT_EQ("COM9..Unabled (code=7)", PortLineText(record, 9));
}

TEST(IrqChoiceIndex, OnlyTheSixListedIrqsHaveAnItem) {
    for (int i = 0; i < IrqChoiceCount; ++i)
        EXPECT_EQ(i, IrqChoiceIndex(IrqChoices[i]));
    for (int irq : {0, 1, 2, 6, 8, 9, 12, 15, 0xFE, 0xFF})
        EXPECT_EQ(-1, IrqChoiceIndex(irq)) << "IRQ " << irq;
}

} // namespace
