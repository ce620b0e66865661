// The two procedures' arithmetic on points already rotated and corrected for
// the panel direction. Expected values are worked out by hand in the comments.
#include <gtest/gtest.h>

#include "CalibrationMath.h"

namespace {

using namespace Calibration;

// Corners p1..p4: TOP-LEFT, TOP-RIGHT, DOWN-RIGHT, DOWN-LEFT.
FourPoints Corners(int left, int right, int top, int bottom) {
    auto p = [](int x, int y) { return RawPoint{int16_t(x), int16_t(y)}; };
    return {p(left, top), p(right, top), p(right, bottom), p(left, bottom)};
}

// Edges p1..p4: TOP, RIGHT, DOWN, LEFT.
FourPoints Edges(int left, int centreX, int right, int top, int centreY, int bottom) {
    auto p = [](int x, int y) { return RawPoint{int16_t(x), int16_t(y)}; };
    return {p(centreX, top), p(right, centreY), p(centreX, bottom), p(left, centreY)};
}

TEST(CornerArithmetic, HandComputation) {
    // X averages 100 and 900 at 1024 pixels: mx = 801 / 992 x 16 = 12.919.
    // Y: top (50 + 61) div 2 = 55, bottom (700 + 713) div 2 = 706, centre
    // 55 + 651 div 2 = 380; my = 652 / 736 x 16 = 14.174 -> 40.83 and 720.17.
    FourPoints p = {RawPoint{100, 50}, RawPoint{900, 61}, RawPoint{900, 700}, RawPoint{100, 713}};
    CalibrationValues v = CornerArithmetic(p, 1024, 768);
    EXPECT_EQ(87, v[CalLeft]);
    EXPECT_EQ(500, v[CalCenterX]);
    EXPECT_EQ(913, v[CalRight]);
    EXPECT_EQ(41, v[CalTop]);
    EXPECT_EQ(380, v[CalCenterY]);
    EXPECT_EQ(720, v[CalBottom]);
}

TEST(CornerArithmetic, IntegerStepsTruncateTowardZero) {
    // Left (-2 + -1) div 2 = -1, not -2; centre -1 + (901 + 1) div 2 = 450.
    FourPoints p = {RawPoint{-2, 100}, RawPoint{901, 100}, RawPoint{901, 700}, RawPoint{-1, 700}};
    EXPECT_EQ(450, CornerArithmetic(p, 1024, 768)[CalCenterX]);
    // A right below the left: 101 - 600 = -499, div 2 = -249, centre 351.
    EXPECT_EQ(351, CornerArithmetic(Corners(600, 101, 100, 700), 1024, 768)[CalCenterX]);
}

TEST(CornerArithmetic, MarginHalvesRoundToEven) {
    // 775 / 992 x 16 = 12.5 exactly: 87.5 -> 88 and 886.5 -> 886.
    CalibrationValues v = CornerArithmetic(Corners(100, 874, 100, 700), 1024, 768);
    EXPECT_EQ(88, v[CalLeft]);
    EXPECT_EQ(886, v[CalRight]);
    // One further: 88.5 -> 88 and 887.5 -> 888.
    v = CornerArithmetic(Corners(101, 875, 100, 700), 1024, 768);
    EXPECT_EQ(88, v[CalLeft]);
    EXPECT_EQ(888, v[CalRight]);
}

TEST(EdgeArithmetic, HandComputationWithHalvesToEven) {
    // hx = 512 - 32 = 480: (504 - 100 + 1) / 480 x 16 = 13.5 on both sides;
    // hy = 384 - 32 = 352: (386 - 90 + 1) / 352 x 16 = 13.5 on both sides.
    CalibrationValues v = EdgeArithmetic(Edges(100, 504, 908, 90, 386, 682), 1024, 768);
    EXPECT_EQ(86, v[CalLeft]); // 86.5
    EXPECT_EQ(504, v[CalCenterX]);
    EXPECT_EQ(922, v[CalRight]); // 921.5
    EXPECT_EQ(76, v[CalTop]);    // 76.5
    EXPECT_EQ(386, v[CalCenterY]);
    EXPECT_EQ(696, v[CalBottom]); // 695.5
}

TEST(EdgeArithmetic, CentresAreTheMeansOfTheOtherAxisPoints) {
    // Centre X from TOP and DOWN, centre Y from RIGHT and LEFT, truncated.
    FourPoints p = {RawPoint{500, 90}, RawPoint{900, 380}, RawPoint{503, 680}, RawPoint{100, 389}};
    CalibrationValues v = EdgeArithmetic(p, 1024, 768);
    EXPECT_EQ(501, v[CalCenterX]); // (503 + 500) div 2
    EXPECT_EQ(384, v[CalCenterY]); // (380 + 389) div 2
}

TEST(EdgeArithmetic, OddSizesKeepTheirHalfPixel) {
    // 201 pixels: hx = 100.5 - 32 = 68.5; (399 - 300 + 1) / 68.5 x 16 = 23.36,
    // so 276.64 -> 277 (a halving in integers, 68, would give 276.47 -> 276).
    EXPECT_EQ(277, EdgeArithmetic(Edges(300, 399, 500, 100, 384, 700), 201, 768)[CalLeft]);
}

TEST(Arithmetic, EdgesAreClampedAndCentresNot) {
    // 40 pixels leave a divisor of 8: mx = 801 / 8 x 16 = 1602, far beyond the raw range.
    CalibrationValues v = CornerArithmetic(Corners(100, 900, 100, 700), 40, 768);
    EXPECT_EQ(0, v[CalLeft]);
    EXPECT_EQ(1023, v[CalRight]);
    EXPECT_EQ(500, v[CalCenterX]);
    // Centres outside 0..1023 (from out-of-range raw values) stay as they are.
    FourPoints p = {RawPoint{-20, 30}, RawPoint{900, 1100}, RawPoint{-20, 1050},
                    RawPoint{100, 1100}};
    v = EdgeArithmetic(p, 1024, 768);
    EXPECT_EQ(-20, v[CalCenterX]);
    EXPECT_EQ(1100, v[CalCenterY]);
    EXPECT_EQ(0, v[CalTop]);
    EXPECT_EQ(1023, v[CalBottom]);
}

TEST(Arithmetic, LargeRawValuesDoNotWrap) {
    // 30000 + 30000 and 3 x 20000 exceed 16 bits; the sums are formed wide,
    // so the averages are the values themselves. A left edge is only
    // clamped from below.
    EXPECT_EQ(30000, CornerArithmetic(Corners(30000, 30000, 100, 700), 1024, 768)[CalLeft]);
    EXPECT_EQ(20000, EdgeArithmetic(Edges(20000, 20000, 20000, 100, 384, 700), 1024, 768)[CalLeft]);
    // Half a pixel of divisor and a centre far left of the left edge: the
    // margin (0 - 1000 + 1) / 0.5 x 16 = -31968 puts the edge at 32968,
    // held at the 16-bit limit rather than overflowing.
    EXPECT_EQ(INT16_MAX, EdgeArithmetic(Edges(1000, 0, 1010, 100, 384, 700), 65, 768)[CalLeft]);
}

TEST(Arithmetic, NoMarginWhenTheResolutionLeavesNoPositiveDivisor) {
    // Mode 1 divides by ResolutionX - 32, mode 2 by ResolutionX / 2 - 32.
    // At or below those sizes the edges stay at the marks' raw values; the
    // other axis is corrected as usual.
    for (int16_t width : {32, 31, 20, 0, -1, INT16_MIN}) {
        CalibrationValues v = CornerArithmetic(Corners(100, 900, 100, 700), width, 768);
        EXPECT_EQ(100, v[CalLeft]) << width;
        EXPECT_EQ(500, v[CalCenterX]) << width;
        EXPECT_EQ(900, v[CalRight]) << width;
        EXPECT_LT(v[CalTop], 100) << width;
        EXPECT_GT(v[CalBottom], 700) << width;
    }
    for (int16_t height : {64, 63, 0, -5}) {
        CalibrationValues v = EdgeArithmetic(Edges(100, 500, 900, 100, 400, 700), 1024, height);
        EXPECT_EQ(100, v[CalTop]) << height;
        EXPECT_EQ(700, v[CalBottom]) << height;
        EXPECT_LT(v[CalLeft], 100) << height;
        EXPECT_GT(v[CalRight], 900) << height;
    }
    // Just above: a divisor of 1 (mode 1) or 0.5 (mode 2) is used and clamped.
    EXPECT_EQ(0, CornerArithmetic(Corners(100, 900, 100, 700), 33, 768)[CalLeft]);
    EXPECT_EQ(1023, EdgeArithmetic(Edges(100, 500, 900, 100, 400, 700), 1024, 65)[CalBottom]);
}

TEST(RoundHalfEven, NegativeHalvesAndTheSixteenBitLimits) {
    EXPECT_EQ(-2.0, RoundHalfEven(-1.5));
    EXPECT_EQ(-2.0, RoundHalfEven(-2.5));
    EXPECT_EQ(-3.0, RoundHalfEven(-2.5000001));
    EXPECT_EQ(32766, RoundToInt16(32766.5));
    EXPECT_EQ(INT16_MAX, RoundToInt16(32767.5));
    EXPECT_EQ(INT16_MIN, RoundToInt16(-40000.5));
}

} // namespace
