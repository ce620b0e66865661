// The acceptance rule of a calibration point, fed poll by poll. The driver
// repeats its last sample (same counter) until a new one arrives, and the
// window polls far faster than samples come, so most polls repeat.
#include <gtest/gtest.h>

#include "PointAcquisition.h"

namespace {

using namespace Calibration;

TouchStatus Touched(int x, int y, uint16_t counter) {
    TouchStatus s{};
    s.X = int16_t(x);
    s.Y = int16_t(y);
    s.Flags = TouchedFlag;
    s.SampleCounter = counter;
    return s;
}

TouchStatus Untouched(uint16_t counter) {
    TouchStatus s{};
    s.Flags = 0x01; // other flag bits do not mean a touch
    s.SampleCounter = counter;
    return s;
}

TEST(PointAcquisition, AcceptsAfterTwoFreshCountersAtOnePosition) {
    PointAcquisition a;
    EXPECT_EQ(PollResult::NotTouched, a.Feed(Untouched(5)));
    EXPECT_EQ(PollResult::TouchBegan, a.Feed(Touched(300, 200, 6)));  // position set, count 2
    EXPECT_EQ(PollResult::Stabilising, a.Feed(Touched(300, 200, 6))); // 6 is fresh: count 1
    for (int i = 0; i < 50; i++)
        ASSERT_EQ(PollResult::Stabilising, a.Feed(Touched(300, 200, 6))) << "no new sample";
    EXPECT_EQ(PollResult::Accepted, a.Feed(Touched(300, 200, 7)));
}

TEST(PointAcquisition, EveryPollWithANewCounterCountsOnce) {
    // Polls that each bring a new sample, as from a queue the window drains.
    PointAcquisition a;
    EXPECT_EQ(PollResult::TouchBegan, a.Feed(Touched(300, 200, 1)));
    EXPECT_EQ(PollResult::Stabilising, a.Feed(Touched(300, 200, 2)));
    EXPECT_EQ(PollResult::Accepted, a.Feed(Touched(300, 200, 3)));
}

TEST(PointAcquisition, AOneUnitMoveRestartsTheCount) {
    for (auto moved : {Touched(301, 200, 7), Touched(300, 199, 7)}) {
        PointAcquisition a;
        a.Feed(Untouched(5));
        EXPECT_EQ(PollResult::TouchBegan, a.Feed(Touched(300, 200, 6)));
        EXPECT_EQ(PollResult::Stabilising, a.Feed(Touched(300, 200, 6))); // one left
        EXPECT_EQ(PollResult::Stabilising, a.Feed(moved));                // back to two
        EXPECT_EQ(PollResult::Stabilising, a.Feed(moved));
        moved.SampleCounter = 8;
        EXPECT_EQ(PollResult::Accepted, a.Feed(moved));
    }
}

TEST(PointAcquisition, ALiftBeforeAcceptanceDropsTheTouch) {
    PointAcquisition a;
    a.Feed(Untouched(5));
    EXPECT_EQ(PollResult::TouchBegan, a.Feed(Touched(300, 200, 6)));
    EXPECT_EQ(PollResult::Stabilising, a.Feed(Touched(300, 200, 6))); // one left
    EXPECT_EQ(PollResult::TouchLifted, a.Feed(Untouched(7)));
    EXPECT_EQ(PollResult::NotTouched, a.Feed(Untouched(7))) << "dropped once only";
    // The same place touched again starts from two: a kept count would accept here.
    EXPECT_EQ(PollResult::TouchBegan, a.Feed(Touched(300, 200, 8)));
    EXPECT_EQ(PollResult::Stabilising, a.Feed(Touched(300, 200, 8)));
    EXPECT_EQ(PollResult::Accepted, a.Feed(Touched(300, 200, 9)));
}

TEST(PointAcquisition, ACounterSeenWhileUntouchedIsNotFresh) {
    // The counter of the last untouched poll is the reference: a touch whose
    // first sample bears that same counter needs two more.
    PointAcquisition a;
    a.Feed(Untouched(6));
    EXPECT_EQ(PollResult::TouchBegan, a.Feed(Touched(300, 200, 6)));
    EXPECT_EQ(PollResult::Stabilising, a.Feed(Touched(300, 200, 6)));
    EXPECT_EQ(PollResult::Stabilising, a.Feed(Touched(300, 200, 7)));
    EXPECT_EQ(PollResult::Accepted, a.Feed(Touched(300, 200, 8)));
}

} // namespace
