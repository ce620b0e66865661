// The settings summaries, word for word: blanks and case are part of the texts.
#include <gtest/gtest.h>

#include "Summaries.h"

namespace {

using namespace BasGlobal;

TEST(TouchModeText, NamesTheModeAndTheRightButton) {
    EXPECT_EQ("Stream Mode, RBF Disable", TouchModeText(1, 0, 0));
    EXPECT_EQ("Lift Off Mode, RBF Enable", TouchModeText(2, 1, 0));
    EXPECT_EQ("Touch Down Mode, RBF Disable", TouchModeText(3, 0, 1));
    EXPECT_EQ("Drag Drop Mode, RBF Disable", TouchModeText(4, 0, 1));
}

TEST(TouchModeText, OnlyDragDropModeNamesTheRightButtonMode) {
    EXPECT_EQ("Drag Drop Mode, RBF Enable ( Automatic Mode )", TouchModeText(4, 1, 1));
    EXPECT_EQ("Drag Drop Mode, RBF Enable ( Manual Mode )", TouchModeText(4, 1, 0));
    EXPECT_EQ("Drag Drop Mode, RBF Enable ( Manual Mode )", TouchModeText(4, 1, 2))
        << "any mode but 1 is manual";
    EXPECT_EQ("Touch Down Mode, RBF Enable", TouchModeText(3, 1, 1));
    EXPECT_EQ("Stream Mode, RBF Enable", TouchModeText(1, 255, 1))
        << "any non-zero function enables";
}

TEST(TouchModeText, AnUnknownModeShowsAllThreeValues) {
    EXPECT_EQ("Invalid#0,1,0", TouchModeText(0, 1, 0));
    EXPECT_EQ("Invalid#5,0,1", TouchModeText(5, 0, 1));
    EXPECT_EQ("Invalid#255,255,255", TouchModeText(255, 255, 255));
}

TEST(FeedbackAndAcceleration, NamesInRangeAndInvalidOutside) {
    EXPECT_EQ("Silence ( No Sound )", FeedbackText(1));
    EXPECT_EQ("Touch Down Only", FeedbackText(2));
    EXPECT_EQ("Lift Off Only", FeedbackText(3));
    EXPECT_EQ("Both Touch Down && Lift Off", FeedbackText(4));
    EXPECT_EQ("Invalid#5", FeedbackText(5));
    EXPECT_EQ("Invalid#0", FeedbackText(0));

    EXPECT_EQ("Slow", AccelerationText(1));
    EXPECT_EQ("Medium", AccelerationText(2));
    EXPECT_EQ("Fast", AccelerationText(3));
    EXPECT_EQ("Off", AccelerationText(4));
    EXPECT_EQ("Invalid#0", AccelerationText(0));
    EXPECT_EQ("Invalid#7", AccelerationText(7));
}

TEST(LevelText, CountsDownFrom127AndGoesNegative) {
    EXPECT_EQ("Level 0", LevelText(127));
    EXPECT_EQ("Level 7", LevelText(120));
    EXPECT_EQ("Level -3", LevelText(130));
    EXPECT_EQ("Level 127", LevelText(0));
    EXPECT_EQ("Level -128", LevelText(255));
}

TEST(DurationText, MinutesAndSecondsEachWithALeadingBlank) {
    EXPECT_EQ("Disable", DurationText(0));
    EXPECT_EQ(" 30 Sec.", DurationText(30));
    EXPECT_EQ(" 1 Min. ", DurationText(60));
    EXPECT_EQ(" 1 Min.  30 Sec.", DurationText(90));
    EXPECT_EQ(" 42 Min.  30 Sec.", DurationText(2550));
}

TEST(PowerDownText, TimeCountsInTensOfSeconds) {
    EXPECT_EQ("Disable Power Down Function", PowerDownText(0));
    EXPECT_EQ("Power Down When Idle  30 Sec.", PowerDownText(3));
    EXPECT_EQ("Power Down When Idle  1 Min. ", PowerDownText(6));
    EXPECT_EQ("Power Down When Idle  1 Min.  30 Sec.", PowerDownText(9));
    EXPECT_EQ("Power Down When Idle  5 Min. ", PowerDownText(30));
}

TEST(MouseSpeedText, PercentInStepsOfFiveUnlessBypassed) {
    EXPECT_EQ("HS=50%, VS=60%, Acceleration=Slow", MouseSpeedText(10, 12, 1, 0));
    EXPECT_EQ("HS=0%, VS=100%, Acceleration=Invalid#9", MouseSpeedText(0, 20, 9, 0));
    EXPECT_EQ("Enable Bypass Mode", MouseSpeedText(10, 12, 1, 1));
    EXPECT_EQ("Enable Bypass Mode", MouseSpeedText(0, 0, 0, 2));
}

TEST(SerialPortText, PortHexIrqAndBaudRate) {
    EXPECT_EQ("COM1, Port=03F8, IRQ=4, (9600,N,8,1)", SerialPortText(1, 0x3F8, 4, 4));
    EXPECT_EQ("COM2, Port=02F8, IRQ=3, (1200,N,8,1)", SerialPortText(2, 0x2F8, 3, 1));
    EXPECT_EQ("COM4, Port=02E8, IRQ=10, (115200,N,8,1)", SerialPortText(4, 0x2E8, 10, 11));
    EXPECT_EQ("COM1, Port=03F8, IRQ=4, (14400,N,8,1)", SerialPortText(1, 0x3F8, 4, 5));
    EXPECT_EQ("COM1, Port=03F8, IRQ=4, (,N,8,1)", SerialPortText(1, 0x3F8, 4, 0));
    EXPECT_EQ("COM1, Port=03F8, IRQ=4, (,N,8,1)", SerialPortText(1, 0x3F8, 4, 12))
        << "a code beyond the table has no name";
    EXPECT_EQ("COM1, Port=03F8, IRQ=4, (,N,8,1)", SerialPortText(1, 0x3F8, 4, -1));
}

TEST(PortEntryText, AddressOrStatus) {
    EXPECT_EQ("COM2, BasePort=02F8h, IRQ=3", PortEntryText(2, 0x2F8, 3));
    EXPECT_EQ("COM1, BasePort=03F8h, IRQ=255", PortEntryText(1, 0x3F8, 0xFF))
        << "with an address the byte is an IRQ, not a status";
    EXPECT_EQ("COM3..Not Found.", PortEntryText(3, 0, 0xFF));
    EXPECT_EQ("COM3..Used by Other Device.", PortEntryText(3, 0, 0xFE));
    EXPECT_EQ("COM9..Unabled (code=7)", PortEntryText(9, 0, 7));
    EXPECT_EQ("COM5..Unabled (code=0)", PortEntryText(5, 0, 0));
}

TEST(Hex, UpperCaseZeroPaddedLowDigits) {
    EXPECT_EQ("00", Hex2(0));
    EXPECT_EQ("0A", Hex2(10));
    EXPECT_EQ("FF", Hex2(255));
    EXPECT_EQ("34", Hex2(0x1234)) << "the last two digits";
    EXPECT_EQ("0000", Hex4(0));
    EXPECT_EQ("03F8", Hex4(0x3F8));
    EXPECT_EQ("ABCD", Hex4(0xABCD));
    EXPECT_EQ("FFFF", Hex4(-1));
    EXPECT_EQ("8000", Hex4(-32768));
    EXPECT_EQ("2345", Hex4(0x12345)) << "the last four digits";
}

} // namespace
