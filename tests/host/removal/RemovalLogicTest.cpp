#include <gtest/gtest.h>

#include "ConfirmationLayout.h"
#include "RemovalTexts.h"
#include "basVersion.h"

namespace {

TEST(RemovalTexts, QuestionAndCommandLines) {
    const std::string word = basVersion::IsPs2Build ? "PS2" : "COM";
    EXPECT_EQ("Are you sure you want to completely remove TouchScreen V.7.0." + word +
                  " and all of its components?",
              RemovalTexts::QuestionText());
    EXPECT_EQ("\"C:\\Program Files\\TS\\unins000.exe\" /SILENT",
              RemovalTexts::UninstallerCommandLine("C:\\Program Files\\TS"));
    EXPECT_EQ("C:\\WINDOWS\\KVD2KReg.exe C:\\WINDOWS\\inf\\MSMOUSE.inf *PNP0F13 Remove",
              RemovalTexts::UnregisterCommandLine("C:\\WINDOWS", "*PNP0F13"));
    EXPECT_EQ("Fail to remove files! (WAIT_TIMEOUT)", RemovalTexts::FailureText("WAIT_TIMEOUT"));
    EXPECT_EQ(std::string("Removal is complete to uninstall TouchScreen drivers and utilities.") +
                  "\r\n\r\nThe Windows must be restarted.",
              RemovalTexts::CompletionText);
}

struct LayoutCase {
    const char* what;
    int windowWidth, innerWidth, captionWidth;
    int expectedWidth, expectedFrameLeft, expectedYesLeft;
};

TEST(ConfirmationLayout, WidensForTheCaptionAndCentresFrameAndButtons) {
    // Yes and No 1215 wide, the frame 5655; a frame of 90 twips around the inside.
    const LayoutCase cases[] = {
        {"short caption", 6705, 6615, 3000, 6705, 480, 1789},
        {"caption needing exactly the width", 6705, 6615, 4275, 6705, 480, 1789},
        {"long caption", 6705, 6615, 6001, 8431, 1343, 2652},
    };
    for (const LayoutCase& c : cases) {
        const ConfirmationLayout::Placement p = ConfirmationLayout::Arrange(
            {c.windowWidth, c.innerWidth, c.captionWidth, 1215, 1215, 3900, 435, 5655});
        EXPECT_EQ(c.expectedWidth, p.windowWidth) << c.what;
        EXPECT_EQ(c.expectedWidth - 90, p.innerWidth) << c.what;
        EXPECT_EQ(c.expectedFrameLeft, p.frameLeft) << c.what;
        EXPECT_EQ(c.expectedYesLeft, p.yesLeft) << c.what;
        EXPECT_EQ(c.expectedYesLeft + 1822, p.noLeft) << c.what << ": 1.5 x Yes to the right";

        const int x = p.frameLeft - 50;
        const int y = 3900 - 217;
        EXPECT_EQ(x, p.shadow.x1) << c.what;
        EXPECT_EQ(y, p.shadow.y1) << c.what;
        EXPECT_EQ(x + 5755, p.shadow.x2) << c.what;
        EXPECT_EQ(y, p.shadow.y2) << c.what;
        EXPECT_EQ(x + 5755 + 5, p.highlight.x1) << c.what;
        EXPECT_EQ(y + 20, p.highlight.y1) << c.what;
        EXPECT_EQ(x - 5, p.highlight.x2) << c.what;
        EXPECT_EQ(y + 20, p.highlight.y2) << c.what;
    }
}

} // namespace
