#include "frmTest.h"

#include <cmath>

#include "BasGlobal.h"
#include "PanelIcon.h"
#include "basMain.h"
#include "forms/InputCodes.h"

namespace {

constexpr forms::Color Silver = forms::Rgb(192, 192, 192);
constexpr forms::Color LightGrey = forms::Rgb(224, 224, 224);
constexpr forms::Color DarkGrey = forms::Rgb(64, 64, 64);
constexpr forms::Color Yellow = forms::Rgb(255, 255, 0);
constexpr forms::Color SwatchColors[] = {forms::Rgb(0, 0, 0), forms::Rgb(255, 0, 0),
                                         forms::Rgb(0, 128, 0), forms::Rgb(0, 0, 255),
                                         forms::Rgb(255, 0, 255)};
constexpr const char* WidthCaptions[] = {" 1 ", " 2 ", " 3 ", " 4 "};
constexpr const char* ButtonCaptions[] = {"L", "M", "R"};

constexpr uint8_t DragDropMode = 4;
constexpr int FirstWidthIndex = 1; // pen 2 pixels wide
constexpr int FirstColorIndex = 3; // blue

// Design sizes in pixels.
constexpr int HeadHeight = 48;
constexpr int ToolBarHeight = 40;
constexpr int ButtonWidth = 90;
constexpr int SwatchSize = 24;
constexpr int HelpHeight = 20;

// Half of a difference, rounded to the nearest pixel (halves to even).
int Half(int value) {
    return static_cast<int>(std::lrint(value / 2.0));
}

} // namespace

frmTest::frmTest() : Form("frmTest") {
    SetCaption("Test");
    SetBorder(forms::BorderStyle::None);
    SetState(forms::WindowState::Maximized);
    SetScaleUnit(forms::ScaleMode::Pixels);
    DesignHead();
    DesignToolBar();

    picHome.SetBorder(forms::BorderStyle::None);
    picHome.SetScaleUnit(forms::ScaleMode::Pixels);
    picHome.SetBackColor(forms::kWhite);
    WireEvents();
}

void frmTest::DesignHead() {
    picHead.SetAlign(forms::AlignMode::Top);
    picHead.SetScaleUnit(forms::ScaleMode::Pixels);
    picHead.SetBackColor(Silver);
    picHead.SetHeight(HeadHeight);
    imgIcon.SetPicture(forms::Picture::FromIcon(PanelIcon::Create()));
    imgIcon.Move(0, 0, PanelIcon::IconSize, PanelIcon::IconSize);
    lblTitle.SetCaption("TouchScreen Test");
    lblTitle.SetFontName("Times New Roman");
    lblTitle.SetFontSize(18);
    lblTitle.SetFontBold(true);
    lblTitle.SetBackStyle(forms::BackStyle::Transparent);
    lblTitle.SetAutoSize(true);
    cmdClear.SetCaption("&Clear");
    cmdClear.SetWidth(ButtonWidth);
    cmdExit.SetCaption("E&xit Test");
    cmdExit.SetWidth(ButtonWidth);
}

