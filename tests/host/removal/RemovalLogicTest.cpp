#include <gtest/gtest.h>

#include "ConfirmationLayout.h"

namespace {

TEST(ConfirmationLayout, WidensForTheCaptionAndCentresFrameAndButtons) {
    // Window 6705 wide outside, 6615 inside; Yes and No 1215; the frame 5655.
    const struct {
        int captionWidth, width, frameLeft, yesLeft;
    } cases[] = {
        {3000, 6705, 480, 1789},  // short caption: as designed
        {4275, 6705, 480, 1789},  // needing exactly the width
        {6001, 8431, 1343, 2652}, // long caption: widened
    };
    for (const auto& c : cases) {
        const ConfirmationLayout::Placement p =
            ConfirmationLayout::Arrange({6705, 6615, c.captionWidth, 1215, 1215, 3900, 435, 5655});
        EXPECT_EQ(c.width, p.windowWidth) << c.captionWidth;
        EXPECT_EQ(c.width - 90, p.innerWidth) << c.captionWidth;
        EXPECT_EQ(c.frameLeft, p.frameLeft) << c.captionWidth;
        EXPECT_EQ(c.yesLeft, p.yesLeft) << c.captionWidth;
        EXPECT_EQ(c.yesLeft + 1822, p.noLeft) << "1.5 x Yes to the right";
        const int x = c.frameLeft - 50, y = 3900 - 217;
        const ConfirmationLayout::Line shadow = {x, y, x + 5755, y};
        const ConfirmationLayout::Line highlight = {x + 5760, y + 20, x - 5, y + 20};
        for (const auto& [got, want] : {std::pair{p.shadow, shadow}, {p.highlight, highlight}})
            EXPECT_TRUE(got.x1 == want.x1 && got.y1 == want.y1 && got.x2 == want.x2 &&
                        got.y2 == want.y2)
                << c.captionWidth << ": line from " << got.x1 << "," << got.y1;
    }
}

} // namespace
