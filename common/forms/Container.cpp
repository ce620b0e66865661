#include "Container.h"

#include "Screen.h"

namespace forms {

int Container::ScaleWidth() const {
    return FromPixelsX(InnerPixels().cx);
}
int Container::ScaleHeight() const {
    return FromPixelsY(InnerPixels().cy);
}

int Container::ToPixelsX(int units) const {
    return UnitsToPixels(units, scaleUnit_, TwipsPerPixelX());
}
int Container::ToPixelsY(int units) const {
    return UnitsToPixels(units, scaleUnit_, TwipsPerPixelY());
}
int Container::FromPixelsX(int pixels) const {
    return PixelsToUnits(pixels, scaleUnit_, TwipsPerPixelX());
}
int Container::FromPixelsY(int pixels) const {
    return PixelsToUnits(pixels, scaleUnit_, TwipsPerPixelY());
}

} // namespace forms
