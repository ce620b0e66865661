// The controller model on its own: what the stand-in driver does with every
// request, including malformed ones.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "SimController.h"

namespace {

class Model : public ::testing::Test {
  protected:
    void SetUp() override {
        sim_ = std::make_unique<SimController>();
        SimInit(sim_.get(), 0);
    }
    SimStatus Call(uint32_t code, void* buffer, uint32_t in, uint32_t out) {
        returned_ = 0xDEAD;
        return SimDispatch(sim_.get(), code, buffer, in, out, &returned_);
    }
    DeviceRecord Read() {
        DeviceRecord r;
        EXPECT_EQ(SimOk, Call(IOCTL_GetDeviceRecord, &r, 82, 82));
        return r;
    }
    std::vector<SimJournalEntry> Journal(uint32_t first, uint32_t room) {
        std::vector<uint8_t> buffer(sizeof(SimJournalHeader) + room * sizeof(SimJournalEntry));
        memcpy(buffer.data(), &first, 4);
        EXPECT_EQ(SimOk, Call(IOCTL_SimReadJournal, buffer.data(), 4, uint32_t(buffer.size())));
        SimJournalHeader h;
        memcpy(&h, buffer.data(), sizeof h);
        EXPECT_EQ(sizeof h + h.Returned * sizeof(SimJournalEntry), returned_);
        const auto* first_entry =
            reinterpret_cast<const SimJournalEntry*>(buffer.data() + sizeof h);
        return std::vector<SimJournalEntry>(first_entry, first_entry + h.Returned);
    }
    std::unique_ptr<SimController> sim_;
    uint32_t returned_ = 0;
};

TEST_F(Model, StartValuesAreUnpackedAndSurviveAReset) {
    EXPECT_EQ(1, SimApplyStartValue(sim_.get(), "MouseSpeed", 0x140F0301));
    EXPECT_EQ(1, SimApplyStartValue(sim_.get(), "RightButtonAutomatic", 0x01050A01));
    EXPECT_EQ(1, SimApplyStartValue(sim_.get(), "FeedbackDuration", 50));
    EXPECT_EQ(0, SimApplyStartValue(sim_.get(), "CalibrationMode", 1)) << "not read by the driver";
    EXPECT_EQ(0, SimApplyStartValue(sim_.get(), "MouseSpeedX", 1));
    DeviceRecord changed = Read();
    changed.MouseHSpeed = 1;
    ASSERT_EQ(SimOk, Call(IOCTL_SetMouseSpeed, &changed, 82, 82));
    ASSERT_EQ(SimOk, Call(IOCTL_SimReset, nullptr, 0, 0));
    DeviceRecord r = Read();
    EXPECT_EQ(20, r.MouseHSpeed);
    EXPECT_EQ(15, r.MouseVSpeed);
    EXPECT_EQ(3, r.MouseAcceleration);
    EXPECT_EQ(1, r.MouseBypass);
    EXPECT_EQ(1, r.RightButtonAutoMode);
    EXPECT_EQ(5, r.RightButtonAutoSTime);
    EXPECT_EQ(10, r.RightButtonAutoETime);
    EXPECT_EQ(1, r.RightButtonAutoBeep);
    EXPECT_EQ(50, r.FeedbackDuration);
}

TEST_F(Model, BothBuildsReportAFoundController) {
    EXPECT_NE(0, Read().ComPort);
    SimInit(sim_.get(), 1);
    EXPECT_NE(0, Read().ComPort);
}

TEST_F(Model, WritesTakeTheirGroupAndReturnNothing) {
    DeviceRecord r = Read();
    r.Calibration[5] = 999;
    r.PanelDirection = 7;
    r.VirtualButton = 1; // not in the calibration group
    DeviceRecord sent = r;
    ASSERT_EQ(SimOk, Call(IOCTL_SetCalibration, &r, 82, 82));
    EXPECT_EQ(0u, returned_) << "nothing is copied back over the caller's record";
    EXPECT_EQ(0, memcmp(&sent, &r, 82));
    DeviceRecord now = Read();
    EXPECT_EQ(999, now.Calibration[5]);
    EXPECT_EQ(7, now.PanelDirection);
    EXPECT_EQ(4, now.VirtualButton);
}

TEST_F(Model, ArmedFlagIsClearedOnlyByATouch) {
    WindowBlock w = {0x100, 1, {0, 0}};
    ASSERT_EQ(SimOk, Call(IOCTL_SetToolWindow, &w, 8, 8));
    SimTouchSample lifted = {10, 10, 0, {}};
    ASSERT_EQ(SimOk, Call(IOCTL_SimQueueTouch, &lifted, 8, 0));
    EXPECT_EQ(1, +sim_->Tool.Value) << "a lifted sample is no touch";
    SimTouchSample touched = {10, 10, TouchedFlag, {}};
    ASSERT_EQ(SimOk, Call(IOCTL_SimQueueTouch, &touched, 8, 0));
    EXPECT_EQ(0, +sim_->Tool.Value);
    EXPECT_EQ(1u, sim_->RightClicks);
    EXPECT_EQ(0x100, +sim_->Tool.Handle);
}

TEST_F(Model, FullQueueDropsNewSamplesWithoutHarm) {
    std::vector<SimTouchSample> many(SimQueueMax + 10, SimTouchSample{1, 2, TouchedFlag, {}});
    many.back().X = 77;
    ASSERT_EQ(SimOk, Call(IOCTL_SimQueueTouch, many.data(), uint32_t(many.size() * 8), 0));
    EXPECT_EQ(uint32_t(SimQueueMax), sim_->QueueCount);
    TouchStatus t;
    for (int i = 0; i < SimQueueMax + 5; i++)
        ASSERT_EQ(SimOk, Call(IOCTL_GetTouchStatus, &t, 8, 8));
    EXPECT_EQ(1, t.X);
    EXPECT_EQ(uint16_t(SimQueueMax), t.SampleCounter) << "the counter stops with the queue";
}

TEST_F(Model, JournalWrapsKeepingTheNewestAndPagesThroughSmallBuffers) {
    BeepBlock b = {0, 0};
    for (int i = 0; i < SimJournalMax + 3; i++) {
        b.Tone = int16_t(i);
        ASSERT_EQ(SimOk, Call(IOCTL_PlayBeep, &b, 4, 4));
    }
    auto page = Journal(0, 2);
    ASSERT_EQ(2u, page.size());
    BeepBlock first;
    memcpy(&first, page[0].Block, 4);
    EXPECT_EQ(3, first.Tone) << "the oldest three were overwritten";
    auto last = Journal(SimJournalMax + 2, 10);
    ASSERT_EQ(1u, last.size());
    memcpy(&first, last[0].Block, 4);
    EXPECT_EQ(SimJournalMax + 2, first.Tone);
    EXPECT_TRUE(Journal(SimJournalMax + 3, 10).empty());
}

TEST_F(Model, PlannedFailuresAreJournaledAndChangeNothing) {
    uint32_t two = 2;
    ASSERT_EQ(SimOk, Call(IOCTL_SimFailNext, &two, 4, 0));
    DeviceRecord r;
    memset(&r, 0xEE, 82);
    EXPECT_EQ(SimFailed, Call(IOCTL_GetDeviceRecord, &r, 82, 82));
    EXPECT_EQ(0u, returned_);
    EXPECT_EQ(0xEE, r.ComPort);
    EXPECT_EQ(SimFailed, Call(IOCTL_SetSensitivity, &r, 82, 82));
    EXPECT_EQ(127, Read().Sensitivity);
    auto journal = Journal(0, 10);
    ASSERT_EQ(3u, journal.size());
    EXPECT_EQ(1u, journal[0].Failed);
    EXPECT_EQ(1u, journal[1].Failed);
    EXPECT_EQ(0u, journal[2].Failed);
}

TEST_F(Model, PlannedFailuresOfOneCodeLeaveOtherRequestsAlone) {
    uint32_t oneWrite[2] = {1, IOCTL_SetSensitivity};
    ASSERT_EQ(SimOk, Call(IOCTL_SimFailNext, oneWrite, 8, 0));
    DeviceRecord r;
    EXPECT_EQ(SimOk, Call(IOCTL_GetDeviceRecord, &r, 82, 82));
    r.Sensitivity = 9;
    EXPECT_EQ(SimFailed, Call(IOCTL_SetSensitivity, &r, 82, 82));
    EXPECT_EQ(SimOk, Call(IOCTL_SetSensitivity, &r, 82, 82)) << "one failure only";
    EXPECT_EQ(9, Read().Sensitivity);
}

TEST_F(Model, PlannedSlowAnswersCountOnlyTheirCode) {
    uint32_t twoReads[3] = {2, IOCTL_GetDeviceRecord, 300};
    ASSERT_EQ(SimOk, Call(IOCTL_SimSlowNext, twoReads, 12, 0));
    DeviceRecord r;
    const struct {
        uint32_t code;
        uint32_t delayMs;
    } requests[] = {{IOCTL_GetDeviceRecord, 300},
                    {IOCTL_SetSensitivity, 0},
                    {IOCTL_GetDeviceRecord, 300},
                    {IOCTL_GetDeviceRecord, 0}};
    for (const auto& request : requests) {
        EXPECT_EQ(SimOk, Call(request.code, &r, 82, 82));
        EXPECT_EQ(request.delayMs, sim_->DelayNowMs) << "request " << sim_->JournalTotal;
        sim_->DelayNowMs = 0; // the driver's part, once it has waited
    }
    EXPECT_EQ(SimBufferTooSmall, Call(IOCTL_SimSlowNext, twoReads, 8, 0));
}

TEST_F(Model, MalformedRequestsAreRefused) {
    uint8_t buffer[200] = {};
    EXPECT_EQ(SimBufferTooSmall, Call(IOCTL_GetDeviceRecord, buffer, 82, 81));
    EXPECT_EQ(SimBufferTooSmall, Call(IOCTL_SetCalibration, buffer, 0, 82));
    EXPECT_EQ(SimBufferTooSmall, Call(IOCTL_GetTouchStatus, buffer, 8, 7));
    EXPECT_EQ(SimInvalidParameter, Call(IOCTL_GetDeviceRecord, nullptr, 82, 82));
    EXPECT_EQ(SimInvalidRequest, Call(0x12345678, buffer, 8, 8));
    EXPECT_EQ(SimBufferTooSmall, Call(IOCTL_SimQueueTouch, buffer, 12, 0));
    EXPECT_EQ(SimBufferTooSmall, Call(IOCTL_SimReadJournal, buffer, 4, 8));
    EXPECT_EQ(SimBufferTooSmall, Call(IOCTL_SimGetState, buffer, 0, 10));
    EXPECT_EQ(0u, returned_);
    EXPECT_EQ(0u, sim_->JournalTotal) << "refused requests are not journaled";
}

} // namespace