void frmTest::DesignToolBar() {
    picMesg.SetAlign(forms::AlignMode::Bottom);
    picMesg.SetScaleUnit(forms::ScaleMode::Pixels);
    picMesg.SetBackColor(Silver);
    picMesg.SetHeight(ToolBarHeight);

    lblHelpBox.SetBorder(forms::BorderStyle::FixedSingle);
    lblHelpBox.SetBackStyle(forms::BackStyle::Transparent);
    lblHelp.SetBackColor(Silver);
    lblHelp.SetHeight(HelpHeight);

    for (forms::Label* name : {&lblWidthName, &lblColorName, &lblButtonName}) {
        name->SetBackStyle(forms::BackStyle::Transparent);
        name->SetAutoSize(true);
    }
    lblWidthName.SetCaption("Width");
    lblColorName.SetCaption("Color");
    lblButtonName.SetCaption("Button");

    for (int i = lblWidth.LBound(); i <= lblWidth.UBound(); i++) {
        lblWidth[i].SetCaption(WidthCaptions[i]);
        lblWidth[i].SetBorder(forms::BorderStyle::FixedSingle);
        lblWidth[i].SetTextAlign(forms::Alignment::Center);
        lblWidth[i].SetForeColor(forms::kBlack);
        lblWidth[i].SetBackColor(LightGrey);
        lblWidth[i].SetWidth(SwatchSize);
        lblWidth[i].SetHeight(SwatchSize);
    }
    for (int i = lblColor.LBound(); i <= lblColor.UBound(); i++) {
        lblColor[i].SetBorder(forms::BorderStyle::None);
        lblColor[i].SetBackColor(SwatchColors[i]);
        lblColor[i].SetWidth(SwatchSize);
        lblColor[i].SetHeight(SwatchSize);
    }
    for (int i = lblButton.LBound(); i <= lblButton.UBound(); i++) {
        lblButton[i].SetCaption(ButtonCaptions[i]);
        lblButton[i].SetBorder(forms::BorderStyle::FixedSingle);
        lblButton[i].SetTextAlign(forms::Alignment::Center);
        lblButton[i].SetBackStyle(forms::BackStyle::Transparent);
        lblButton[i].SetBackColor(Yellow);
        lblButton[i].SetWidth(SwatchSize);
        lblButton[i].SetHeight(SwatchSize);
    }
}

void frmTest::WireEvents() {
    picHead.OnResize = [this] { picHead_Resize(); };
    picMesg.OnResize = [this] { picMesg_Resize(); };
    // A click and a press on a width or colour label choose alike.
    const std::function<void(int)> chooseWidth = [this](int index) { lblWidth_Click(index); };
    const std::function<void(int)> chooseColor = [this](int index) { lblColor_Click(index); };
    lblWidth.Bind(&forms::Control::OnClick, chooseWidth);
    lblColor.Bind(&forms::Control::OnClick, chooseColor);
    const std::function<void(int, int, int, int, int)> pressWidth =
        [this](int index, int, int, int, int) { lblWidth_Click(index); };
    const std::function<void(int, int, int, int, int)> pressColor =
        [this](int index, int, int, int, int) { lblColor_Click(index); };
    lblWidth.Bind(&forms::Control::OnMouseDown, pressWidth);
    lblColor.Bind(&forms::Control::OnMouseDown, pressColor);

    picHome.OnMouseDown = [this](int button, int shift, int x, int y) {
        picHome_MouseDown(button, shift, x, y);
    };
    picHome.OnMouseMove = [this](int button, int shift, int x, int y) {
        picHome_MouseMove(button, shift, x, y);
    };
    picHome.OnMouseUp = [this](int button, int shift, int x, int y) {
        picHome_MouseUp(button, shift, x, y);
    };
    cmdClear.OnClick = [this] { cmdClear_Click(); };
    cmdExit.OnClick = [this] { cmdExit_Click(); };
}

frmTest& frmTestForm() {
    static frmTest form;
    return form;
}

// ---- window events ----

void frmTest::Form_Load() {
    Drawing = 0;
    WidthIndex = 0;
    ColorIndex = 0;
    TouchModeSwitched = false;
}

void frmTest::Form_Activate() {
    using BasGlobal::Device;
    // Once per showing: a second activation must not save Drag Drop as the mode to go back to.
    if (TouchModeSwitched)
        return;
    SavedTouchMode = Device.VirtualButton;
    Device.VirtualButton = DragDropMode;
    BasGlobal::SetVirtualButton();
    TouchModeSwitched = true;
    SelectWidth(FirstWidthIndex);
    SelectColor(FirstColorIndex);
}

void frmTest::Form_Unload(bool&) {
    if (TouchModeSwitched) {
        BasGlobal::Device.VirtualButton = SavedTouchMode;
        // Left in Drag Drop, every touch after the test would be a drag.
        BasGlobal::RepeatUntilDone(BasGlobal::SetVirtualButton);
        TouchModeSwitched = false;
    }
    basMain::ReturnToMainWindow();
}

