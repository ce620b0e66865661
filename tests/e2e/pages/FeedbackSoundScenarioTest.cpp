// The feedback sound page of the running control panel: the sound test,
// Apply, Cancel after Apply and OK with Apply enabled.
#include <cstring>

#include "PagesScenario.h"

namespace {

using namespace pagese2e;

class FeedbackSoundPage : public PagesScenario {};

TEST_F(FeedbackSoundPage, SoundTestApplyCancelAndOk) {
    HWND page = OpenPage(
        [](DeviceRecord& record) {
            record.FeedbackSound = 2;
            record.FeedbackTone = 1000;
            record.FeedbackDuration = 30;
        },
        "cmdFeedbackSound", "frmFeedbackSound");
    ASSERT_TRUE(page);
    EXPECT_EQ(" Touch Down Only", Text(page, "optFeedbackSound(2)"));
    EXPECT_TRUE(Checked(page, "optFeedbackSound(2)"));
    EXPECT_EQ("1000", Text(page, "lblTone"));
    EXPECT_EQ("30", Text(page, "lblDuration"));
    EXPECT_FALSE(Enabled(page, "cmdSoundTest")) << "the applied mode sounds by itself";
    EXPECT_FALSE(Enabled(page, "cmdApply"));

    Click(page, "optFeedbackSound(1)");
    EXPECT_TRUE(Enabled(page, "cmdApply"));
    EXPECT_FALSE(Enabled(page, "cmdSoundTest")) << "choosing silence is not applying it";
    Click(page, "optFeedbackSound(2)");
    EXPECT_FALSE(Enabled(page, "cmdApply")) << "back at the record";
    Click(page, "optFeedbackSound(1)");
    DragThumb(page, "hscTone", 4000);
    EXPECT_EQ(1u, ClickCounting(page, "cmdApply", IOCTL_SetFeedbackSound));
    DeviceRecord record = DriverRecord();
    EXPECT_EQ(1, record.FeedbackSound);
    EXPECT_EQ(4000, record.FeedbackTone);
    EXPECT_EQ(30, record.FeedbackDuration);
    EXPECT_TRUE(Enabled(page, "cmdSoundTest")) << "silence applied";
    EXPECT_FALSE(Enabled(page, "cmdApply"));

    // Press and release: two sounds with what the labels show, not applied.
    DragThumb(page, "hscTone", 300);
    DragThumb(page, "hscDuration", 12);
    EXPECT_EQ("300", Text(page, "lblTone"));
    EXPECT_EQ("12", Text(page, "lblDuration"));
    uint32_t first = Sim().JournalTotal();
    e2e::MousePress(Find(page, "cmdSoundTest"), e2e::MouseButton::Left);
    ASSERT_TRUE(e2e::WaitForRequests(Sim(), IOCTL_PlayBeep, first, 2));
    Click(page, "cmdCandel"); // handled after the press: nothing more can follow
    const auto beeps = Sim().JournalOf(IOCTL_PlayBeep, first);
    EXPECT_EQ(2u, Requests(IOCTL_PlayBeep, first)) << "one sound down, one up";
    for (const SimJournalEntry& beep : beeps) {
        BeepBlock block{};
        memcpy(&block, beep.Block, sizeof block);
        EXPECT_EQ(300, block.Tone);
        EXPECT_EQ(12, block.Duration);
    }
    EXPECT_EQ(0u, Requests(IOCTL_SetFeedbackSound, first)) << "Cancel sends nothing";

    EXPECT_TRUE(e2e::WaitForGone(page));
    EXPECT_TRUE(e2e::WaitForVisible(main_, true));
    EXPECT_EQ(4000, DriverRecord().FeedbackTone) << "Cancel keeps what was applied";
    EXPECT_EQ("Silence ( No Sound )", Text(main_, "lblFeedbackSound"));

    page = OpenFrom(main_, "cmdFeedbackSound", "frmFeedbackSound");
    ASSERT_TRUE(page);
    EXPECT_EQ("4000", Text(page, "lblTone")) << "a new opening starts from the record";
    Click(page, "optFeedbackSound(4)");
    EXPECT_EQ(1u, ClickCounting(page, "cmdOK", IOCTL_SetFeedbackSound)) << "OK applies first";
    EXPECT_EQ(4, DriverRecord().FeedbackSound);
    EXPECT_TRUE(e2e::WaitForGone(page));
    // The caption as the label holds it; "&&" shows as one "&".
    EXPECT_EQ("Both Touch Down && Lift Off", Text(main_, "lblFeedbackSound"));
}

} // namespace
