// When a touch is taken as a point, and the lift-off wait at the start.
#include "BasGlobal.h"
#include "CalibrationGeometry.h"
#include "CalibrationTestSupport.h"
#include "forms/Runtime.h"
#include "frmCalibration.h"

namespace calibtest {
namespace {

using PointTaking = CalibrationWindowTest;

TEST_F(PointTaking, TouchLiftedTooEarlyOrMovingIsNotTaken) {
    ScriptedBoxes boxes([](const std::string&, const std::string&) { return Yes; });
    // Point 1: a touch far off (it would fail the direction check) lifted
    // after one fresh sample; one that moves by a unit before its second
    // fresh sample and is lifted; then the touch that counts.
    const Samples liftedEarly = {sim::Touched(700, 600), sim::Touched(700, 600),
                                 sim::Lifted(700, 600)};
    const Samples movedByOne = {sim::Touched(600, 600), sim::Touched(600, 600),
                                sim::Touched(601, 600), sim::Touched(601, 600),
                                sim::Lifted(601, 600)};
    Queue(NoTouchAtStart() + liftedEarly + movedByOne + TouchAndLift(100, 80) + LastThreeCorners());
    RunCalibration(CornersMode);

    EXPECT_EQ(std::vector<SentCalibration>{CornersResult}, CalibrationsSent());
    EXPECT_EQ((std::vector<int32_t>{5, 5, 5, 5, 0}), ModesSent())
        << "the dropped touches were never accepted";
    EXPECT_EQ(1u, boxes.Boxes().size()) << "no direction error from a dropped touch";
}

TEST_F(PointTaking, RepeatedStatusWithoutNewSamplesIsNotTaken) {
    ScriptedBoxes boxes([](const std::string&, const std::string&) { return Yes; });
    // One fresh sample only; the driver then repeats it with the same counter.
    Queue(NoTouchAtStart() + Samples{sim::Touched(100, 80), sim::Touched(100, 80)});
    Steps steps;
    bool acceptedEarly = true;
    steps.Then(
        [this] {
            SimState state{};
            return Sim.GetState(state) && state.QueuedSamples == 0 &&
                   Sim.JournalOf(IOCTL_GetTouchStatus).size() > 0;
        },
        [] {});
    steps.Then([] { return true; }, // one more timer tick: many polls of the same status
               [this, &acceptedEarly] {
                   acceptedEarly = !ModesSent().empty();
                   Queue(Samples{sim::Touched(100, 80), sim::Lifted(100, 80)} + LastThreeCorners());
               });
    RunCalibration(CornersMode);

    EXPECT_FALSE(acceptedEarly) << "the same counter read again is no fresh sample";
    EXPECT_EQ(std::vector<SentCalibration>{CornersResult}, CalibrationsSent());
}

TEST_F(PointTaking, TouchAtStartWaitsForTheLiftAndSendsModeThree) {
    std::string promptDuringWait;
    bool indicatorOnDuringWait = false;
    ScriptedBoxes boxes([&](const std::string& text, const std::string&) {
        if (text.find("break") != std::string::npos) {
            promptDuringWait = frmCalibrationForm().lblMesg3.Caption();
            indicatorOnDuringWait =
                frmCalibrationForm().picStat.BackColor() == forms::Rgb(255, 255, 0);
        }
        return Yes;
    });
    // The finger stays until the script lifts it; ESC answered Yes meanwhile
    // is forgotten before the first point.
    Queue(Samples{sim::Touched(500, 500)});
    Steps steps;
    steps.Then(ModeSentTimes(3, 1), [this] { PressEsc(); });
    steps.Then([&] { return !boxes.Boxes().empty(); },
               [this] { Queue(NoTouchAtStart() + TouchAndLift(100, 80) + LastThreeCorners()); });
    RunCalibration(CornersMode);

    EXPECT_EQ("PLEASE LIFT OFF TO START CALIBRATION!", promptDuringWait);
    EXPECT_TRUE(indicatorOnDuringWait);
    EXPECT_EQ((std::vector<int32_t>{3, 0, 5, 5, 5, 5, 0}), ModesSent());
    EXPECT_EQ(std::vector<SentCalibration>{CornersResult}, CalibrationsSent())
        << "the ESC answered during the lift-off wait had no effect";
}

TEST_F(PointTaking, AwaitedMarkIsRedAndAcceptedMarkErased) {
    ScriptedBoxes boxes([](const std::string&, const std::string&) { return Yes; });
    Queue(NoTouchAtStart() + TouchAndLift(100, 80));
    frmCalibration& form = frmCalibrationForm();
    COLORREF firstBox = 0, firstCross = 0, secondBox = 0, secondCross = 0;
    std::string secondPrompt;
    Steps steps;
    steps.Then(ModeSentTimes(5, 1), [&] {
        forms::DoEvents(); // the prompt of point 2 and its mark are drawn by now
        HWND surface = form.picCalibration.hWnd();
        RECT client{};
        GetClientRect(surface, &client);
        const auto geometry = Calibration::GeometryForSize(client.right, client.bottom);
        const auto first = Calibration::CrossMarkOf(geometry, 1);
        const auto second = Calibration::CrossMarkOf(geometry, 2);
        RedrawWindow(surface, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        HDC dc = GetDC(surface);
        firstBox = GetPixel(dc, first.Left, first.Top);
        firstCross = GetPixel(dc, first.LineX, first.LineY);
        secondBox = GetPixel(dc, second.Right, second.Bottom);
        secondCross = GetPixel(dc, second.LineX, second.LineY);
        ReleaseDC(surface, dc);
        secondPrompt = form.lblMesg2.Caption();
        Queue(TouchAndLift(900, 80) + TouchAndLift(900, 700) + TouchAndLift(100, 700));
    });
    RunCalibration(CornersMode);

    EXPECT_EQ(RGB(255, 255, 255), firstBox);
    EXPECT_EQ(RGB(255, 255, 255), firstCross);
    EXPECT_EQ(RGB(255, 0, 0), secondBox);
    EXPECT_EQ(RGB(0, 0, 0), secondCross);
    EXPECT_EQ("show on the TOP-RIGHT of the screen", secondPrompt);
}

} // namespace
} // namespace calibtest
