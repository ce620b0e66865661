// The progress window: its text, height and place, and the busy pointer.
#include <gtest/gtest.h>

#include <string>

#include "ProgramTitle.h"
#include "forms/Centering.h"
#include "forms/Runtime.h"
#include "forms/Screen.h"
#include "frmMessage.h"

namespace {

class ProgressWindow : public ::testing::Test {
  protected:
    void TearDown() override {
        frmMessageForm().Unload();
        while (BasGlobal::BusyCount() > 0)
            BasGlobal::BusyCursor(0);
    }
};

TEST_F(ProgressWindow, ShowsTheTextCentredUnderTheProgramTitleAndGrowsWithIt) {
    BasGlobal::SetProgramTitle("Progress Test Title");
    BasGlobal::ShowProgress("Setup is updating your system...");
    frmMessage& form = frmMessageForm();
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_TRUE(IsWindowVisible(form.hWnd()));
    EXPECT_EQ("Progress Test Title", form.Caption());
    EXPECT_EQ("Setup is updating your system...", form.lblMsg.Caption());
    EXPECT_TRUE(form.imgMsg.Picture()) << "the picture at the left";

    // One short line: the inner height is twice the picture's, both centred in it.
    const int image = form.imgMsg.Height();
    const int pixel = forms::TwipsPerPixelY();
    EXPECT_NEAR(2 * image, form.ScaleHeight(), pixel);
    EXPECT_NEAR(image / 2, form.imgMsg.Top(), pixel);
    EXPECT_NEAR(form.ScaleHeight() / 2 - form.lblMsg.Height() / 2, form.lblMsg.Top(), pixel);

    const forms::Origin origin = forms::CenterFormOrigin(
        forms::ScreenWidth(), forms::ScreenHeight(), form.Width(), form.Height());
    EXPECT_NEAR(origin.left, form.Left(), forms::TwipsPerPixelX());
    EXPECT_NEAR(origin.top, form.Top(), forms::TwipsPerPixelY());
    EXPECT_EQ(0, BasGlobal::BusyCount()) << "the pointer is back once the window stands";

    // A long text makes the same window taller.
    HWND window = form.hWnd();
    std::string longText;
    for (int i = 0; i < 12; i++)
        longText += "Removing files from your system... ";
    BasGlobal::ShowProgress(longText);
    EXPECT_EQ(window, form.hWnd()) << "the same window, new text";
    ASSERT_GT(form.lblMsg.Height(), 2 * image) << "the text wraps over several lines";
    EXPECT_NEAR(form.lblMsg.Height() + image / 2, form.ScaleHeight(), pixel);
    EXPECT_NEAR(form.ScaleHeight() / 2 - image / 2, form.imgMsg.Top(), pixel);
    EXPECT_NEAR(form.ScaleHeight() / 2 - form.lblMsg.Height() / 2, form.lblMsg.Top(), pixel);
}

TEST_F(ProgressWindow, TheBusyPointerCountsNestedStepsAndNeverBelowNone) {
    using forms::MousePointer;
    BasGlobal::BusyCursor(0);
    EXPECT_EQ(0, BasGlobal::BusyCount());
    EXPECT_EQ(MousePointer::Default, forms::ScreenMousePointer());

    BasGlobal::BusyCursor(11);
    BasGlobal::BusyCursor(11);
    EXPECT_EQ(MousePointer::Hourglass, forms::ScreenMousePointer());
    BasGlobal::BusyCursor(0);
    EXPECT_EQ(1, BasGlobal::BusyCount());
    EXPECT_EQ(MousePointer::Hourglass, forms::ScreenMousePointer()) << "one step still busy";
    BasGlobal::BusyCursor(0);
    EXPECT_EQ(MousePointer::Default, forms::ScreenMousePointer());

    // Another pointer is set directly and leaves the count alone.
    BasGlobal::BusyCursor(11);
    BasGlobal::BusyCursor(1);
    EXPECT_EQ(MousePointer::Default, forms::ScreenMousePointer());
    EXPECT_EQ(1, BasGlobal::BusyCount());
}

} // namespace
