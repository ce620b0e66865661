// A whole calibration run as the window drives it: points recorded by number,
// then the outcome, and the record's calibration group kept and restored.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "CalibrationRun.h"

namespace {

using namespace Calibration;

RawPoint P(int x, int y) {
    return RawPoint{int16_t(x), int16_t(y)};
}

// Raw points of a normally mounted panel, by point number 1..8.
const RawPoint Normal[9] = {P(0, 0),    P(100, 80),  P(900, 80),  P(900, 700), P(100, 700),
                            P(500, 80), P(900, 390), P(500, 700), P(100, 390)};

CalibrationOutcome RunWith(Procedure procedure, int16_t rotation, int16_t resX, int16_t resY,
                           const RawPoint (&raw)[9]) {
    CalibrationRun run(procedure, resX, resY, rotation);
    for (int point : run.Points())
        run.RecordPoint(point, raw[point].X, raw[point].Y);
    return run.Compute();
}

TEST(CalibrationRun, XReversedPanelIsComputedOnTheReversedValues) {
    RawPoint reversed[9];
    for (int i = 0; i < 9; i++)
        reversed[i] = P(1023 - Normal[i].X, Normal[i].Y);
    for (Procedure procedure : {Procedure::Corners, Procedure::Edges}) {
        CalibrationOutcome normal = RunWith(procedure, 0, 1024, 768, Normal);
        CalibrationOutcome outcome = RunWith(procedure, 0, 1024, 768, reversed);
        ASSERT_TRUE(normal.Succeeded);
        ASSERT_TRUE(outcome.Succeeded);
        EXPECT_EQ(0, normal.NewDirection);
        EXPECT_EQ(1, outcome.NewDirection);
        EXPECT_EQ(normal.NewCalibration, outcome.NewCalibration);
    }
    EXPECT_EQ("10000111",
              RunWith(Procedure::Corners, 0, 1024, 768, reversed).Direction.FirstPattern);
}

TEST(CalibrationRun, RotationReordersThePointsBeforeTheCheck) {
    // Under code 1 the point acquired fourth is taken as the first, and so on
    // (code 2 the other way, code 3 across), so these acquisitions are the
    // normal panel turned back.
    const int before[4][4] = {{0, 1, 2, 3}, {3, 0, 1, 2}, {1, 2, 3, 0}, {2, 3, 0, 1}};
    for (Procedure procedure : {Procedure::Corners, Procedure::Edges}) {
        const CalibrationOutcome normal = RunWith(procedure, 0, 1024, 768, Normal);
        const auto& points = PointsOf(procedure);
        for (int16_t code = 1; code < 4; code++) {
            RawPoint acquired[9] = {};
            for (int i = 0; i < 4; i++)
                acquired[points[before[code][i]]] = Normal[points[i]];
            CalibrationOutcome outcome = RunWith(procedure, code, 1024, 768, acquired);
            ASSERT_TRUE(outcome.Succeeded) << code;
            EXPECT_EQ(0, outcome.NewDirection) << code;
            EXPECT_EQ(normal.NewCalibration, outcome.NewCalibration) << code;
        }
    }
}

TEST(CalibrationRun, RotationCodeFiveCountsAsZero) {
    CalibrationRun run(Procedure::Corners, 1024, 768, 5);
    EXPECT_EQ(0, run.RotationCode());
    EXPECT_EQ(3, CalibrationRun(Procedure::Corners, 1024, 768, 3).RotationCode());
    CalibrationOutcome five = RunWith(Procedure::Corners, 5, 1024, 768, Normal);
    CalibrationOutcome zero = RunWith(Procedure::Corners, 0, 1024, 768, Normal);
    ASSERT_TRUE(five.Succeeded);
    EXPECT_EQ(zero.NewCalibration, five.NewCalibration);
    EXPECT_EQ(zero.NewDirection, five.NewDirection);
}

TEST(CalibrationRun, DirectionFailureYieldsTheErrorTextAndNothingToApply) {
    CalibrationRun run(Procedure::Edges, 1024, 768, 0);
    run.RecordPoint(TopPoint, 500, 80);
    run.RecordPoint(RightPoint, 100, 390); // right and left touched the wrong way round,
    run.RecordPoint(DownPoint, 500, 700);
    run.RecordPoint(LeftPoint, 100, 390); // both on the left
    CalibrationOutcome outcome = run.Compute();
    EXPECT_FALSE(outcome.Succeeded);
    EXPECT_EQ("00000101", outcome.Direction.FirstPattern);
    EXPECT_EQ("00000000", outcome.Direction.SecondPattern);
    EXPECT_EQ("Incorrect Panel Direction! (00000101-00000000)\r\n\r\n"
              "Please checkout the pinout of your touch panel.",
              DirectionErrorText(outcome.Direction));
    // Points never recorded read as (0, 0); numbers outside the table are ignored.
    CalibrationRun empty(Procedure::Corners, 1024, 768, 0);
    empty.RecordPoint(-1, 900, 900);
    empty.RecordPoint(26, 900, 900);
    EXPECT_EQ("00000000", empty.Compute().Direction.FirstPattern);
}

TEST(CalibrationRun, ResolutionTooSmallForMarginsKeepsTheMarksRawValues) {
    // A record whose resolution was never set (0 x 0): the run still finds the
    // direction, and the edges stay where the marks were touched.
    for (Procedure procedure : {Procedure::Corners, Procedure::Edges}) {
        CalibrationOutcome outcome = RunWith(procedure, 0, 0, 0, Normal);
        ASSERT_TRUE(outcome.Succeeded);
        EXPECT_EQ((CalibrationValues{100, 500, 900, 80, 390, 700}), outcome.NewCalibration);
    }
}

TEST(RecordCalibration, RestoreWritesBackExactlyTheGroupReadAtTheStart) {
    DeviceRecord start;
    uint8_t* bytes = reinterpret_cast<uint8_t*>(&start);
    for (size_t i = 0; i < sizeof start; i++)
        bytes[i] = uint8_t(0xA0 + i); // values no calibration would produce
    const CalibrationValues oldCalibration = CalibrationOf(start);
    const uint8_t oldDirection = start.PanelDirection;

    DeviceRecord record = start;
    StoreCalibration(record, CalibrationValues{87, 500, 913, 41, 380, 720}, 6);
    EXPECT_EQ(87, record.Calibration[0]);
    EXPECT_EQ(720, record.Calibration[5]);
    EXPECT_EQ(6, record.PanelDirection);
    const size_t first = offsetof(DeviceRecord, Calibration);
    const size_t end = offsetof(DeviceRecord, PanelDirection) + 1;
    EXPECT_EQ(0, memcmp(&record, &start, first)) << "nothing before the group changes";
    EXPECT_EQ(0, memcmp(reinterpret_cast<uint8_t*>(&record) + end, bytes + end, sizeof start - end))
        << "nothing after the group changes";

    StoreCalibration(record, oldCalibration, oldDirection);
    EXPECT_EQ(0, memcmp(&record, &start, sizeof start));
}

} // namespace
