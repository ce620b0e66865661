#include "basMain.h"

#include "FormRoutines.h"
#include "forms/Runtime.h"

namespace basMain {

std::string VenderBitmapPath;
WindowHead::Look Head;

namespace {

forms::Form* MainWindow = nullptr;

} // namespace

void SetMainWindow(forms::Form& window) {
    MainWindow = &window;
}

int Main(forms::Form& mainWindow) {
    if (!mainWindow.Load())
        return 0;
    mainWindow.Show();
    return forms::RunMessageLoop();
}

void ReturnToMainWindow() {
    if (!MainWindow || !MainWindow->IsLoaded() || forms::EndRequested())
        return;
    MainWindow->Show();
    SetFocus(MainWindow->hWnd());
}

void PrepareSubWindow(forms::Form& window, WindowHead& head) {
    head.Apply(Head);
    PrepareSubWindow(window);
    BasGlobal::CenterIcon(head.picIcon, head.imgIcon);
}

void PrepareSubWindow(forms::Form& window) {
    window.SetCaption(Head.caption);
    BasGlobal::CenterForm(window);
}

} // namespace basMain
