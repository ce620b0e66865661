// Twip geometry of forms and controls, containers, docking, and the shared
// placement routines CenterForm and CenterIcon.
#include <gtest/gtest.h>

#include "FormRoutines.h"
#include "FormsTestSupport.h"
#include "forms/Forms.h"

namespace {

using formstest::OuterSize;
using formstest::PositionInParent;

class LayoutForm : public forms::Form {
  public:
    LayoutForm() : Form("frmLayout") {
        Move(1500, 750, 7200, 5400);
        cmdSerialPort.Move(480, 1500, 1695, 435);
        frameBox.Move(2400, 1500, 3000, 1500);
        lblInFrame.Move(150, 300, 1200, 195);
        picIcon.Move(5280, 360, 780, 780);
        imgIcon.Move(0, 0, 480, 480);
        picPixels.SetScaleUnit(forms::ScaleMode::Pixels);
        picPixels.SetBorder(forms::BorderStyle::None);
        picPixels.Move(480, 3300, 1500, 1500);
        lblInPixels.Move(10, 20, 30, 40);
    }
    forms::CommandButton cmdSerialPort{*this, "cmdSerialPort"};
    forms::Frame frameBox{*this, "frameBox"};
    forms::Label lblInFrame{frameBox, "lblInFrame"};
    forms::PictureBox picIcon{*this, "picIcon"};
    forms::Image imgIcon{picIcon, "imgIcon"};
    forms::PictureBox picPixels{*this, "picPixels"};
    forms::Label lblInPixels{picPixels, "lblInPixels"};
};

TEST(Geometry, FormOuterSizeInTwipsAndInnerSizeBeforeAndAfterLoading) {
    LayoutForm form;
    const int innerWidthBeforeLoad = form.ScaleWidth();
    const int innerHeightBeforeLoad = form.ScaleHeight();
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    RECT outer{};
    GetWindowRect(form.hWnd(), &outer);
    EXPECT_EQ(100, outer.left);
    EXPECT_EQ(50, outer.top);
    EXPECT_EQ(480, outer.right - outer.left);
    EXPECT_EQ(360, outer.bottom - outer.top);
    EXPECT_EQ(7200, form.Width());
    RECT client{};
    GetClientRect(form.hWnd(), &client);
    EXPECT_EQ(client.right * 15, form.ScaleWidth());
    EXPECT_LT(form.ScaleWidth(), form.Width()) << "the frame is not inner area";
    EXPECT_EQ(form.ScaleWidth(), innerWidthBeforeLoad);
    EXPECT_EQ(form.ScaleHeight(), innerHeightBeforeLoad);

    form.SetWidth(6000);
    EXPECT_EQ(400, OuterSize(form.hWnd()).cx);
    EXPECT_EQ(1500, form.Left()) << "the rest stays";
}

TEST(Geometry, ControlsInTwipsOfTheirContainerOrInPixels) {
    LayoutForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    const POINT button = PositionInParent(form.cmdSerialPort.hWnd());
    EXPECT_EQ(32, button.x);
    EXPECT_EQ(100, button.y);
    EXPECT_EQ(113, OuterSize(form.cmdSerialPort.hWnd()).cx);
    EXPECT_EQ(29, OuterSize(form.cmdSerialPort.hWnd()).cy);
    EXPECT_EQ(1695, form.cmdSerialPort.Width());
    EXPECT_EQ(435, form.cmdSerialPort.Height());

    // Inside a frame: from the frame's corner.
    EXPECT_EQ(form.frameBox.hWnd(), GetParent(form.lblInFrame.hWnd()));
    EXPECT_EQ(10, PositionInParent(form.lblInFrame.hWnd()).x);
    EXPECT_EQ(20, PositionInParent(form.lblInFrame.hWnd()).y);

    // A picture box that counts in pixels.
    const POINT label = PositionInParent(form.lblInPixels.hWnd());
    EXPECT_EQ(10, label.x);
    EXPECT_EQ(20, label.y);
    EXPECT_EQ(30, OuterSize(form.lblInPixels.hWnd()).cx);
    EXPECT_EQ(100, form.picPixels.ScaleWidth());

    // Moving keeps what is not given; values snap to whole pixels.
    form.cmdSerialPort.Move(485, 2100);
    EXPECT_EQ(480, form.cmdSerialPort.Left()) << "485 twips is pixel 32";
    EXPECT_EQ(2100, form.cmdSerialPort.Top());
    EXPECT_EQ(1695, form.cmdSerialPort.Width());
}

TEST(CenterForm, WholeTwipsWithOddSizes) {
    LayoutForm form;
    form.Move(0, 0, 4801, 3599); // not loaded: the sizes stay as given
    BasGlobal::CenterForm(form);
    EXPECT_EQ(15360 / 2 - 4801 / 2, form.Left()) << "screen 1024 x 768 pixels";
    EXPECT_EQ(9792 / 2 - 3599 / 2, form.Top());

    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    form.Move(0, 0, 6135, 5850); // 409 x 390 pixels
    BasGlobal::CenterForm(form);
    // left 7680 - 3067 = 4613 twips, top 4896 - 2925 = 1971 twips, each to
    // the nearest pixel.
    RECT outer{};
    GetWindowRect(form.hWnd(), &outer);
    EXPECT_EQ(308, outer.left);
    EXPECT_EQ(131, outer.top);
    EXPECT_EQ(409, outer.right - outer.left) << "the size stays";
}

TEST(CenterIcon, ImageInTheMiddleOfThePictureBoxInnerArea) {
    LayoutForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    BasGlobal::CenterIcon(form);
    // 52 pixels less the 2-pixel sunken border each side: 48 inside.
    ASSERT_EQ(48 * 15, form.picIcon.ScaleWidth());
    EXPECT_EQ(120, form.imgIcon.Left());
    EXPECT_EQ(120, form.imgIcon.Top());
    EXPECT_EQ(8, PositionInParent(form.imgIcon.hWnd()).x);

    // Counting in pixels, odd leftovers truncate: inner 51 x 48, icon 32.
    form.picIcon.SetScaleUnit(forms::ScaleMode::Pixels);
    form.picIcon.Move(5280, 360, 55 * 15, 52 * 15);
    form.imgIcon.Move(0, 0, 32, 32);
    BasGlobal::CenterIcon(form);
    EXPECT_EQ(9, form.imgIcon.Left());
    EXPECT_EQ(8, form.imgIcon.Top());
    EXPECT_EQ(9, PositionInParent(form.imgIcon.hWnd()).x);
}

TEST(CenterIcon, FormWithoutTheControlsIsLeftAlone) {
    forms::Form bare("frmBare");
    bare.Show();
    BasGlobal::CenterIcon(bare);
    EXPECT_TRUE(bare.IsLoaded());
}

class StackForm : public forms::Form {
  public:
    StackForm() : Form("frmStack") {}
    forms::CommandButton cmdFirst{*this, "cmdFirst"};
    forms::Label lblFirst{*this, "lblFirst"};
    forms::Shape shpFirst{*this, "shpFirst"};
    forms::CommandButton cmdSecond{*this, "cmdSecond"};
    forms::Label lblSecond{*this, "lblSecond"};
};

// Windowed controls on top in declaration order (the tab order), then the
// windowless ones, later above earlier; the same again after a reload.
TEST(Stacking, WindowedInDeclarationOrderThenWindowlessLaterAbove) {
    StackForm form;
    const auto names = [&form] {
        std::string order;
        for (HWND child = GetWindow(form.hWnd(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT))
            order += formstest::NameProperty(child) + " ";
        return order;
    };
    const std::string expected = "cmdFirst cmdSecond lblSecond shpFirst lblFirst ";
    form.Show();
    EXPECT_EQ(names(), expected);
    form.Unload();
    form.Show();
    EXPECT_EQ(names(), expected);
    form.Unload();
}

// Declared first, the frame and its button are given a later tab index.
class TabIndexForm : public forms::Form {
  public:
    TabIndexForm() : Form("frmTabIndex") {
        frameLater.SetTabIndex(1);
        cmdInFrame.SetTabIndex(1);
        cmdFirst.Move(0, 0, 600, 375);
        cmdSecond.Move(600, 0, 600, 375);
        frameLater.Move(0, 600, 1500, 900);
        cmdInFrame.Move(120, 300, 600, 375);
    }
    forms::Frame frameLater{*this, "frameLater"};
    forms::CommandButton cmdInFrame{frameLater, "cmdInFrame"};
    forms::CommandButton cmdFirst{*this, "cmdFirst"};
    forms::CommandButton cmdSecond{*this, "cmdSecond"};
};

TEST(Stacking, TabIndexOrdersTabAndStackingWhateverTheDeclarationOrder) {
    TabIndexForm form;
    form.Show();
    std::string order;
    for (HWND child = GetWindow(form.hWnd(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        order += formstest::NameProperty(child) + " ";
    EXPECT_EQ("cmdFirst cmdSecond frameLater ", order);
    EXPECT_EQ(form.frameLater.hWnd(), GetParent(form.cmdInFrame.hWnd()));

    EXPECT_EQ(form.cmdFirst.hWnd(), GetFocus()) << "the first in tab order takes the focus";
    for (forms::CommandButton* next : {&form.cmdSecond, &form.cmdInFrame, &form.cmdFirst}) {
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        forms::DoEvents();
        EXPECT_EQ(next->hWnd(), GetFocus()) << "Tab to " << next->Name();
    }
    form.Unload();
}

class DockForm : public forms::Form {
  public:
    DockForm() : Form("frmDock") {
        SetBorder(forms::BorderStyle::Sizable);
        picHead.SetAlign(forms::AlignMode::Top);
        picHead.Move(0, 0, 100, 600);
        picHead.OnResize = [this] { ++headResizes; };
        picMesg.SetAlign(forms::AlignMode::Bottom);
        picMesg.Move(0, 0, 100, 900);
    }
    forms::PictureBox picHead{*this, "picHead"};
    forms::PictureBox picMesg{*this, "picMesg"};
    int headResizes = 0;
    int formResizes = 0;

  protected:
    void Form_Resize() override { ++formResizes; }
};

TEST(Docking, BoxesAlongTheEdgesFollowTheFormAndRaiseResize) {
    DockForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_GE(form.headResizes, 1) << "once when first shown";
    EXPECT_EQ(form.ScaleWidth(), form.picHead.Width());
    EXPECT_EQ(0, form.picHead.Top());
    EXPECT_EQ(form.ScaleHeight() - 900, form.picMesg.Top());

    const int resizes = form.headResizes;
    form.SetState(forms::WindowState::Maximized);
    EXPECT_EQ(1024 * 15, form.ScaleWidth()) << "maximized over the whole screen width";
    EXPECT_EQ(form.ScaleWidth(), form.picHead.Width());
    EXPECT_EQ(form.ScaleWidth(), form.picMesg.Width());
    EXPECT_EQ(form.ScaleHeight() - 900, form.picMesg.Top());
    EXPECT_GT(form.headResizes, resizes);
    EXPECT_GE(form.formResizes, 2);
}

} // namespace