void frmTest::picHead_Resize() {
    const int innerWidth = picHead.ScaleWidth();
    const int innerHeight = picHead.ScaleHeight();
    imgIcon.SetTop(Half(innerHeight - imgIcon.Height()));
    imgIcon.SetLeft(imgIcon.Top());
    lblTitle.Move(3 * imgIcon.Left() + imgIcon.Width(), Half(innerHeight - lblTitle.Height()));
    cmdExit.SetTop(imgIcon.Top());
    cmdExit.SetLeft(innerWidth - cmdExit.Width() - cmdExit.Top());
    cmdExit.SetHeight(innerHeight - 2 * cmdExit.Top());
    cmdClear.Move(cmdExit.Left() - cmdExit.Width() - cmdExit.Top(), cmdExit.Top(), cmdExit.Width(),
                  cmdExit.Height());
}

void frmTest::picMesg_Resize() {
    picHome.Move(0, picHead.Height(), ScaleWidth(),
                 ScaleHeight() - picHead.Height() - picMesg.Height());

    const int innerHeight = picMesg.ScaleHeight();
    const int gap = Half(innerHeight - lblButton[0].Height());
    int x = picMesg.ScaleWidth();
    // From the right: the buttons, the colours, the widths, each group led by its name.
    auto placeGroup = [&](forms::ControlArray<forms::Label>& group, forms::Label& name) {
        for (int i = group.UBound(); i >= group.LBound(); i--) {
            x = x - gap - group[i].Width();
            group[i].Move(x, gap);
        }
        x = x - gap - name.Width();
        name.Move(x, Half(innerHeight - name.Height()));
        x = x - gap;
    };
    placeGroup(lblButton, lblButtonName);
    placeGroup(lblColor, lblColorName);
    placeGroup(lblWidth, lblWidthName);

    lblHelpBox.Move(0, 0, x - gap, innerHeight);
    lblHelp.SetTop(Half(lblHelpBox.Height() - lblHelp.Height()));
    lblHelp.SetLeft(lblHelp.Top());
    lblHelp.SetWidth(lblHelpBox.Width() - 2 * lblHelp.Left());
}

void frmTest::lblWidth_Click(int index) {
    SelectWidth(index);
}

void frmTest::lblColor_Click(int index) {
    SelectColor(index);
}

void frmTest::picHome_MouseDown(int button, int, int x, int y) {
    // A second button while one is held goes on with the line.
    if (Drawing) {
        picHome.LineTo(x, y);
    } else {
        picHome.PSet(x, y);
        Drawing = 1;
    }
    const int label = ButtonLabelOf(button);
    if (label >= 0)
        lblButton[label].SetBackStyle(forms::BackStyle::Opaque);
}

void frmTest::picHome_MouseMove(int, int, int x, int y) {
    if (Drawing)
        picHome.LineTo(x, y);
}

void frmTest::picHome_MouseUp(int button, int, int, int) {
    Drawing = 0;
    const int label = ButtonLabelOf(button);
    if (label >= 0)
        lblButton[label].SetBackStyle(forms::BackStyle::Transparent);
}

void frmTest::cmdClear_Click() {
    picHome.Cls();
}

void frmTest::cmdExit_Click() {
    Unload();
}

// ---- choices ----

void frmTest::SelectWidth(int index) {
    if (index == WidthIndex)
        return;
    lblWidth[WidthIndex].SetForeColor(forms::kBlack);
    lblWidth[WidthIndex].SetBackColor(LightGrey);
    WidthIndex = static_cast<int16_t>(index);
    lblWidth[index].SetForeColor(Yellow);
    lblWidth[index].SetBackColor(DarkGrey);
    picHome.SetDrawWidth(index + 1);
}

void frmTest::SelectColor(int index) {
    if (index == ColorIndex)
        return;
    lblColor[ColorIndex].SetBorder(forms::BorderStyle::None);
    ColorIndex = static_cast<int16_t>(index);
    lblColor[index].SetBorder(forms::BorderStyle::FixedSingle);
    picHome.SetForeColor(lblColor[index].BackColor());
}

int frmTest::ButtonLabelOf(int button) {
    switch (button) {
    case forms::kLeftButton:
        return 0;
    case forms::kMiddleButton:
        return 1;
    case forms::kRightButton:
        return 2;
    }
    return -1;
}
