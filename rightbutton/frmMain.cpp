#include "frmMain.h"

#include <string>

#include "BasGlobal.h"
#include "RightButtonIcon.h"
#include "basMain.h"
#include "basPostMesg.h"
#include "basVersion.h"
#include "forms/InputCodes.h"
#include "forms/Runtime.h"
#include "forms/Screen.h"

namespace {

constexpr int ButtonSize = 600; // twips: 40 pixels at 15 twips per pixel
constexpr int32_t NoWindow = -1;

HWND AsWindow(int32_t handle) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
}

int32_t AsHandle(HWND window) {
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(window));
}

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

bool frmMain::RegisterOrShowRunningCopy() {
    using BasGlobal::ToolWindow;
    BasGlobal::GetToolWindow();
    // A registration whose window is gone was left by a copy that ended
    // without unregistering; it must not keep the tool from starting.
    if (ToolWindow.Handle != NoWindow && IsWindow(AsWindow(ToolWindow.Handle))) {
        SendMessageA(AsWindow(ToolWindow.Handle), WM_USER, basPostMesg::ShowToolCode, 0);
        return false;
    }
    ToolWindow.Value = 0;
    ToolWindow.Handle = AsHandle(hWnd());
    BasGlobal::SetToolWindow();
    return true;
}

void frmMain::Form_Load() {
    waiting_ = 0;
    PlaceWindow();
    if (!BasGlobal::OpenDevice()) {
        BasGlobal::ReportOpenFailure(basVersion::RightButtonTitle);
        forms::EndProgram();
        return;
    }
    if (!RegisterOrShowRunningCopy()) {
        BasGlobal::CloseDevice();
        forms::EndProgram();
        return;
    }
    basMain::InstallHandler(hWnd());
}

void frmMain::Form_Unload(bool&) {
    using BasGlobal::ToolWindow;
    waiting_ = 0;
    ToolWindow.Handle = NoWindow;
    ToolWindow.Value = 0;
    BasGlobal::SetToolWindow();
    BasGlobal::CloseDevice();
    basMain::RemoveHandler(hWnd());
}

void frmMain::cmdAction_Click() {
    using BasGlobal::ToolWindow;
    if (waiting_ == 1)
        return; // a click sent to the hidden button during the wait
    cmdAction.SetVisible(false);
    ToolWindow.Value = 1;
    BasGlobal::SetToolWindow();
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
    ToolWindow.Value = 0;
    BasGlobal::SetToolWindow();
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
