// The mouse speed page of the running control panel: the linked bars, the
// bypass mode, the percent labels, Apply and the summary; the serial build
// opens it only by Ctrl+K.
#include "PagesScenario.h"
#include "basVersion.h"

namespace {

using namespace pagese2e;

class MouseSpeedPage : public PagesScenario {
  protected:
    // The serial build hides the row: only Ctrl+K opens the page.
    HWND Open(HWND main) {
        if (basVersion::IsPs2Build)
            return OpenFrom(main, "cmdMouseSpeed", "frmMouseSpeed");
        EXPECT_FALSE(IsWindowVisible(Find(main, "cmdMouseSpeed"))) << "the row is hidden";
        EXPECT_FALSE(Enabled(main, "cmdMouseSpeed"));
        e2e::HeldModifiers held(main, e2e::Ctrl);
        e2e::PressKey(main, 'K', e2e::Ctrl);
        return AwaitForm("frmMouseSpeed");
    }
};

const char* const SpeedControls[] = {"chkBoth",
                                     "hscMouseHSpeed",
                                     "hscMouseVSpeed",
                                     "optAcceleration(1)",
                                     "optAcceleration(2)",
                                     "optAcceleration(3)",
                                     "optAcceleration(4)"};

TEST_F(MouseSpeedPage, LinkedBarsBypassApplyAndSummary) {
    Preset([](DeviceRecord& record) {
        record.MouseHSpeed = 4;
        record.MouseVSpeed = 12;
        record.MouseAcceleration = 1;
        record.MouseBypass = 0;
    });
    HWND main = StartControlPanel();
    ASSERT_TRUE(main);
    HWND page = Open(main);
    ASSERT_TRUE(page);
    EXPECT_EQ("20%", Text(page, "lblHS")) << "each bar shows its own stored speed";
    EXPECT_EQ("60%", Text(page, "lblVS"));
    EXPECT_TRUE(Checked(page, "chkBoth"));
    EXPECT_FALSE(Enabled(page, "cmdApply"));
    EXPECT_EQ("Medium", Text(page, "optAcceleration(2)"));

    DragThumb(page, "hscMouseHSpeed", 1);
    EXPECT_EQ("5%", Text(page, "lblHS"));
    EXPECT_EQ("5%", Text(page, "lblVS")) << "the vertical bar follows while linked";
    DragThumb(page, "hscMouseVSpeed", 20);
    EXPECT_EQ("100%", Text(page, "lblHS"));
    EXPECT_EQ("100%", Text(page, "lblVS"));
    Click(page, "chkBoth");
    EXPECT_FALSE(Checked(page, "chkBoth"));
    DragThumb(page, "hscMouseVSpeed", 10);
    EXPECT_EQ("100%", Text(page, "lblHS")) << "unlinked";
    EXPECT_EQ("50%", Text(page, "lblVS"));

    Click(page, "chkBypass");
    for (const char* control : SpeedControls)
        EXPECT_FALSE(Enabled(page, control)) << control << " greyed out by bypass";
    EXPECT_TRUE(Enabled(page, "cmdApply"));
    EXPECT_EQ(1u, ClickCounting(page, "cmdApply", IOCTL_SetMouseSpeed));
    DeviceRecord record = DriverRecord();
    EXPECT_EQ(1, record.MouseBypass);
    EXPECT_EQ(20, record.MouseHSpeed) << "values of greyed controls are sent too";
    EXPECT_EQ(10, record.MouseVSpeed);
    EXPECT_EQ(1, record.MouseAcceleration);
    Click(page, "cmdCandel");
    EXPECT_TRUE(e2e::WaitForGone(page));
    EXPECT_EQ("Enable Bypass Mode", Text(main, "lblMouseSpeed"));
    EXPECT_EQ(1, DriverRecord().MouseBypass) << "Cancel keeps what was applied";

    page = Open(main);
    ASSERT_TRUE(page);
    EXPECT_TRUE(Checked(page, "chkBypass"));
    EXPECT_TRUE(Checked(page, "chkBoth")) << "checked on every opening";
    Click(page, "chkBypass");
    for (const char* control : SpeedControls)
        EXPECT_TRUE(Enabled(page, control)) << control;
    EXPECT_TRUE(Enabled(page, "cmdApply")) << "bypass off differs from the record";
    Click(page, "chkBypass");
    EXPECT_FALSE(Enabled(page, "cmdApply")) << "back at the record";
    Click(page, "chkBypass");
    Click(page, "optAcceleration(4)");
    EXPECT_EQ(1u, ClickCounting(page, "cmdOK", IOCTL_SetMouseSpeed)) << "OK applies first";
    EXPECT_TRUE(e2e::WaitForGone(page));
    EXPECT_EQ(4, DriverRecord().MouseAcceleration);
    EXPECT_EQ("HS=100%, VS=50%, Acceleration=Off", Text(main, "lblMouseSpeed"));
}

} // namespace
