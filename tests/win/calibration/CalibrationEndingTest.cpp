// How a run ends when it does not simply succeed: ESC, the completion
// question answered No, a mode no procedure serves, a panel direction that
// matches nothing, and the window closed under a wait.
#include "BasGlobal.h"
#include "CalibrationTestSupport.h"
#include "Hourglass.h"
#include "WinTestSupport.h"
#include "forms/Form.h"
#include "forms/Runtime.h"
#include "frmCalibration.h"

namespace calibtest {
namespace {

const char* const BreakQuestion = "Are you sure you want to break calibration?";

// The driver's calibration before the run: deliberately no valid one.
const int16_t OddCalibration[6] = {-5, 2000, 7, 1234, -1, 3};
constexpr uint8_t OddDirection = 0xEE;

using RunEnding = CalibrationWindowTest;

TEST_F(RunEnding, EscAnsweredNoGoesOnWithTheSamePoint) {
    std::string promptAfterNo;
    std::vector<int> cursorAtBoxes;
    std::vector<forms::MousePointer> pointerAtBoxes;
    int cursorAfterNo = 0;
    ScriptedBoxes boxes([&](const std::string& text, const std::string&) {
        cursorAtBoxes.push_back(CursorDisplayCount());
        pointerAtBoxes.push_back(forms::ScreenMousePointer());
        return text == BreakQuestion ? IDNO : IDYES;
    });
    Queue(NoTouchAtStart() + TouchAndLift(100, 80));
    Steps steps;
    steps.Then(ModeSentTimes(5, 1), [this] { PressEsc(); });
    steps.Then([&] { return !boxes.Boxes().empty(); },
               [&] {
                   promptAfterNo = frmCalibrationForm().lblMesg2.Caption();
                   cursorAfterNo = CursorDisplayCount();
                   Queue(LastThreeCorners());
               });
    {
        Hourglass opening; // as the main window's button sets it
        RunCalibration(CornersMode);
    }

    ASSERT_EQ(2u, boxes.Boxes().size());
    EXPECT_EQ(BreakQuestion, boxes.Boxes()[0].Text);
    EXPECT_EQ("TouchScreen Calibration", boxes.Boxes()[0].Title);
    EXPECT_EQ(unsigned(MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL | MB_DEFBUTTON2),
              boxes.Boxes()[0].Style)
        << "No is the default answer";
    EXPECT_EQ("show on the TOP-RIGHT of the screen", promptAfterNo);
    ASSERT_EQ(2u, cursorAtBoxes.size());
    EXPECT_GE(cursorAtBoxes[0], 0) << "pointer shown for the ESC question";
    EXPECT_LT(cursorAfterNo, 0) << "and hidden again after it";
    EXPECT_GE(cursorAtBoxes[1], 0) << "pointer shown for the completion question";
    EXPECT_EQ((std::vector<forms::MousePointer>{forms::MousePointer::Default,
                                                forms::MousePointer::Default}),
              pointerAtBoxes)
        << "the normal pointer, not the hourglass of the opening";
    EXPECT_EQ((std::vector<int32_t>{5, 0, 5, 5, 5, 0}), ModesSent())
        << "ESC sends normal mode; after No nothing more is sent";
    EXPECT_EQ(std::vector<SentCalibration>{CornersResult}, CalibrationsSent());
}

TEST_F(RunEnding, EscAnsweredYesKeepsTheOldCalibration) {
    Preset([](DeviceRecord& record) {
        std::copy(OddCalibration, OddCalibration + 6, record.Calibration);
        record.PanelDirection = OddDirection;
    });
    const DeviceRecord before = DriverRecord();
    ScriptedBoxes boxes([](const std::string&, const std::string&) { return IDYES; });
    Queue(NoTouchAtStart() + TouchAndLift(100, 80));
    Steps steps;
    steps.Then(ModeSentTimes(5, 1), [this] { PressEsc(); });
    RunCalibration(CornersMode);

    EXPECT_EQ((std::vector<int32_t>{5, 0, 4}), ModesSent());
    EXPECT_TRUE(CalibrationsSent().empty());
    EXPECT_EQ(1u, boxes.Boxes().size()) << "no completion question";
    const DeviceRecord after = DriverRecord();
    EXPECT_TRUE(std::equal(before.Calibration, before.Calibration + 6, after.Calibration));
    EXPECT_EQ(OddDirection, after.PanelDirection);
}

TEST_F(RunEnding, NoAtTheCompletionRestoresExactlyWhatWasThere) {
    Preset([](DeviceRecord& record) {
        std::copy(OddCalibration, OddCalibration + 6, record.Calibration);
        record.PanelDirection = OddDirection;
    });
    ScriptedBoxes boxes([](const std::string&, const std::string&) { return IDNO; });
    Queue(NoTouchAtStart() + TouchAndLift(100, 80) + LastThreeCorners());
    RunCalibration(CornersMode);

    const SentCalibration old{{-5, 2000, 7, 1234, -1, 3}, OddDirection};
    EXPECT_EQ((std::vector<SentCalibration>{CornersResult, old}), CalibrationsSent());
    const DeviceRecord after = DriverRecord();
    EXPECT_TRUE(std::equal(OddCalibration, OddCalibration + 6, after.Calibration));
    EXPECT_EQ(OddDirection, after.PanelDirection);
    EXPECT_EQ(OddDirection, BasGlobal::Device.PanelDirection) << "the program's record as well";
}

TEST_F(RunEnding, UnsupportedModeIsReportedAndNothingIsSent) {
    int cursorAtBox = 0;
    ScriptedBoxes boxes([&](const std::string&, const std::string&) {
        cursorAtBox = CursorDisplayCount();
        return IDOK;
    });
    Queue(NoTouchAtStart() + TouchAndLift(100, 80));
    RunCalibration(2);
    EXPECT_LT(cursorAtBox, 0) << "the message comes while the pointer is still hidden";
    EXPECT_GE(CursorDisplayCount(), 0) << "shown again after the run";

    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ("Fail to calibration! ( mode 2 not support )", boxes.Boxes()[0].Text);
    EXPECT_EQ(unsigned(MB_OK), boxes.Boxes()[0].Style);
    EXPECT_TRUE(ModesSent().empty());
    EXPECT_TRUE(CalibrationsSent().empty());
}

TEST_F(RunEnding, DirectionMatchingNothingShowsBothPatterns) {
    int cursorAtBox = -1;
    ScriptedBoxes boxes([&](const std::string&, const std::string&) {
        cursorAtBox = CursorDisplayCount();
        return IDOK;
    });
    // Read as touched: 01111101; with X and Y exchanged: 10111110.
    Queue(NoTouchAtStart() + TouchAndLift(100, 600) + TouchAndLift(900, 600) +
          TouchAndLift(900, 700) + TouchAndLift(100, 700));
    RunCalibration(CornersMode);

    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ("Touchscreen Calibration", boxes.Boxes()[0].Title);
    EXPECT_EQ("Incorrect Panel Direction! (01111101-10111110)\r\n\r\n"
              "Please checkout the pinout of your touch panel.",
              boxes.Boxes()[0].Text);
    EXPECT_EQ(0x1010u, boxes.Boxes()[0].Style);
    EXPECT_GE(cursorAtBox, 0) << "the pointer is shown for the error";
    EXPECT_TRUE(CalibrationsSent().empty());
    EXPECT_EQ((std::vector<int32_t>{5, 5, 5, 5}), ModesSent());
}

TEST_F(RunEnding, ClosingTheWindowEndsAnyWait) {
    ScriptedBoxes boxes([](const std::string&, const std::string&) { return IDYES; });
    struct Wait {
        const char* what;
        Samples samples;
        std::vector<int32_t> modes;
    };
    const Wait waits[] = {
        {"awaiting the first point", NoTouchAtStart(), {4}},
        {"finger held at the start", {sim::Touched(500, 500)}, {3, 4}},
        {"finger resting, no new samples",
         NoTouchAtStart() + Samples{sim::Touched(100, 80), sim::Touched(100, 80)},
         {4}},
        {"finger held after a point",
         NoTouchAtStart() +
             Samples{sim::Touched(100, 80), sim::Touched(100, 80), sim::Touched(100, 80)},
         {5, 4}},
    };
    for (const Wait& wait : waits) {
        SCOPED_TRACE(wait.what);
        wintest::ResetController(Sim);
        Preset([](DeviceRecord&) {});
        Queue(wait.samples);
        Steps steps;
        steps.Then(
            [this] {
                SimState state{};
                return Sim.GetState(state) && state.QueuedSamples == 0;
            },
            [] { PostMessageA(frmCalibrationForm().hWnd(), WM_CLOSE, 0, 0); });
        RunCalibration(CornersMode);
        EXPECT_EQ(wait.modes, ModesSent());
        EXPECT_TRUE(CalibrationsSent().empty());
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(RunEnding, ActivatedAgainDuringARunStartsNoSecondRun) {
    ScriptedBoxes boxes([](const std::string&, const std::string&) { return IDYES; });
    class OtherWindow : public forms::Form {
      public:
        OtherWindow() : Form("frmOther") {}
    } other;
    Queue(NoTouchAtStart() + TouchAndLift(100, 80));
    Steps steps;
    steps.Then(ModeSentTimes(5, 1), [&] {
        other.Show();
        frmCalibrationForm().Show();
        other.Unload();
        Queue(LastThreeCorners());
    });
    RunCalibration(CornersMode);

    EXPECT_EQ(std::vector<SentCalibration>{CornersResult}, CalibrationsSent());
    EXPECT_EQ((std::vector<int32_t>{5, 5, 5, 5, 0}), ModesSent());
    EXPECT_EQ(1u, boxes.Boxes().size());
}

} // namespace
} // namespace calibtest
