#include "CalibrationTestSupport.h"

#include <cstring>
#include <ostream>

#include "BasGlobal.h"
#include "WinTestSupport.h"
#include "basOEM.h"
#include "forms/MsgBox.h"
#include "frmCalibration.h"

namespace calibtest {

std::ostream& operator<<(std::ostream& out, const SentCalibration& sent) {
    out << "{";
    for (int16_t value : sent.Values)
        out << value << " ";
    return out << "direction " << sent.PanelDirection << "}";
}

int CursorDisplayCount() {
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

// ---- boxes ----

ScriptedBoxes::ScriptedBoxes(Answer answer) {
    forms::SetMsgBoxResponder(
        [this, answer](const std::string& text, unsigned style, const std::string& title) {
            boxes_.push_back({text, style, title});
            return answer(text, title);
        });
}

ScriptedBoxes::~ScriptedBoxes() {
    forms::SetMsgBoxResponder(nullptr);
}

// ---- steps ----

namespace {
constexpr DWORD StepsTimeLimitMs = 10000;
Steps* runningSteps = nullptr;
} // namespace

Steps::Steps() : started_(GetTickCount()), timer_(SetTimer(nullptr, 0, 10, Tick)) {
    runningSteps = this;
}

Steps::~Steps() {
    KillTimer(nullptr, timer_);
    runningSteps = nullptr;
    EXPECT_TRUE(AllDone()) << "step " << next_ + 1 << " of " << steps_.size() << " never came";
}

void Steps::Then(Condition condition, Action action) {
    steps_.emplace_back(std::move(condition), std::move(action));
}

void CALLBACK Steps::Tick(HWND, UINT, UINT_PTR, DWORD) {
    Steps* steps = runningSteps;
    if (!steps)
        return;
    while (!steps->AllDone() && steps->steps_[steps->next_].first()) {
        // Advance first: the action may open a box whose loop ticks again.
        const Action action = steps->steps_[steps->next_++].second;
        action();
    }
    frmCalibration& form = frmCalibrationForm();
    if (!steps->AllDone() && GetTickCount() - steps->started_ > StepsTimeLimitMs && form.IsLoaded())
        PostMessageA(form.hWnd(), WM_CLOSE, 0, 0);
}

// ---- the window under test ----

void CalibrationWindowTest::SetUp() {
    wintest::ResetController(Sim);
    Preset([](DeviceRecord&) {});
    ASSERT_TRUE(BasGlobal::OpenDevice());
}

void CalibrationWindowTest::TearDown() {
    frmCalibration& form = frmCalibrationForm();
    if (form.IsLoaded())
        form.Unload();
    BasGlobal::CloseDevice();
    BasGlobal::Device = DeviceRecord{};
    BasGlobal::SmiWindow = WindowBlock{};
}

void CalibrationWindowTest::Preset(const std::function<void(DeviceRecord&)>& change) {
    SimState state{};
    ASSERT_TRUE(Sim.GetState(state));
    DeviceRecord record = state.Record;
    record.ResolutionX = ResolutionX;
    record.ResolutionY = ResolutionY;
    change(record);
    ASSERT_TRUE(Sim.PresetRecord(record));
}

void CalibrationWindowTest::Queue(const Samples& samples) {
    ASSERT_TRUE(Sim.QueueTouch(samples));
}

void CalibrationWindowTest::RunCalibration(int calibrationMode) {
    BasGlobal::GetDeviceRecord();
    basOEM::CalibrationMode = calibrationMode;
    frmCalibration& form = frmCalibrationForm();
    ASSERT_TRUE(form.Load());
    form.Show();
    EXPECT_FALSE(form.IsLoaded()) << "the window unloads itself when the run is over";
}

std::vector<int32_t> CalibrationWindowTest::ModesSent() {
    std::vector<int32_t> modes;
    for (const SimJournalEntry& entry : Sim.JournalOf(IOCTL_SetControllerMode)) {
        ModeBlock block;
        memcpy(&block, entry.Block, sizeof block);
        modes.push_back(block.Mode);
    }
    return modes;
}

std::vector<SentCalibration> CalibrationWindowTest::CalibrationsSent() {
    std::vector<SentCalibration> sent;
    for (const SimJournalEntry& entry : Sim.JournalOf(IOCTL_SetCalibration)) {
        DeviceRecord record;
        memcpy(&record, entry.Block, sizeof record);
        SentCalibration calibration{};
        for (int i = 0; i < 6; i++)
            calibration.Values[i] = record.Calibration[i];
        calibration.PanelDirection = record.PanelDirection;
        sent.push_back(calibration);
    }
    return sent;
}

DeviceRecord CalibrationWindowTest::DriverRecord() {
    SimState state{};
    EXPECT_TRUE(Sim.GetState(state));
    return state.Record;
}

void CalibrationWindowTest::PressEsc() {
    PostMessageA(frmCalibrationForm().picCalibration.hWnd(), WM_CHAR, 27, 1);
}

Steps::Condition CalibrationWindowTest::ModeSentTimes(int32_t mode, size_t count) {
    return [this, mode, count] {
        size_t seen = 0;
        for (int32_t sent : ModesSent())
            seen += sent == mode ? 1 : 0;
        return seen >= count;
    };
}

} // namespace calibtest
