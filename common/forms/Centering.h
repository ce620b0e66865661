// Placement arithmetic of the shared routines CenterForm and CenterIcon.
// Pure, so the host build tests it with odd sizes.
#pragma once

namespace forms {

struct Origin {
    int left;
    int top;
};

// Whole-number division that truncates toward zero, as the placement rules
// demand (C++ integer division already does so).
constexpr int DivTruncate(int value, int divisor) {
    return value / divisor;
}

// value x numerator / denominator, to the nearest whole number, halves to
// even; exact integer arithmetic so that no floating error can move a form
// by a twip. denominator must be positive.
constexpr long long ScaleRoundHalfEven(long long value, long long numerator,
                                       long long denominator) {
    const long long product = value * numerator;
    long long quotient = product / denominator;
    long long remainder = product % denominator;
    if (remainder < 0) {
        remainder += denominator;
        quotient -= 1;
    }
    const long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && (quotient % 2) != 0))
        quotient += 1;
    return quotient;
}

// CenterForm: left = screen width div 2 - window width div 2; top =
// (screen height x 0.85) div 2 - window height div 2, all in whole twips.
constexpr Origin CenterFormOrigin(int screenWidth, int screenHeight, int windowWidth,
                                  int windowHeight) {
    const int raisedHeight = static_cast<int>(ScaleRoundHalfEven(screenHeight, 85, 100));
    return {DivTruncate(screenWidth, 2) - DivTruncate(windowWidth, 2),
            DivTruncate(raisedHeight, 2) - DivTruncate(windowHeight, 2)};
}

// CenterIcon: the image in the middle of the picture box's inner area, in
// the picture box's units.
constexpr Origin CenterIconOrigin(int innerWidth, int innerHeight, int iconWidth, int iconHeight) {
    return {DivTruncate(innerWidth - iconWidth, 2), DivTruncate(innerHeight - iconHeight, 2)};
}

} // namespace forms
