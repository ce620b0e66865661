#include "frmMessage.h"

#include <windows.h>

#include <cstdint>
#include <limits>

#include "FormRoutines.h"
#include "ProgramTitle.h"
#include "forms/Picture.h"
#include "forms/Runtime.h"

frmMessage::frmMessage() : Form("frmMessage") {
    SetBorder(forms::BorderStyle::FixedSingle);
    Move(0, 0, 6300, 1500);
    imgMsg.Move(240, 240, 480, 480);
    lblMsg.SetBackStyle(forms::BackStyle::Transparent);
    lblMsg.SetWordWrap(true);
    lblMsg.SetAutoSize(true);
    lblMsg.Move(960, 360, 5040, 255);
}

void frmMessage::Form_Load() {
    SetCaption(BasGlobal::ProgramTitle());
    imgMsg.SetPicture(forms::Picture::FromIcon(CopyIcon(LoadIcon(nullptr, IDI_INFORMATION))));
}

frmMessage& frmMessageForm() {
    static frmMessage form;
    return form;
}

namespace BasGlobal {

namespace {

constexpr int BusyStep = 11;
constexpr int BusyDone = 0;

// A 16-bit counter, as the busy count has always been.
int16_t busySteps = 0;

} // namespace

void ShowProgress(const std::string& text) {
    frmMessage& form = frmMessageForm();
    form.Load();
    form.lblMsg.SetCaption(text);

    const int imageHeight = form.imgMsg.Height();
    int innerHeight = 2 * imageHeight;
    if (form.lblMsg.Height() > innerHeight)
        innerHeight = form.lblMsg.Height() + imageHeight / 2;
    form.imgMsg.SetTop(innerHeight / 2 - imageHeight / 2);
    form.lblMsg.SetTop(innerHeight / 2 - form.lblMsg.Height() / 2);
    form.SetHeight(form.Height() - form.ScaleHeight() + innerHeight);

    BusyCursor(BusyStep);
    CenterForm(form);
    BusyCursor(BusyDone);

    form.Show();
    form.Refresh();
}

void BusyCursor(int n) {
    if (n == BusyStep || n == BusyDone) {
        if (n == BusyStep && busySteps < std::numeric_limits<int16_t>::max())
            ++busySteps;
        if (n == BusyDone && busySteps > 0)
            --busySteps;
        forms::SetScreenMousePointer(busySteps > 0 ? forms::MousePointer::Hourglass
                                                   : forms::MousePointer::Default);
        return;
    }
    // Of the other pointers the runtime knows only the normal one.
    forms::SetScreenMousePointer(forms::MousePointer::Default);
}

int BusyCount() {
    return busySteps;
}

} // namespace BasGlobal
