#include "WindowHead.h"

namespace {

constexpr int SystemHeight = 195;

} // namespace

// The title and the system line lie inside the logo box, so that they stay
// readable over the logo picture and over its empty background alike.
WindowHead::WindowHead(forms::Form& form)
    : picLogo(form, "picLogo"), lblOemTitle(picLogo, "lblOemTitle"),
      lblSystem(picLogo, "lblSystem"), picIcon(form, "picIcon"), imgIcon(picIcon, "imgIcon") {
    picLogo.SetBorder(forms::BorderStyle::None);
    picLogo.Move(Margin, HeadTop, LogoWidth, HeadHeight);
    lblOemTitle.SetBackStyle(forms::BackStyle::Transparent);
    // As on the main window, for a vendor style that leaves the design.
    lblOemTitle.SetFontName("Times New Roman");
    lblOemTitle.SetFontSize(TitleFontSize);
    lblOemTitle.SetFontBold(true);
    lblOemTitle.SetForeColor(TitleBlue);
    lblOemTitle.Move(0, 0, LogoWidth, TitleHeight);
    lblSystem.SetBackStyle(forms::BackStyle::Transparent);
    lblSystem.Move(0, SystemTop, LogoWidth, SystemHeight);
    picIcon.Move(IconLeft, HeadTop, HeadHeight, HeadHeight);
}

void WindowHead::Apply(const Look& look) {
    imgIcon.SetPicture(look.icon);
    lblSystem.SetCaption(look.systemLine);
    basLOGO::ApplyBranding({lblOemTitle, lblSystem, picLogo}, look.branding);
}

void WindowHead::FitWindow(forms::Form& form, int innerHeight) {
    form.SetWidth(form.Width() - form.ScaleWidth() + InnerWidth);
    form.SetHeight(form.Height() - form.ScaleHeight() + innerHeight);
}
