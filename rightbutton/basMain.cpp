#include "basMain.h"

#include <cstdio>
#include <string>

#include "basPostMesg.h"
#include "basVersion.h"
#include "forms/MsgBox.h"
#include "forms/Runtime.h"
#include "frmMain.h"

namespace basMain {

namespace {

WNDPROC previousHandler = nullptr;

std::string WndProcFailText(WPARAM wParam, LPARAM lParam) {
    char text[80];
    snprintf(text, sizeof text, "RBF_WndProc Fail! wParam=%lXh, lParam=%lXh",
             static_cast<unsigned long>(wParam), static_cast<unsigned long>(lParam));
    return text;
}

// True while an unknown command's message box is open. Its message loop
// dispatches further commands; a box for each would nest without end.
bool reportingUnknownCode = false;

void ReportUnknownCode(WPARAM wParam, LPARAM lParam) {
    if (reportingUnknownCode)
        return;
    reportingUnknownCode = true;
    forms::MsgBox(WndProcFailText(wParam, lParam), MB_OK, basVersion::RightButtonTitle);
    reportingUnknownCode = false;
}

} // namespace

frmMain& MainForm() {
    static frmMain form;
    return form;
}

int Main() {
    frmMain& form = MainForm();
    if (!form.Load())
        return 0;
    // Shown whatever the show command: the programs that start the tool pass
    // SW_HIDE only so that nothing flashes while it starts.
    form.Show();
    return forms::RunMessageLoop();
}

void InstallHandler(HWND window) {
    previousHandler = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RBF_WndProc));
}

void RemoveHandler(HWND window) {
    if (!previousHandler)
        return;
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousHandler));
    previousHandler = nullptr;
}

LRESULT CALLBACK RBF_WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_USER)
        return CallWindowProcA(previousHandler, window, message, wParam, lParam);
    switch (wParam) {
    case basPostMesg::HideToolCode:
        MainForm().Hide();
        break;
    case basPostMesg::ShowToolCode:
        MainForm().Show();
        break;
    case basPostMesg::QuitToolCode:
        MainForm().Unload();
        break;
    default:
        ReportUnknownCode(wParam, lParam);
        break;
    }
    return 0;
}

} // namespace basMain
