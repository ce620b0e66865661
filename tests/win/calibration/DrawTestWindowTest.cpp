// The draw test in-process: its first display, the choices, drawing with
// mouse input, and the touch mode around the test.
#include <gtest/gtest.h>

#include <cstring>

#include "BasGlobal.h"
#include "WinTestSupport.h"
#include "forms/Forms.h"
#include "frmTest.h"

namespace {

constexpr uint8_t LiftOffMode = 2;
constexpr uint8_t DragDropMode = 4;
const COLORREF White = RGB(255, 255, 255);
const COLORREF Blue = RGB(0, 0, 255);

COLORREF PixelAt(HWND window, int x, int y) {
    forms::DoEvents();
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

void Post(HWND window, UINT message, WPARAM keys, int x, int y) {
    PostMessageA(window, message, keys, MAKELPARAM(x, y));
}

class DrawTest : public ::testing::Test {
  protected:
    void SetUp() override {
        wintest::ResetController(Sim);
        SimState state{};
        ASSERT_TRUE(Sim.GetState(state));
        state.Record.VirtualButton = LiftOffMode;
        ASSERT_TRUE(Sim.PresetRecord(state.Record));
        ASSERT_TRUE(BasGlobal::OpenDevice());
        BasGlobal::GetDeviceRecord();
    }
    void TearDown() override {
        if (form.IsLoaded())
            form.Unload();
        BasGlobal::CloseDevice();
    }
    std::vector<int> TouchModesSent() {
        std::vector<int> modes;
        for (const SimJournalEntry& entry : Sim.JournalOf(IOCTL_SetVirtualButton)) {
            DeviceRecord record;
            memcpy(&record, entry.Block, sizeof record);
            modes.push_back(record.VirtualButton);
        }
        return modes;
    }
    uint8_t DriverTouchMode() {
        SimState state{};
        EXPECT_TRUE(Sim.GetState(state));
        return state.Record.VirtualButton;
    }

    sim::Client Sim;
    frmTest& form = frmTestForm();
};

TEST_F(DrawTest, FirstDisplayHasABlueTwoPixelPenAndDragDropMode) {
    form.Show();
    EXPECT_EQ(2, form.picHome.DrawWidth());
    EXPECT_EQ(forms::Rgb(0, 0, 255), form.picHome.ForeColor());
    EXPECT_EQ(forms::Rgb(255, 255, 0), form.lblWidth[1].ForeColor());
    EXPECT_EQ(forms::Rgb(64, 64, 64), form.lblWidth[1].BackColor());
    EXPECT_EQ(forms::Rgb(224, 224, 224), form.lblWidth[0].BackColor());
    for (int i = 0; i <= 4; i++)
        EXPECT_EQ(i == 3 ? forms::BorderStyle::FixedSingle : forms::BorderStyle::None,
                  form.lblColor[i].Border())
            << "swatch " << i;
    EXPECT_EQ(DragDropMode, DriverTouchMode());

    SendMessageA(form.cmdExit.hWnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ((std::vector<int>{DragDropMode, LiftOffMode}), TouchModesSent());
    EXPECT_EQ(LiftOffMode, DriverTouchMode()) << "the touch mode from before the test";
}

TEST_F(DrawTest, PressedLabelsChooseWidthAndColour) {
    form.Show();
    Post(form.lblWidth[3].hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, 2, 2);
    Post(form.lblColor[1].hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, 2, 2);
    forms::DoEvents();
    EXPECT_EQ(4, form.picHome.DrawWidth());
    EXPECT_EQ(forms::Rgb(255, 0, 0), form.picHome.ForeColor());
    EXPECT_EQ(forms::Rgb(64, 64, 64), form.lblWidth[3].BackColor());
    EXPECT_EQ(forms::Rgb(224, 224, 224), form.lblWidth[1].BackColor());
    EXPECT_EQ(forms::Rgb(0, 0, 0), form.lblWidth[1].ForeColor());
    EXPECT_EQ(forms::BorderStyle::FixedSingle, form.lblColor[1].Border());
    EXPECT_EQ(forms::BorderStyle::None, form.lblColor[3].Border());
}

TEST_F(DrawTest, DragDrawsAConnectedTraceAndMoveAloneNothing) {
    form.Show();
    HWND area = form.picHome.hWnd();
    Post(area, WM_LBUTTONDOWN, MK_LBUTTON, 50, 60);
    Post(area, WM_MOUSEMOVE, MK_LBUTTON, 150, 60);
    Post(area, WM_MOUSEMOVE, MK_LBUTTON, 150, 160);
    forms::DoEvents();
    EXPECT_EQ(forms::BackStyle::Opaque, form.lblButton[0].GetBackStyle()) << "L shown";
    Post(area, WM_LBUTTONUP, 0, 150, 160);
    Post(area, WM_MOUSEMOVE, 0, 300, 300);
    forms::DoEvents();
    EXPECT_EQ(forms::BackStyle::Transparent, form.lblButton[0].GetBackStyle());

    EXPECT_EQ(Blue, PixelAt(area, 50, 60)) << "the touch-down point";
    EXPECT_EQ(Blue, PixelAt(area, 100, 60));
    EXPECT_EQ(Blue, PixelAt(area, 150, 110));
    EXPECT_EQ(White, PixelAt(area, 100, 110)) << "a trace, not a filled area";
    EXPECT_EQ(White, PixelAt(area, 225, 230)) << "the move after the release";

    // A second button pressed while the first is held goes on with the line.
    Post(area, WM_LBUTTONDOWN, MK_LBUTTON, 50, 400);
    Post(area, WM_MBUTTONDOWN, MK_LBUTTON | MK_MBUTTON, 250, 400);
    forms::DoEvents();
    EXPECT_EQ(forms::BackStyle::Opaque, form.lblButton[1].GetBackStyle()) << "M shown";
    EXPECT_EQ(Blue, PixelAt(area, 150, 400));
    Post(area, WM_MBUTTONUP, MK_LBUTTON, 250, 400);
    Post(area, WM_LBUTTONUP, 0, 250, 400);

    SendMessageA(form.cmdClear.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(White, PixelAt(area, 100, 60));
    EXPECT_EQ(White, PixelAt(area, 150, 400));
}

TEST_F(DrawTest, TouchModeIsSavedOncePerShowing) {
    // Loaded and unloaded without being shown: the mode is left alone.
    ASSERT_TRUE(form.Load());
    form.Unload();
    EXPECT_TRUE(TouchModesSent().empty());

    // Activated again after another window of the program: Drag Drop is not
    // taken for the mode to go back to.
    form.Show();
    class OtherForm : public forms::Form {
      public:
        OtherForm() : Form("frmOther") {}
    } other;
    other.Show();
    form.Show();
    other.Unload();
    form.Unload();
    EXPECT_EQ((std::vector<int>{DragDropMode, LiftOffMode}), TouchModesSent());
    EXPECT_EQ(LiftOffMode, DriverTouchMode());
}

// Drag Drop left behind would make every touch after the test a drag.
TEST_F(DrawTest, AFailedRestoreOfTheTouchModeIsRepeated) {
    form.Show();
    ASSERT_EQ(DragDropMode, DriverTouchMode());
    ASSERT_TRUE(Sim.FailNext(2, IOCTL_SetVirtualButton));
    form.Unload();
    EXPECT_EQ(LiftOffMode, DriverTouchMode());
}

} // namespace
