// Whole calibration runs driven by scripted samples: what reaches the driver.
#include "BasGlobal.h"
#include "CalibrationTestSupport.h"
#include "frmCalibration.h"

namespace calibtest {
namespace {

constexpr int EdgesMode = 1;

// Corners at raw left/right 100 and 900, top/bottom 80 and 700 on 1024 x 768:
// mx = 801 / (1024 - 32) x 16 = 12.919, my = 621 / (768 - 32) x 16 = 13.5
// exactly, so the top and bottom round their halves to even: CornersResult.
Samples NormalCorners() {
    return TouchAndLift(100, 80) + TouchAndLift(900, 80) + TouchAndLift(900, 700) +
           TouchAndLift(100, 700);
}

using CalibrationResult = CalibrationWindowTest;

TEST_F(CalibrationResult, CornersReachTheDriverAsComputedByHand) {
    ScriptedBoxes boxes([](const std::string&, const std::string&) { return Yes; });
    Queue(NoTouchAtStart() + NormalCorners());
    RunCalibration(CornersMode);

    EXPECT_EQ(std::vector<SentCalibration>{CornersResult}, CalibrationsSent());
    EXPECT_EQ((std::vector<int32_t>{5, 5, 5, 5, 0}), ModesSent())
        << "a point accepted four times, then normal mode; no lift-off mode at start";
    const DeviceRecord record = DriverRecord();
    EXPECT_EQ(87, record.Calibration[0]);
    EXPECT_EQ(714, record.Calibration[5]);
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ("TouchScreen Calibration", boxes.Boxes()[0].Title);
    EXPECT_EQ("CALIBRATION IS COMPLETE.\r\rFor test, touch on the screen and check cursor "
              "position.\rTo save new calibration, click Yes button.\rTo restore old "
              "calibration, click No button.",
              boxes.Boxes()[0].Text);
    EXPECT_EQ(unsigned(MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL | MB_DEFBUTTON1),
              boxes.Boxes()[0].Style);
}

TEST_F(CalibrationResult, EdgesReachTheDriverAsComputedByHand) {
    ScriptedBoxes boxes([](const std::string&, const std::string&) { return Yes; });
    // TOP, RIGHT, DOWN, LEFT. Centres (520 + 512) div 2 = 516 and
    // (400 + 390) div 2 = 395; hx = 480, hy = 352: margins 447/30 = 14.9,
    // 435/30 = 14.5 (to even: 964), 336/22 = 15.27, 326/22 = 14.82.
    Queue(NoTouchAtStart() + TouchAndLift(512, 60) + TouchAndLift(950, 400) +
          TouchAndLift(520, 720) + TouchAndLift(70, 390));
    RunCalibration(EdgesMode);

    EXPECT_EQ((std::vector<SentCalibration>{{{55, 516, 964, 45, 395, 735}, 0}}),
              CalibrationsSent());
    EXPECT_EQ((std::vector<int32_t>{5, 5, 5, 5, 0}), ModesSent());
}

TEST_F(CalibrationResult, MountingIsFoundAndUndoneBeforeTheArithmetic) {
    struct Mounting {
        const char* what;
        Samples corners;
        int direction;
    };
    const Mounting mountings[] = {
        {"X inverted",
         TouchAndLift(923, 80) + TouchAndLift(123, 80) + TouchAndLift(123, 700) +
             TouchAndLift(923, 700),
         1},
        {"X and Y exchanged",
         TouchAndLift(80, 100) + TouchAndLift(80, 900) + TouchAndLift(700, 900) +
             TouchAndLift(700, 100),
         4},
        {"exchanged and both inverted",
         TouchAndLift(943, 923) + TouchAndLift(943, 123) + TouchAndLift(323, 123) +
             TouchAndLift(323, 923),
         7},
    };
    ScriptedBoxes boxes([](const std::string&, const std::string&) { return Yes; });
    for (const Mounting& mounting : mountings) {
        SCOPED_TRACE(mounting.what);
        const uint32_t first = Sim.JournalTotal();
        Queue(NoTouchAtStart() + mounting.corners);
        RunCalibration(CornersMode);
        const std::vector<SentCalibration> sent = CalibrationsSent();
        ASSERT_FALSE(sent.empty());
        EXPECT_EQ(1u, Sim.JournalOf(IOCTL_SetCalibration, first).size());
        EXPECT_EQ((SentCalibration{CornersResult.Values, mounting.direction}), sent.back());
    }
}

TEST_F(CalibrationResult, RotationCodeReordersThePointsAndFiveCountsAsZero) {
    ScriptedBoxes boxes([](const std::string&, const std::string&) { return Yes; });

    // A quarter turn (code 1): the corner touched first is the panel's second.
    ASSERT_TRUE(Sim.SetSmiWindow(-1, 1));
    Queue(NoTouchAtStart() + TouchAndLift(900, 80) + TouchAndLift(900, 700) +
          TouchAndLift(100, 700) + TouchAndLift(100, 80));
    RunCalibration(CornersMode);
    EXPECT_EQ(std::vector<SentCalibration>{CornersResult}, CalibrationsSent());
    EXPECT_EQ(1, BasGlobal::SmiWindow.Value);

    // Code 5 is no quarter turn: the points stay as touched, and the SMI
    // block the program holds carries 0 afterwards. The driver keeps its own.
    ASSERT_TRUE(Sim.SetSmiWindow(-1, 5));
    Queue(NoTouchAtStart() + NormalCorners());
    RunCalibration(CornersMode);
    const std::vector<SentCalibration> sent = CalibrationsSent();
    ASSERT_EQ(2u, sent.size());
    EXPECT_EQ(CornersResult, sent[1]);
    EXPECT_EQ(0, BasGlobal::SmiWindow.Value) << "RotationCode 5 is written back as 0";
    SimState state{};
    ASSERT_TRUE(Sim.GetState(state));
    EXPECT_EQ(5, state.Smi.Value) << "nothing is sent to the driver for it";
}

TEST_F(CalibrationResult, ScreenTooSmallForTheMarginsGivesTheRawAverages) {
    ScriptedBoxes boxes([](const std::string&, const std::string&) { return Yes; });
    // Corners: 32 - 2 x 16 = 0 and 20 - 32 < 0; edges: 64 / 2 - 32 = 0 and 40 / 2 - 32 < 0.
    // No margin is added on such an axis, and no division by zero shows up.
    Preset([](DeviceRecord& record) {
        record.ResolutionX = 32;
        record.ResolutionY = 20;
    });
    Queue(NoTouchAtStart() + NormalCorners());
    RunCalibration(CornersMode);
    EXPECT_EQ("Resolution: 32 X 20", frmCalibrationForm().lblResolution.Caption());

    Preset([](DeviceRecord& record) {
        record.ResolutionX = 64;
        record.ResolutionY = 40;
    });
    Queue(NoTouchAtStart() + TouchAndLift(512, 60) + TouchAndLift(950, 400) +
          TouchAndLift(520, 720) + TouchAndLift(70, 390));
    RunCalibration(EdgesMode);

    EXPECT_EQ((std::vector<SentCalibration>{{{100, 500, 900, 80, 390, 700}, 0},
                                            {{70, 516, 950, 60, 395, 720}, 0}}),
              CalibrationsSent());
}

} // namespace
} // namespace calibtest
