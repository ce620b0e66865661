#include "frmSupport.h"

#include "basMain.h"
#include "forms/Picture.h"

namespace {

// The picture box's designed offsets, which become the margins.
constexpr int PictureLeft = 120;
constexpr int PictureTop = 120;

} // namespace

frmSupport::frmSupport() : Form("frmSupport") {
    SetCaption(" Support");
    picSupport.SetBorder(forms::BorderStyle::None);
    picSupport.SetAutoSize(true);
    picSupport.Move(PictureLeft, PictureTop, 4740, 3000);
    cmdOK.SetCaption("&OK");
    cmdOK.Move(0, 0, 1215, 435);
    cmdOK.OnClick = [this] { cmdOK_Click(); };
}

void frmSupport::Form_Load() {
    // A file that is gone or no bitmap leaves the box empty at its designed
    // size; the window is still sized around it.
    picSupport.SetPicture(forms::LoadPicture(basMain::VenderBitmapPath));
    FitAroundPicture();
    basMain::PrepareSubWindow(*this);
}

void frmSupport::FitAroundPicture() {
    const int left = picSupport.Left();
    const int top = picSupport.Top();
    SetWidth(Width() - ScaleWidth() + picSupport.Width() + 2 * left);
    SetHeight(Height() - ScaleHeight() + picSupport.Height() + 5 * top + cmdOK.Height());
    cmdOK.Move((ScaleWidth() - cmdOK.Width()) / 2, 3 * top + picSupport.Height());
}

void frmSupport::Form_Unload(bool&) {
    basMain::ReturnToMainWindow();
}

void frmSupport::cmdOK_Click() {
    Unload();
}

frmSupport& frmSupportForm() {
    static frmSupport form;
    return form;
}
