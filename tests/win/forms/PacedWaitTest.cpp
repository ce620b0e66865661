// The paced wait of the suite's poll loops (forms::WaitForEvents between two
// driver polls): the loop still ends when an event handler clears its flag,
// still sees a touch queued during the wait, and sleeps between polls.
#include <gtest/gtest.h>

#include <functional>

#include "BasGlobal.h"
#include "WinTestSupport.h"
#include "forms/Runtime.h"

namespace {

std::function<void()> timerAction;

void CALLBACK RunTimerAction(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    timerAction();
}

// Polls the touch status with paced waits in between while `waiting` holds
// and no touch is seen (10 s at most); returns the number of polls.
int PollWhile(const bool& waiting, DWORD& elapsedMs) {
    const DWORD start = GetTickCount();
    int polls = 0;
    do {
        forms::WaitForEvents();
        BasGlobal::GetTouchStatus();
        ++polls;
        elapsedMs = GetTickCount() - start;
    } while (waiting && !(BasGlobal::Touch.Flags & TouchedFlag) && elapsedMs < 10000);
    return polls;
}

TEST(PacedWait, EndsOnItsFlagSeesAQueuedTouchAndSleepsBetweenPolls) {
    sim::Client sim;
    wintest::ResetController(sim);
    ASSERT_TRUE(BasGlobal::OpenDevice());
    BasGlobal::Touch = TouchStatus{};

    bool waiting = true;
    DWORD elapsedMs = 0;
    timerAction = [&] { waiting = false; };
    SetTimer(nullptr, 0, 200, RunTimerAction);
    const int polls = PollWhile(waiting, elapsedMs);
    EXPECT_FALSE(waiting) << "the handler ran during the wait";
    EXPECT_LT(elapsedMs, 10000u) << "the cleared flag ends the wait";
    // A loop that does not sleep polls several times per millisecond.
    EXPECT_LE(polls, int(elapsedMs / (forms::kPollPeriodMs / 2)) + 10)
        << polls << " polls in " << elapsedMs << " ms";

    waiting = true;
    timerAction = [&] { sim.QueueTouch({sim::Touched(300, 400)}); };
    SetTimer(nullptr, 0, 100, RunTimerAction);
    PollWhile(waiting, elapsedMs);
    EXPECT_TRUE(BasGlobal::Touch.Flags & TouchedFlag) << "the touch queued by the handler is seen";
    EXPECT_EQ(300, BasGlobal::Touch.X);
    EXPECT_EQ(400, BasGlobal::Touch.Y);
    BasGlobal::CloseDevice();
}

} // namespace
