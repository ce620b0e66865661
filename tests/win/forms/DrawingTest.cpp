// What reaches the screen: label back styles, shapes, pictures, and drawing
// that survives repaints. Pixels are read back from the windows under the
// null display driver.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BitmapFile.h"
#include "FormsTestSupport.h"
#include "forms/Forms.h"

namespace {

using formstest::PixelAt;

const forms::Color kGreen = forms::Rgb(0, 128, 0);
const forms::Color kRed = forms::Rgb(255, 0, 0);
const forms::Color kYellow = forms::Rgb(255, 255, 0);
const forms::Color kBlue = forms::Rgb(0, 0, 255);

class CanvasForm : public forms::Form {
  public:
    CanvasForm() : Form("frmCanvas") {
        SetBackColor(kGreen);
        Move(0, 0, 9000, 6000);
        // Two labels, one above the other (in creation order), as a test
        // box with a caption inside it.
        lblBox.Move(300, 300, 1500, 900);
        lblBox.SetBackColor(kYellow);
        lblBox.SetBackStyle(forms::BackStyle::Transparent);
        lblBox.SetBorder(forms::BorderStyle::FixedSingle);
        lblCaption.Move(450, 450, 1200, 600);
        lblCaption.SetBackColor(kRed);
        lblCaption.SetBackStyle(forms::BackStyle::Transparent);
        shpFrame.Move(2100, 300, 1500, 900);
        shpFrame.SetBorderColor(kBlue);
        picDraw.SetScaleUnit(forms::ScaleMode::Pixels);
        picDraw.SetBorder(forms::BorderStyle::None);
        picDraw.Move(4500, 300, 3000, 3000); // 200 x 200 pixels
        picDraw.SetBackColor(forms::kWhite);
        lblOnPicture.Move(150, 150, 20, 20);
        lblOnPicture.SetBackStyle(forms::BackStyle::Transparent);
    }
    forms::Label lblBox{*this, "lblBox"};
    forms::Label lblCaption{*this, "lblCaption"};
    forms::Shape shpFrame{*this, "shpFrame"};
    forms::PictureBox picDraw{*this, "picDraw"};
    forms::Label lblOnPicture{picDraw, "lblOnPicture"};
};

TEST(Labels, TransparentShowsWhatLiesBelowOpaqueItsBackColour) {
    CanvasForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    HWND caption = form.lblCaption.hWnd();
    // Pixel (2, 2) of the caption label lies inside the box label too.
    EXPECT_EQ(RGB(0, 128, 0), PixelAt(caption, 2, 2)) << "both transparent: the form";

    form.lblBox.SetBackStyle(forms::BackStyle::Opaque);
    EXPECT_EQ(RGB(255, 255, 0), PixelAt(caption, 2, 2)) << "the opaque box below shows through";
    EXPECT_EQ(RGB(255, 255, 0), PixelAt(form.lblBox.hWnd(), 5, 5));

    form.lblCaption.SetBackStyle(forms::BackStyle::Opaque);
    EXPECT_EQ(RGB(255, 0, 0), PixelAt(caption, 2, 2));

    form.lblBox.SetBackStyle(forms::BackStyle::Transparent);
    form.lblCaption.SetBackStyle(forms::BackStyle::Transparent);
    EXPECT_EQ(RGB(0, 128, 0), PixelAt(caption, 2, 2)) << "and back";
    EXPECT_EQ(RGB(0, 128, 0), PixelAt(form.hWnd(), 10, 10)) << "the form's own back colour";
}

TEST(Labels, TransparentOnAPictureBoxShowsTheDrawing) {
    CanvasForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    form.picDraw.FilledBox(140, 140, 180, 180, kBlue);
    EXPECT_EQ(RGB(0, 0, 255), PixelAt(form.lblOnPicture.hWnd(), 5, 5));
    form.lblOnPicture.SetBackStyle(forms::BackStyle::Opaque);
    EXPECT_EQ(forms::ToColorRef(forms::kButtonFace), PixelAt(form.lblOnPicture.hWnd(), 5, 5));
}

TEST(Labels, CaptionIsTheWindowTextAndAutoSizeFollowsIt) {
    CanvasForm form;
    form.Show();
    form.lblCaption.SetCaption("Both Touch Down && Lift Off");
    char text[64] = {};
    GetWindowTextA(form.lblCaption.hWnd(), text, sizeof text);
    EXPECT_STREQ("Both Touch Down && Lift Off", text) << "readable from another process";

    form.lblCaption.SetAutoSize(true);
    const int shortWidth = form.lblCaption.Width();
    form.lblCaption.SetCaption("Both Touch Down && Lift Off, and a good deal longer");
    EXPECT_GT(form.lblCaption.Width(), shortWidth);
    EXPECT_EQ(formstest::OuterSize(form.lblCaption.hWnd()).cx * 15, form.lblCaption.Width());
}

TEST(Shapes, OutlineInTheBorderColourAndTheContainerInside) {
    CanvasForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    HWND shape = form.shpFrame.hWnd();
    EXPECT_EQ(RGB(0, 0, 255), PixelAt(shape, 0, 0));
    EXPECT_EQ(RGB(0, 0, 255), PixelAt(shape, 99, 59)) << "the far corner, inside the bounds";
    EXPECT_EQ(RGB(0, 128, 0), PixelAt(shape, 50, 30)) << "no fill: the form shows";
    form.shpFrame.SetFill(forms::FillStyle::Solid);
    form.shpFrame.SetFillColor(kYellow);
    EXPECT_EQ(RGB(255, 255, 0), PixelAt(shape, 50, 30));
}

TEST(PictureBoxDrawing, LinesBoxesAndPointsSurviveRepaints) {
    CanvasForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    forms::PictureBox& pic = form.picDraw;
    HWND window = pic.hWnd();
    pic.SetForeColor(kRed);
    pic.Line(10, 10, 50, 10);
    pic.PSet(60, 60, kBlue);
    pic.Box(80, 80, 90, 95, kGreen);
    EXPECT_EQ(RGB(255, 0, 0), PixelAt(window, 10, 10));
    EXPECT_EQ(RGB(255, 0, 0), PixelAt(window, 50, 10)) << "the end point belongs to the line";
    EXPECT_EQ(RGB(255, 255, 255), PixelAt(window, 51, 10));
    EXPECT_EQ(RGB(0, 0, 255), PixelAt(window, 60, 60));
    EXPECT_EQ(RGB(0, 128, 0), PixelAt(window, 90, 95)) << "box corner";
    EXPECT_EQ(RGB(255, 255, 255), PixelAt(window, 85, 88)) << "box inside stays empty";
    EXPECT_EQ(90, pic.CurrentX());
    EXPECT_EQ(95, pic.CurrentY());

    // Covered and uncovered: the window paints again from the memory copy.
    InvalidateRect(window, nullptr, TRUE);
    ShowWindow(form.hWnd(), SW_HIDE);
    form.Show();
    EXPECT_EQ(RGB(255, 0, 0), PixelAt(window, 30, 10));
    EXPECT_EQ(RGB(0, 0, 255), PixelAt(window, 60, 60));

    // A trace continues from the current position, in the pen width.
    pic.SetDrawWidth(3);
    pic.PSet(100, 100);
    pic.LineTo(140, 100);
    pic.LineTo(140, 130);
    EXPECT_EQ(RGB(255, 0, 0), PixelAt(window, 120, 101)) << "3 pixels wide";
    EXPECT_EQ(RGB(255, 0, 0), PixelAt(window, 141, 115));

    pic.Cls();
    EXPECT_EQ(RGB(255, 255, 255), PixelAt(window, 30, 10));
    EXPECT_EQ(0, pic.CurrentX());
}

TEST(PictureBoxDrawing, NewBackColourErasesTheDrawing) {
    CanvasForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    form.picDraw.Line(0, 0, 20, 0, kRed);
    form.picDraw.SetBackColor(kYellow);
    EXPECT_EQ(RGB(255, 255, 0), PixelAt(form.picDraw.hWnd(), 10, 0));
}

TEST(FormDrawing, LinesOnTheFormSurviveRepaints) {
    CanvasForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    // The form counts in twips: 15 twips a pixel.
    form.Line(150, 1650, 1500, 1650, kRed);
    InvalidateRect(form.hWnd(), nullptr, TRUE);
    EXPECT_EQ(RGB(255, 0, 0), PixelAt(form.hWnd(), 50, 110));
    EXPECT_EQ(RGB(0, 128, 0), PixelAt(form.hWnd(), 50, 111));
}

// A 4 x 2 24-bit bitmap file: top row red, bottom row blue.
std::string WriteTestBitmap() {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "forms_test_picture.bmp";
    e2e::WriteBitmapFile(path, 4, 2,
                         [](int, int y) { return y == 0 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
    return path;
}

TEST(Pictures, BitmapFileInAnAutoSizedPictureBoxAndItsCopy) {
    const std::string path = WriteTestBitmap();
    forms::PicturePtr picture = forms::LoadPicture(path);
    ASSERT_TRUE(picture);
    EXPECT_EQ(4, picture->Width());
    EXPECT_EQ(2, picture->Height());
    EXPECT_FALSE(forms::LoadPicture(path + ".missing")) << "no file, no picture";

    CanvasForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    form.picDraw.SetAutoSize(true);
    form.picDraw.SetPicture(picture);
    EXPECT_EQ(4, form.picDraw.ScaleWidth()) << "the box took the picture's size";
    EXPECT_EQ(2, form.picDraw.ScaleHeight());
    EXPECT_EQ(RGB(255, 0, 0), PixelAt(form.picDraw.hWnd(), 1, 0));
    EXPECT_EQ(RGB(0, 0, 255), PixelAt(form.picDraw.hWnd(), 3, 1));
    DeleteFileA(path.c_str());
}

// A solid 36 x 36 icon of one colour.
forms::PicturePtr SolidIcon(COLORREF color) {
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateCompatibleBitmap(screen, 36, 36);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, colour);
    HBRUSH brush = CreateSolidBrush(color);
    const RECT all{0, 0, 36, 36};
    FillRect(dc, &all, brush);
    SelectObject(dc, old);
    DeleteObject(brush);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    std::vector<unsigned char> opaque(36 * 36 / 8 + 64, 0);
    HBITMAP mask = CreateBitmap(36, 36, 1, 1, opaque.data());
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return forms::Picture::FromIcon(icon);
}

class ToolForm : public forms::Form {
  public:
    ToolForm() : Form("frmTool") { cmdAction.Move(0, 0, 600, 600); }
    forms::CommandButton cmdAction{*this, "cmdAction"};
};

TEST(Pictures, ButtonShowsItsIconInsteadOfTheCaption) {
    forms::PicturePtr icon = SolidIcon(RGB(255, 0, 0));
    ASSERT_TRUE(icon);
    EXPECT_EQ(36, icon->Width());
    EXPECT_EQ(36, icon->Height());
    ToolForm form;
    form.cmdAction.SetPicture(icon);
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_EQ(RGB(255, 0, 0), PixelAt(form.cmdAction.hWnd(), 20, 20)) << "40 x 40 button";
    form.cmdAction.SetPicture(nullptr);
    form.cmdAction.SetCaption("text");
    EXPECT_NE(RGB(255, 0, 0), PixelAt(form.cmdAction.hWnd(), 20, 20));
}

class IconForm : public forms::Form {
  public:
    IconForm() : Form("frmIcon") {
        imgIcon.OnDblClick = [this] { ++doubleClicks; };
        imgIcon.OnClick = [this] { ++clicks; };
    }
    forms::Image imgIcon{*this, "imgIcon"};
    int doubleClicks = 0;
    int clicks = 0;
};

TEST(Pictures, ImageTakesTheIconSizeAndReportsDoubleClicks) {
    IconForm form;
    form.imgIcon.SetPicture(forms::Picture::FromIcon(CopyIcon(LoadIcon(nullptr, IDI_APPLICATION))));
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_EQ(32 * 15, form.imgIcon.Width());
    EXPECT_EQ(32, formstest::OuterSize(form.imgIcon.hWnd()).cx);
    HWND image = form.imgIcon.hWnd();
    SendMessageA(image, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(image, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    SendMessageA(image, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(image, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(1, form.clicks) << "the second press of a double click is no click";
    EXPECT_EQ(1, form.doubleClicks);

    form.imgIcon.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(image)) << "a disabled image gets no mouse input";
}

} // namespace
