#include "PageButtons.h"

#include "PageChrome.h"

namespace {

constexpr int ButtonWidth = 1215;
constexpr int ButtonGap = 120;

} // namespace

PageButtons::PageButtons(forms::Container& form)
    : cmdOK(form, "cmdOK"), cmdCandel(form, "cmdCandel"), cmdApply(form, "cmdApply") {
    cmdOK.SetCaption("&OK");
    cmdCandel.SetCaption("&Cancel");
    cmdApply.SetCaption("&Apply");
    cmdApply.SetEnabled(false);
}

void PageButtons::PlaceAt(int top) {
    const int right = PageChrome::InnerWidth - PageChrome::Margin;
    cmdApply.Move(right - ButtonWidth, top, ButtonWidth, Height);
    cmdCandel.Move(cmdApply.Left() - ButtonGap - ButtonWidth, top, ButtonWidth, Height);
    cmdOK.Move(cmdCandel.Left() - ButtonGap - ButtonWidth, top, ButtonWidth, Height);
}

void PageButtons::OfferApply(bool edited) {
    cmdApply.SetEnabled(edited);
}
