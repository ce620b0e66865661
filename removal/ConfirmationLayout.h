// Where the confirmation window's frame, buttons and etched separator go,
// from the designed sizes and the width of the window caption. All values
// are whole twips. Pure.
#pragma once

namespace ConfirmationLayout {

struct Design {
    int windowWidth;  // outer
    int innerWidth;   // the window's inner area
    int captionWidth; // the caption's text width
    int yesWidth;
    int noWidth;
    int yesTop;
    int noHeight;
    int frameWidth; // shpRemoval
};

struct Line {
    int x1, y1, x2, y2;
};

struct Placement {
    int windowWidth; // widened so that the caption fits beside the buttons
    int innerWidth;
    int frameLeft;
    int yesLeft;
    int noLeft;
    Line shadow;    // in the button shadow colour
    Line highlight; // one step below, in the button highlight colour
};

Placement Arrange(const Design& design);

} // namespace ConfirmationLayout
