// Twip arithmetic of the window runtime. Pure: no windows.h, so the host
// build tests it too. A twip is 1/1440 inch; at 96 dots per inch a pixel is
// 15 twips.
#pragma once

namespace forms {

constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultTwipsPerPixel = 15;

// Twips per pixel for a screen resolution in dots per inch; the usual value
// when the resolution is unknown or nonsensical.
constexpr int TwipsPerPixelForDpi(int dpi) {
    return dpi > 0 && dpi <= kTwipsPerInch ? kTwipsPerInch / dpi : kDefaultTwipsPerPixel;
}

constexpr int PixelsToTwips(int pixels, int twipsPerPixel) {
    return pixels * twipsPerPixel;
}

// Twips to whole pixels, to the nearest pixel; halves go away from zero so
// that a position and its mirror image round alike.
constexpr int TwipsToPixels(int twips, int twipsPerPixel) {
    if (twipsPerPixel <= 0)
        return twips;
    if (twips >= 0)
        return (2 * twips + twipsPerPixel) / (2 * twipsPerPixel);
    return -((-2 * twips + twipsPerPixel) / (2 * twipsPerPixel));
}

// The unit in which a container measures the positions of its controls and
// its drawing.
enum class ScaleMode { Twips, Pixels };

constexpr int UnitsToPixels(int units, ScaleMode mode, int twipsPerPixel) {
    return mode == ScaleMode::Twips ? TwipsToPixels(units, twipsPerPixel) : units;
}

constexpr int PixelsToUnits(int pixels, ScaleMode mode, int twipsPerPixel) {
    return mode == ScaleMode::Twips ? PixelsToTwips(pixels, twipsPerPixel) : pixels;
}

} // namespace forms
