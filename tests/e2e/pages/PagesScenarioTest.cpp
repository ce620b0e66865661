// Pages of the running control panel, opened from its main window as a
// person opens them.
#include <cstring>
#include <string>

#include "PagesScenario.h"
#include "basVersion.h"

namespace {

using namespace pagese2e;

class ControlPanelPages : public PagesScenario {};

TEST_F(ControlPanelPages, PowerSaveAppliedFromThePageReachesTheDriverAndTheSummary) {
    if (basVersion::IsPs2Build)
        GTEST_SKIP() << "the PS/2 build has no power save row";
    HWND page = OpenPage([](DeviceRecord& record) { record.PowerDownTime = 15; }, "cmdSleepTime",
                         "frmSleepTime");
    ASSERT_TRUE(page);
    EXPECT_TRUE(e2e::WaitForVisible(main_, false)) << "the main window hides";
    EXPECT_EQ(e2e::TextOf(main_), e2e::TextOf(page)) << "the page carries the main title";
    EXPECT_EQ("Power Down When Idle  2 Min.  30 Sec.",
              e2e::TextOf(e2e::WaitForControl(page, "lblSS")));
    HWND apply = e2e::WaitForControl(page, "cmdApply");
    EXPECT_FALSE(IsWindowEnabled(apply));

    const uint32_t first = Sim().JournalTotal();
    DragThumb(page, "hscSleepTime", 30);
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(apply) != FALSE; }, "Apply enabled"));
    e2e::ClickButton(apply);
    ASSERT_TRUE(e2e::WaitForRequests(Sim(), IOCTL_SetPowerDownTime, first, 1));
    EXPECT_EQ(30, e2e::ReadState(Sim()).Record.PowerDownTime);
    EXPECT_EQ("300", e2e::TextOf(e2e::WaitForControl(page, "lblST")));

    PostMessageA(page, WM_CLOSE, 0, 0);
    EXPECT_TRUE(e2e::WaitForGone(page));
    EXPECT_TRUE(e2e::WaitForVisible(main_, true)) << "closing returns to the main window";
    EXPECT_EQ("Power Down When Idle  5 Min. ",
              e2e::TextOf(e2e::WaitForControl(main_, "lblSleepTime")));
    EXPECT_EQ(1u, e2e::RequestCount(Sim(), IOCTL_SetPowerDownTime, first));
}

} // namespace
