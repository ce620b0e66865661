#include "PageButtons.h"

#include "PageChrome.h"

namespace {

constexpr int ButtonWidth = 1215;
constexpr int ButtonGap = 120;

} // namespace

PageButtons::PageButtons(forms::Container& form, const Row& row)
    : left_(form, row[0].name), middle_(form, row[1].name), right_(form, row[2].name),
      cmdOK(ButtonFor(row, Role::OK)), cmdCandel(ButtonFor(row, Role::Cancel)),
      cmdApply(ButtonFor(row, Role::Apply)) {
    left_.SetCaption(row[0].caption);
    middle_.SetCaption(row[1].caption);
    right_.SetCaption(row[2].caption);
    cmdApply.SetEnabled(false);
}

forms::CommandButton& PageButtons::ButtonFor(const Row& row, Role role) {
    if (row[0].role == role)
        return left_;
    return row[1].role == role ? middle_ : right_;
}

void PageButtons::PlaceAt(int top) {
    PlaceButtonRow(top, {&left_, &middle_, &right_});
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
