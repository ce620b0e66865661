// Panel direction: the side-of-midpoint patterns, the second try with X and
// Y exchanged, the error box's text, and the rotation step before it.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "PanelDirection.h"

namespace {

using namespace Calibration;

RawPoint P(int x, int y) {
    return RawPoint{int16_t(x), int16_t(y)};
}

// A normally mounted panel's corners and edge midpoints.
const FourPoints NormalCorners = {P(100, 80), P(900, 80), P(900, 700), P(100, 700)};
const FourPoints NormalEdges = {P(500, 80), P(900, 390), P(500, 700), P(100, 390)};

FourPoints Transformed(FourPoints points, bool invertX, bool invertY, bool exchange) {
    for (RawPoint& p : points) {
        if (invertX)
            p.X = int16_t(1023 - p.X);
        if (invertY)
            p.Y = int16_t(1023 - p.Y);
        if (exchange)
            std::swap(p.X, p.Y);
    }
    return points;
}

TEST(DirectionPattern, ReadsTheMidpointSidesInPatternOrder) {
    EXPECT_EQ("00101101", BuildDirectionPattern(Procedure::Corners, NormalCorners));
    EXPECT_EQ("00101101", BuildDirectionPattern(Procedure::Edges, NormalEdges));
    // 511 is below the midpoint, 512 on it counts as above.
    FourPoints p = {P(511, 512), P(512, 511), P(0, 1023), P(-1, 30000)};
    EXPECT_EQ("01100101", BuildDirectionPattern(Procedure::Corners, p));
    // Edges read LEFT X, TOP Y, RIGHT X, TOP Y, RIGHT X, DOWN Y, LEFT X, DOWN Y:
    // the centres (TOP X, RIGHT Y, DOWN X, LEFT Y) play no part.
    FourPoints e = {P(1000, 600), P(300, 1000), P(1000, 100), P(700, 1000)};
    EXPECT_EQ("11010010", BuildDirectionPattern(Procedure::Edges, e));
}

TEST(DirectionPattern, MatchesTheFourKnownPatternsOnly) {
    EXPECT_EQ(0, MatchDirectionPattern("00101101"));
    EXPECT_EQ(1, MatchDirectionPattern("10000111"));
    EXPECT_EQ(2, MatchDirectionPattern("01111000"));
    EXPECT_EQ(3, MatchDirectionPattern("11010010"));
    for (const char* other : {"00011110", "00000000", "0010110", "001011010", ""})
        EXPECT_EQ(NoDirectionMatch, MatchDirectionPattern(other)) << other;
}

TEST(CheckPanelDirection, FindsAllEightMountingsInBothProcedures) {
    for (Procedure procedure : {Procedure::Corners, Procedure::Edges}) {
        const FourPoints& normal = procedure == Procedure::Corners ? NormalCorners : NormalEdges;
        for (int code = 0; code < 8; code++) {
            FourPoints p = Transformed(normal, code & 1, code & 2, code & 4);
            DirectionCheck check = CheckPanelDirection(procedure, p);
            SCOPED_TRACE("code " + std::to_string(code));
            ASSERT_TRUE(check.Passed);
            EXPECT_EQ(code, check.NewDirection);
            // Exchanged points stay exchanged; inverting then gives the normal panel back.
            ApplyInversions(check.NewDirection, p);
            for (int i = 0; i < 4; i++) {
                EXPECT_EQ(normal[i].X, p[i].X) << i;
                EXPECT_EQ(normal[i].Y, p[i].Y) << i;
            }
            if (code < 4)
                EXPECT_EQ("", check.SecondPattern);
            else
                EXPECT_EQ(NoDirectionMatch, MatchDirectionPattern(check.FirstPattern));
        }
    }
}

TEST(CheckPanelDirection, XReversedCornersReadAsDirectionOne) {
    FourPoints p = Transformed(NormalCorners, true, false, false);
    DirectionCheck check = CheckPanelDirection(Procedure::Corners, p);
    EXPECT_EQ("10000111", check.FirstPattern);
    EXPECT_EQ(1, check.NewDirection);
}

TEST(CheckPanelDirection, FailureKeepsBothPatternsForTheErrorBox) {
    // Every point high in Y and low in X: no mounting produces that.
    FourPoints p = {P(100, 600), P(200, 700), P(300, 800), P(400, 900)};
    DirectionCheck check = CheckPanelDirection(Procedure::Corners, p);
    EXPECT_FALSE(check.Passed);
    EXPECT_EQ("01010101", check.FirstPattern);
    EXPECT_EQ("10101010", check.SecondPattern);
    EXPECT_EQ("Incorrect Panel Direction! (01010101-10101010)\r\n\r\n"
              "Please checkout the pinout of your touch panel.",
              DirectionErrorText(check));
    EXPECT_STREQ("Touchscreen Calibration", DirectionErrorTitle);
    EXPECT_EQ(600, p[0].X) << "the exchanged values are left exchanged";
}

TEST(Rotation, QuarterTurnsShiftThePointsCyclically) {
    const FourPoints p = {P(1, 10), P(2, 20), P(3, 30), P(4, 40)};
    auto order = [&](int16_t code) {
        FourPoints r = p;
        RotatePoints(r, code);
        std::string s;
        for (const RawPoint& q : r) {
            EXPECT_EQ(q.X * 10, q.Y) << "X and Y move together";
            s += char('0' + q.X);
        }
        return s;
    };
    EXPECT_EQ("1234", order(0));
    EXPECT_EQ("4123", order(1)); // new p(i) = old p(i - 1)
    EXPECT_EQ("2341", order(2)); // new p(i) = old p(i + 1)
    EXPECT_EQ("3412", order(3)); // p1 <-> p3, p2 <-> p4
    for (int16_t outOfRange : {4, 5, -1, INT16_MIN, INT16_MAX}) {
        EXPECT_EQ("1234", order(outOfRange)) << outOfRange;
        EXPECT_EQ(0, NormalizedRotationCode(outOfRange)) << outOfRange;
    }
    EXPECT_EQ(3, NormalizedRotationCode(3));
}

TEST(Procedures, OnlyModesZeroAndOneAreSupported) {
    Procedure procedure = Procedure::Edges;
    ASSERT_TRUE(ProcedureForMode(0, procedure));
    EXPECT_EQ(Procedure::Corners, procedure);
    ASSERT_TRUE(ProcedureForMode(1, procedure));
    EXPECT_EQ(Procedure::Edges, procedure);
    EXPECT_FALSE(ProcedureForMode(2, procedure));
    EXPECT_EQ("Fail to calibration! ( mode 2 not support )", UnsupportedModeText(2));
    EXPECT_EQ("Fail to calibration! ( mode -7 not support )", UnsupportedModeText(-7));
}

} // namespace
