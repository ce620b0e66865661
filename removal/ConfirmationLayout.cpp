#include "ConfirmationLayout.h"

namespace ConfirmationLayout {

namespace {

// The separator reaches this far past the frame on each side, and its light
// line lies this far below the dark one.
constexpr int SeparatorOverhang = 50;
constexpr int HighlightDrop = 20;
constexpr int HighlightOverhang = 5;

} // namespace

Placement Arrange(const Design& d) {
    Placement p = {};
    const int needed = 2 * d.yesWidth + d.captionWidth;
    p.windowWidth = needed > d.windowWidth ? needed : d.windowWidth;
    p.innerWidth = d.innerWidth + (p.windowWidth - d.windowWidth);
    p.frameLeft = (p.innerWidth - d.frameWidth) / 2;
    // The No button stands half a button's width to the right of Yes.
    const int yesStep = d.yesWidth * 3 / 2;
    p.yesLeft = (p.innerWidth - yesStep - d.noWidth) / 2;
    p.noLeft = p.yesLeft + yesStep;

    const int x = p.frameLeft - SeparatorOverhang;
    const int y = d.yesTop - d.noHeight / 2;
    const int length = d.frameWidth + 2 * SeparatorOverhang;
    p.shadow = {x, y, x + length, y};
    p.highlight = {x + length + HighlightOverhang, y + HighlightDrop, x - HighlightOverhang,
                   y + HighlightDrop};
    return p;
}

} // namespace ConfirmationLayout
