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
    PlaceButtonRow(top, {&cmdOK, &cmdCandel, &cmdApply});
}

void PageButtons::OfferApply(bool edited) {
    cmdApply.SetEnabled(edited);
}

void PlaceButtonRow(int top, std::initializer_list<forms::CommandButton*> leftToRight) {
    const int count = static_cast<int>(leftToRight.size());
    int left =
        PageChrome::InnerWidth - PageChrome::Margin - count * ButtonWidth - (count - 1) * ButtonGap;
    for (forms::CommandButton* button : leftToRight) {
        button->Move(left, top, ButtonWidth, PageButtons::Height);
        left += ButtonWidth + ButtonGap;
    }
}
