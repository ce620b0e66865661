#include "frmMain.h"

#include <string>

#include "BasGlobal.h"
#include "RightButtonIcon.h"
#include "basMain.h"
#include "basRegistration.h"
#include "basVersion.h"
#include "forms/InputCodes.h"
#include "forms/Runtime.h"
#include "forms/Screen.h"

namespace {

constexpr int ButtonSize = 600; // twips: 40 pixels at 15 twips per pixel
} // namespace

frmMain::frmMain() : Form("frmMain") {
    SetCaption(std::string(" ") + basVersion::BuildLetter + "-RBF");
    SetBackColor(forms::kButtonFace);
    SetBorder(forms::BorderStyle::FixedToolWindow);
    cmdAction.Move(0, 0, ButtonSize, ButtonSize);
    cmdAction.SetPicture(forms::Picture::FromIcon(RightButtonIcon::Create()));
    cmdAction.OnClick = [this] { cmdAction_Click(); };
}

void frmMain::PlaceWindow() {
    HWND window = hWnd();
    // As a popup the window may be smaller than the system's minimum size
    // of overlapped windows, which would leave it wider than its button.
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_POPUP);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

    SetWidth(Width() - ScaleWidth() + cmdAction.Width());
    SetHeight(Height() - ScaleHeight() + cmdAction.Height());

    RECT workArea = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    Move(workArea.right * forms::TwipsPerPixelX() - Width(),
         workArea.bottom * forms::TwipsPerPixelY() - Height());

    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void frmMain::Form_Load() {
    waiting_ = 0;
    PlaceWindow();
    if (!BasGlobal::OpenDevice()) {
        BasGlobal::ReportOpenFailure(basVersion::RightButtonTitle);
        forms::EndProgram();
        return;
    }
    if (!basRegistration::RegisterOrShowRunningCopy(hWnd())) {
        BasGlobal::CloseDevice();
        forms::EndProgram();
        return;
    }
    basMain::InstallHandler(hWnd());
}

void frmMain::Form_Unload(bool&) {
    waiting_ = 0;
    basRegistration::Unregister(hWnd());
    BasGlobal::CloseDevice();
    basMain::RemoveHandler(hWnd());
}

void frmMain::cmdAction_Click() {
    using BasGlobal::ToolWindow;
    if (waiting_ == 1)
        return; // a click sent to the hidden button during the wait
    cmdAction.SetVisible(false);
    basRegistration::Arm();
    waiting_ = 1;

    do {
        forms::WaitForEvents();
        BasGlobal::GetToolWindow();
        forms::DoEvents();
    } while (ToolWindow.Value != 0 && waiting_ == 1);

    // Closed during the wait: unloading has disarmed the driver already, and
    // the window must not come back.
    if (!IsLoaded())
        return;
    basRegistration::Disarm();
    waiting_ = 0;
    cmdAction.SetVisible(true);
}

void frmMain::Form_KeyDown(int&, int) {
    waiting_ = 0;
}

void frmMain::Form_MouseDown(int button, int, int, int) {
    if (button == forms::kLeftButton || button == forms::kRightButton)
        waiting_ = 0;
}
