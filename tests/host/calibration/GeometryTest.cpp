// Geometry of the calibration surface and the cross marks drawn on it.
#include <gtest/gtest.h>

#include <string>

#include "CalibrationGeometry.h"

namespace {

using namespace Calibration;

TEST(Geometry, EdgesMarginsAndCentresRoundingHalvesToEven) {
    CalibrationGeometry g = GeometryForSize(1024, 768);
    EXPECT_EQ(0, g.EdgeLeft);
    EXPECT_EQ(0, g.EdgeTop);
    EXPECT_EQ(1023, g.EdgeRight);
    EXPECT_EQ(767, g.EdgeBottom);
    EXPECT_EQ(16, g.MarginX);
    EXPECT_EQ(16, g.MarginY);
    EXPECT_EQ(511, g.CenterX);
    EXPECT_EQ(383, g.CenterY);
    // 1025 / 2 - 1 = 511.5 -> 512; 767 / 2 - 1 = 382.5 -> 382.
    g = GeometryForSize(1025, 767);
    EXPECT_EQ(512, g.CenterX);
    EXPECT_EQ(382, g.CenterY);
}

TEST(CrossMark, BoxesAndLinesOfEachPoint) {
    const CalibrationGeometry g = GeometryForSize(1024, 768);
    struct Expected {
        int point, left, top, right, bottom, lineX, lineY;
    };
    // Near spans 0..31 with the line at 15; far spans edge - 33 .. edge with
    // the line at edge - 17; centre spans centre - 17 .. centre + 15, line at the centre.
    const Expected marks[] = {
        {1, 0, 0, 31, 31, 15, 15},           {2, 990, 0, 1023, 31, 1006, 15},
        {3, 990, 734, 1023, 767, 1006, 750}, {4, 0, 734, 31, 767, 15, 750},
        {5, 494, 0, 526, 31, 511, 15},       {6, 990, 366, 1023, 398, 1006, 383},
        {7, 494, 734, 526, 767, 511, 750},   {8, 0, 366, 31, 398, 15, 383}};
    for (const Expected& e : marks) {
        CrossMark m = CrossMarkOf(g, e.point);
        SCOPED_TRACE("point " + std::to_string(e.point));
        EXPECT_TRUE(m.Drawn);
        EXPECT_EQ(e.left, m.Left);
        EXPECT_EQ(e.top, m.Top);
        EXPECT_EQ(e.right, m.Right);
        EXPECT_EQ(e.bottom, m.Bottom);
        EXPECT_EQ(e.lineX, m.LineX);
        EXPECT_EQ(e.lineY, m.LineY);
    }
    EXPECT_FALSE(CrossMarkOf(g, 0).Drawn);
    EXPECT_FALSE(CrossMarkOf(g, 9).Drawn);
}

} // namespace
