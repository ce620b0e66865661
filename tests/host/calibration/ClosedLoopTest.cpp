// Closed loop: a simulated panel (every mounting, every rotation, several
// screens and panel placements) is calibrated on the cross marks the window
// would draw, and the simulated controller's mapping with the resulting
// values must put touches back on the pixels that were touched.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "CalibrationGeometry.h"
#include "CalibrationRun.h"
#include "PanelModel.h"
#include "SimMapping.h"

namespace {

using namespace Calibration;

// The marks' lines stand 15 pixels from the near edges but 17 from the far
// ones, while the arithmetic takes both as 16 (and mode 2 divides by half the
// screen less two margins, not one): up to 2 pixels from the geometry, plus
// the rounding of raw readings and of the six values, each worth up to a
// pixel where a raw unit covers more than one.
constexpr int MarkBound = 3;
constexpr int BetweenBound = 3;

struct Screen {
    int16_t Width; // unturned, as in the record
    int16_t Height;
};
const Screen Screens[] = {{1024, 768}, {800, 600},   {640, 480},  {1280, 1024},
                          {1366, 768}, {1600, 1200}, {1023, 767}, {1920, 1080}};

struct Placement {
    double OffsetX, SpanX, OffsetY, SpanY;
};
const Placement Placements[] = {{40, 944, 40, 944}, {70, 900, 20, 980}, {12, 1000, 60, 880}};

struct Worst {
    int Error = -1;
    std::string Where;
    void Take(int error, const std::string& where) {
        if (error > Error) {
            Error = error;
            Where = where;
        }
    }
};

// Distance in pixels (the larger of the two axes) between a touched desktop
// pixel and where the simulated controller puts it.
int MappingError(const DeviceRecord& record, const PanelModel& panel, int x, int y) {
    const PanelReading raw = RawTouchAt(panel, x, y);
    SimScreenPoint mapped{-1, -1};
    EXPECT_EQ(1, SimMapTouch(&record, panel.RotationCode, raw.X, raw.Y, &mapped));
    return std::max(std::abs(mapped.X - x), std::abs(mapped.Y - y));
}

TEST(ClosedLoop, EveryMountingAndRotationMapsTouchesBackOntoTheirPixels) {
    Worst onMarks, between;
    int runs = 0;
    for (const Screen& screen : Screens)
        for (const Placement& at : Placements)
            for (int16_t rotation = 0; rotation < 4; rotation++)
                for (uint8_t mounting = 0; mounting < 8; mounting++)
                    for (Procedure procedure : {Procedure::Corners, Procedure::Edges}) {
                        const bool quarterTurn = rotation == 1 || rotation == 2;
                        const int w = quarterTurn ? screen.Height : screen.Width;
                        const int h = quarterTurn ? screen.Width : screen.Height;
                        const PanelModel panel{w,          h,          rotation, mounting,
                                               at.OffsetX, at.OffsetY, at.SpanX, at.SpanY};
                        const std::string where =
                            std::to_string(screen.Width) + "x" + std::to_string(screen.Height) +
                            " offset " + std::to_string(int(at.OffsetX)) + " rotation " +
                            std::to_string(rotation) + " mounting " + std::to_string(mounting) +
                            (procedure == Procedure::Corners ? " mode 1" : " mode 2");
                        SCOPED_TRACE(where);

                        const CalibrationGeometry geometry = GeometryForSize(w, h);
                        CalibrationRun run(procedure, screen.Width, screen.Height, rotation);
                        for (int point : run.Points()) {
                            const CrossMark mark = CrossMarkOf(geometry, point);
                            const PanelReading raw = RawTouchAt(panel, mark.LineX, mark.LineY);
                            run.RecordPoint(point, raw.X, raw.Y);
                        }
                        const CalibrationOutcome outcome = run.Compute();
                        ASSERT_TRUE(outcome.Succeeded) << DirectionErrorText(outcome.Direction);
                        ASSERT_EQ(mounting, outcome.NewDirection);
                        runs++;

                        DeviceRecord record{};
                        StoreCalibration(record, outcome.NewCalibration, outcome.NewDirection);
                        record.ResolutionX = screen.Width;
                        record.ResolutionY = screen.Height;
                        for (int point = TopLeftPoint; point <= LeftPoint; point++) {
                            const CrossMark mark = CrossMarkOf(geometry, point);
                            onMarks.Take(MappingError(record, panel, mark.LineX, mark.LineY),
                                         where + " point " + std::to_string(point));
                        }
                        const int steps = 24;
                        for (int i = 0; i <= steps; i++)
                            for (int j = 0; j <= steps; j++) {
                                const int x = (w - 1) * i / steps, y = (h - 1) * j / steps;
                                between.Take(MappingError(record, panel, x, y),
                                             where + " at " + std::to_string(x) + "," +
                                                 std::to_string(y));
                            }
                    }
    std::printf("%d runs; largest error on the marks %d px (%s), elsewhere %d px (%s)\n", runs,
                onMarks.Error, onMarks.Where.c_str(), between.Error, between.Where.c_str());
    RecordProperty("LargestErrorOnMarks", onMarks.Error);
    RecordProperty("LargestErrorElsewhere", between.Error);
    EXPECT_LE(onMarks.Error, MarkBound) << onMarks.Where;
    EXPECT_LE(between.Error, BetweenBound) << between.Where;
}

DeviceRecord Record(std::initializer_list<int16_t> calibration, uint8_t direction, int16_t width,
                    int16_t height) {
    DeviceRecord r{};
    std::copy(calibration.begin(), calibration.end(), r.Calibration);
    r.PanelDirection = direction;
    r.ResolutionX = width;
    r.ResolutionY = height;
    return r;
}

TEST(SimMapping, EdgesClampAndAnUnusableRecordMapsNothing) {
    const DeviceRecord r = Record({40, 512, 984, 40, 512, 984}, 0, 1024, 768);
    SimScreenPoint p{};
    ASSERT_EQ(1, SimMapTouch(&r, 0, 0, 1023, &p));
    EXPECT_EQ(0, p.X);
    EXPECT_EQ(767, p.Y);
    ASSERT_EQ(1, SimMapTouch(&r, 0, -300, 30000, &p)) << "raw values beyond 10 bits";
    EXPECT_EQ(0, p.X);
    EXPECT_EQ(767, p.Y);
    ASSERT_EQ(1, SimMapTouch(&r, 9, 512, 40, &p)) << "rotation 9 counts as 0";
    EXPECT_EQ(512, p.X);
    EXPECT_EQ(0, p.Y);

    // A centre outside its edges is passed over: 500 is half-way from 100 to 900.
    const DeviceRecord offCentre = Record({100, 50, 900, 100, 950, 900}, 0, 1024, 768);
    ASSERT_EQ(1, SimMapTouch(&offCentre, 0, 500, 500, &p));
    EXPECT_EQ(512, p.X);
    EXPECT_EQ(384, p.Y);

    const DeviceRecord unusable[] = {Record({40, 512, 984, 40, 512, 984}, 0, 0, 768),
                                     Record({40, 512, 984, 40, 512, 984}, 0, 1024, -1),
                                     Record({500, 500, 500, 40, 512, 984}, 0, 1024, 768),
                                     Record({40, 512, 984, 984, 512, 40}, 0, 1024, 768)};
    for (const DeviceRecord& bad : unusable) {
        SimScreenPoint untouched{-7, -7};
        EXPECT_EQ(0, SimMapTouch(&bad, 0, 512, 512, &untouched));
        EXPECT_EQ(-7, untouched.X);
        EXPECT_EQ(-7, untouched.Y);
    }
}

} // namespace
