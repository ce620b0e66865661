// The power save page: the sentence and seconds shown for a position, and
// the page pattern with its own request.
#include <gtest/gtest.h>

#include <cstring>

#include "BasGlobal.h"
#include "PagesTestSupport.h"
#include "frmMain.h"
#include "forms/Runtime.h"
#include "frmSleepTime.h"

namespace {

using pagestest::Click;
using pagestest::DragTo;

class SleepTimePage : public pagestest::PageTest {
  protected:
    frmSleepTime& Open(int powerDownTime) {
        Preset([powerDownTime](DeviceRecord& record) {
            record.PowerDownTime = static_cast<uint8_t>(powerDownTime);
        });
        frmSleepTime& page = frmSleepTimeForm();
        page.Show();
        return page;
    }
    std::vector<SimJournalEntry> SetRequests() { return Requests(IOCTL_SetPowerDownTime); }
};

TEST_F(SleepTimePage, LoadShowsSecondsAndSentenceOfTheRecordWithApplyDisabled) {
    const struct {
        int time;
        const char* seconds;
        const char* sentence;
    } cases[] = {
        {0, "0", "Disable Power Down Function"},
        {15, "150", "Power Down When Idle  2 Min.  30 Sec."},
        {30, "300", "Power Down When Idle  5 Min. "},
        {45, "300", "Power Down When Idle  5 Min. "}, // beyond the bar: its far end
    };
    for (const auto& c : cases) {
        frmSleepTime& page = Open(c.time);
        EXPECT_EQ(std::min(c.time, 30), page.hscSleepTime.Value()) << "PowerDownTime " << c.time;
        EXPECT_EQ(c.seconds, page.lblST.Caption()) << "PowerDownTime " << c.time;
        EXPECT_EQ(c.sentence, page.lblSS.Caption()) << "PowerDownTime " << c.time;
        EXPECT_FALSE(page.buttons.cmdApply.Enabled()) << "PowerDownTime " << c.time;
        Click(page.buttons.cmdOK);
        EXPECT_TRUE(client.Journal(journalStart).empty())
            << "OK with nothing changed sends nothing, PowerDownTime " << c.time;
        EXPECT_EQ(pagestest::SummarySentinel, frmMainForm().lblSleepTime.Caption());
    }
    EXPECT_EQ(45, DriverRecord().PowerDownTime);
}

TEST_F(SleepTimePage, LabelsFollowTheBarAndApplyIsOffBackAtTheStoredPosition) {
    frmSleepTime& page = Open(15);
    pagestest::HoldAt(page.hscSleepTime, 7);
    EXPECT_EQ("70", page.lblST.Caption()) << "the labels follow a dragged thumb";
    EXPECT_EQ("Power Down When Idle  1 Min.  10 Sec.", page.lblSS.Caption());
    EXPECT_TRUE(page.buttons.cmdApply.Enabled());
    DragTo(page.hscSleepTime, 15);
    EXPECT_EQ("150", page.lblST.Caption());
    EXPECT_FALSE(page.buttons.cmdApply.Enabled());
    EXPECT_TRUE(SetRequests().empty());
}

TEST_F(SleepTimePage, ApplySendsTheWholeRecordOnceAndUpdatesTheSummary) {
    frmSleepTime& page = Open(15);
    const DeviceRecord before = BasGlobal::Device;
    DragTo(page.hscSleepTime, 0);
    Click(page.buttons.cmdApply);

    const auto sent = client.Journal(journalStart);
    ASSERT_EQ(1u, sent.size()) << "one request in all";
    EXPECT_EQ(static_cast<uint32_t>(IOCTL_SetPowerDownTime), sent[0].Code);
    DeviceRecord expected = before;
    expected.PowerDownTime = 0;
    EXPECT_EQ(0, memcmp(&expected, sent[0].Block, sizeof expected));
    EXPECT_EQ(0, DriverRecord().PowerDownTime);
    EXPECT_EQ("Disable Power Down Function", frmMainForm().lblSleepTime.Caption());
    EXPECT_FALSE(page.buttons.cmdApply.Enabled());
}

TEST_F(SleepTimePage, ApplyThenCancelKeepsTheAppliedValue) {
    frmSleepTime& page = Open(15);
    DragTo(page.hscSleepTime, 30);
    Click(page.buttons.cmdApply);
    DragTo(page.hscSleepTime, 3);
    Click(page.buttons.cmdCandel);

    EXPECT_FALSE(page.IsLoaded());
    EXPECT_EQ(1u, SetRequests().size());
    EXPECT_EQ(30, DriverRecord().PowerDownTime);
    EXPECT_EQ("Power Down When Idle  5 Min. ", frmMainForm().lblSleepTime.Caption());

    page.Show();
    DragTo(page.hscSleepTime, 12);
    Click(page.buttons.cmdOK);
    EXPECT_EQ(2u, SetRequests().size()) << "OK applies an edit not yet applied";
    EXPECT_EQ(12, DriverRecord().PowerDownTime);
    EXPECT_EQ("Power Down When Idle  2 Min. ", frmMainForm().lblSleepTime.Caption());
}

// The driver refusing the record: what the program shows must stay what
// the driver holds, and the edit stays ready to be applied again.
class RefusedWrite : public SleepTimePage {};

TEST_F(RefusedWrite, KeepsTheRecordAndSummaryAndOffersApplyAgain) {
    frmSleepTime& page = Open(15);
    const DeviceRecord before = BasGlobal::Device;
    DragTo(page.hscSleepTime, 30);
    ASSERT_TRUE(client.FailNext(1));
    Click(page.buttons.cmdApply);
    EXPECT_EQ(0, memcmp(&before, &BasGlobal::Device, sizeof before)) << "the group is put back";
    EXPECT_EQ(15, DriverRecord().PowerDownTime);
    EXPECT_EQ(pagestest::SummarySentinel, frmMainForm().lblSleepTime.Caption());
    EXPECT_TRUE(page.buttons.cmdApply.Enabled()) << "the user can try again";
    EXPECT_EQ(forms::MousePointer::Default, forms::ScreenMousePointer());

    ASSERT_TRUE(client.FailNext(1));
    Click(page.buttons.cmdOK);
    EXPECT_TRUE(page.IsLoaded()) << "OK does not drop an edit that could not be applied";
    EXPECT_EQ(15, BasGlobal::Device.PowerDownTime);

    Click(page.buttons.cmdOK);
    EXPECT_FALSE(page.IsLoaded());
    EXPECT_EQ(30, DriverRecord().PowerDownTime);
    EXPECT_EQ(30, BasGlobal::Device.PowerDownTime);
    EXPECT_EQ("Power Down When Idle  5 Min. ", frmMainForm().lblSleepTime.Caption());
}

} // namespace
