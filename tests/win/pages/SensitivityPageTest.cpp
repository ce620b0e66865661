// The touch sensitivity page: load, edit, Apply, OK, Cancel and the test box.
#include <gtest/gtest.h>

#include <cstring>

#include "BasGlobal.h"
#include "PagesTestSupport.h"
#include "forms/Runtime.h"
#include "frmMain.h"
#include "frmSensitivity.h"

namespace {

using pagestest::Click;
using pagestest::DragTo;

constexpr COLORREF Yellow = RGB(255, 255, 0);

class SensitivityPage : public pagestest::PageTest {
  protected:
    frmSensitivity& Open(int sensitivity) {
        Preset([sensitivity](DeviceRecord& record) {
            record.Sensitivity = static_cast<uint8_t>(sensitivity);
        });
        frmSensitivity& page = frmSensitivityForm();
        page.Show();
        return page;
    }
    std::vector<SimJournalEntry> SetRequests() { return Requests(IOCTL_SetSensitivity); }
};

TEST_F(SensitivityPage, LoadShowsTheRecordOnTheReversedScaleWithApplyDisabled) {
    frmSensitivity& page = Open(127);
    EXPECT_EQ(0, page.hscSensitivity.Value()) << "127 is the Light end";
    EXPECT_EQ("0", page.lblSV.Caption());
    EXPECT_FALSE(page.buttons.cmdApply.Enabled());
    EXPECT_EQ(frmMainForm().Caption(), page.Caption()) << "the page carries the main title";
    EXPECT_EQ(frmMainForm().chrome.lblSystem.Caption(), page.chrome.lblSystem.Caption());
    page.Unload();

    Open(27);
    EXPECT_EQ(100, page.hscSensitivity.Value());
    EXPECT_EQ("100", page.lblSV.Caption());
    EXPECT_FALSE(page.buttons.cmdApply.Enabled());
}

TEST_F(SensitivityPage, EditsFollowTheBarAndApplyIsOffBackAtTheStoredPosition) {
    frmSensitivity& page = Open(27);
    pagestest::HoldAt(page.hscSensitivity, 90);
    EXPECT_EQ("90", page.lblSV.Caption()) << "the number follows a dragged thumb";
    EXPECT_TRUE(page.buttons.cmdApply.Enabled());
    DragTo(page.hscSensitivity, 100);
    EXPECT_EQ("100", page.lblSV.Caption());
    EXPECT_FALSE(page.buttons.cmdApply.Enabled()) << "back at the stored position";
    EXPECT_TRUE(SetRequests().empty()) << "editing sends nothing";
}

TEST_F(SensitivityPage, ApplySendsTheWholeRecordOnceAndUpdatesTheSummary) {
    frmSensitivity& page = Open(27);
    const DeviceRecord before = BasGlobal::Device;
    DragTo(page.hscSensitivity, 90);
    Click(page.buttons.cmdApply);

    const auto sent = client.Journal(journalStart);
    ASSERT_EQ(1u, sent.size()) << "one request in all";
    EXPECT_EQ(static_cast<uint32_t>(IOCTL_SetSensitivity), sent[0].Code);
    DeviceRecord expected = before;
    expected.Sensitivity = 37;
    ASSERT_EQ(sizeof(DeviceRecord), sent[0].Length);
    EXPECT_EQ(0, memcmp(&expected, sent[0].Block, sizeof expected))
        << "the record with only the sensitivity changed";
    EXPECT_EQ(37, DriverRecord().Sensitivity);
    EXPECT_EQ(37, BasGlobal::Device.Sensitivity);
    EXPECT_EQ("Level 90", frmMainForm().lblSensitivity.Caption());
    EXPECT_FALSE(page.buttons.cmdApply.Enabled());
    EXPECT_EQ(forms::MousePointer::Default, forms::ScreenMousePointer());
    EXPECT_TRUE(page.IsLoaded()) << "Apply keeps the page open";
}

TEST_F(SensitivityPage, OkSendsOnlyWhatWasNotAppliedAndCloses) {
    frmSensitivity& page = Open(27);
    Click(page.buttons.cmdOK);
    EXPECT_FALSE(page.IsLoaded());
    EXPECT_TRUE(client.Journal(journalStart).empty()) << "OK with nothing changed sends nothing";
    EXPECT_EQ(pagestest::SummarySentinel, frmMainForm().lblSensitivity.Caption());

    Open(27);
    DragTo(page.hscSensitivity, 0);
    Click(page.buttons.cmdOK);
    EXPECT_FALSE(page.IsLoaded());
    ASSERT_EQ(1u, SetRequests().size());
    EXPECT_EQ(127, DriverRecord().Sensitivity);
    EXPECT_EQ("Level 0", frmMainForm().lblSensitivity.Caption());

    Open(27);
    DragTo(page.hscSensitivity, 60);
    Click(page.buttons.cmdApply);
    Click(page.buttons.cmdOK);
    EXPECT_EQ(1u, SetRequests().size()) << "OK after Apply sends nothing more";
}

TEST_F(SensitivityPage, CancelDropsTheEditButKeepsAnEarlierApply) {
    frmSensitivity& page = Open(27);
    DragTo(page.hscSensitivity, 90);
    Click(page.buttons.cmdApply);
    DragTo(page.hscSensitivity, 50);
    Click(page.buttons.cmdCandel);

    EXPECT_FALSE(page.IsLoaded());
    EXPECT_EQ(1u, SetRequests().size());
    EXPECT_EQ(37, DriverRecord().Sensitivity);
    EXPECT_EQ(37, BasGlobal::Device.Sensitivity);
    EXPECT_EQ("Level 90", frmMainForm().lblSensitivity.Caption());

    page.Show();
    EXPECT_EQ(90, page.hscSensitivity.Value()) << "a new opening starts from the record";
}

TEST_F(SensitivityPage, TestBoxFillsYellowWhilePressedOnEitherElement) {
    frmSensitivity& page = Open(27);
    forms::Label& box = page.lblTestBox[0];
    for (int element : {0, 1}) {
        pagestest::PressOn(page.lblTestBox[element]);
        EXPECT_EQ(forms::BackStyle::Opaque, box.GetBackStyle()) << "pressed on " << element;
        EXPECT_EQ(Yellow, pagestest::PixelAt(box.hWnd(), 6, 4)) << "pressed on " << element;
        pagestest::ReleaseOn(page.lblTestBox[element]);
        EXPECT_EQ(forms::BackStyle::Transparent, box.GetBackStyle()) << "released on " << element;
        EXPECT_NE(Yellow, pagestest::PixelAt(box.hWnd(), 6, 4)) << "released on " << element;
    }
    EXPECT_TRUE(client.Journal(journalStart).empty()) << "the test box sends nothing";
}

TEST_F(SensitivityPage, ValuesBeyondTheBarShowAtTheLightEndAndAreKeptUntilApplied) {
    frmSensitivity& page = Open(200);
    EXPECT_EQ(0, page.hscSensitivity.Value());
    EXPECT_EQ("0", page.lblSV.Caption());
    EXPECT_FALSE(page.buttons.cmdApply.Enabled()) << "nothing edited yet";
    Click(page.buttons.cmdOK);
    EXPECT_TRUE(SetRequests().empty());
    EXPECT_EQ(200, DriverRecord().Sensitivity) << "the record is not touched by looking";

    Open(200);
    DragTo(page.hscSensitivity, 5);
    DragTo(page.hscSensitivity, 0);
    EXPECT_TRUE(page.buttons.cmdApply.Enabled()) << "the bar's end differs from the record";
    Click(page.buttons.cmdApply);
    EXPECT_EQ(127, DriverRecord().Sensitivity);
}

} // namespace
