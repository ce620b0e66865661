#include "PanelModel.h"

#include <cmath>
#include <utility>

namespace {

constexpr int RawMax = 1023;

int Reading(double offset, double span, int pixel, int extent) {
    const double value = std::floor(offset + (pixel + 0.5) / extent * span + 0.5);
    if (!(value >= 0)) // NaN too, from a screen of no pixels
        return 0;
    return value > RawMax ? RawMax : static_cast<int>(value);
}

} // namespace

PanelReading RawTouchAt(const PanelModel& panel, int desktopX, int desktopY) {
    const int w = panel.DesktopWidth, h = panel.DesktopHeight;
    // Turn the desktop pixel back onto the unturned screen.
    int x = desktopX, y = desktopY, width = w, height = h;
    switch (panel.RotationCode) {
    case 1:
        x = h - 1 - desktopY, y = desktopX, width = h, height = w;
        break;
    case 2:
        x = desktopY, y = w - 1 - desktopX, width = h, height = w;
        break;
    case 3:
        x = w - 1 - desktopX, y = h - 1 - desktopY;
        break;
    }
    int rawX = Reading(panel.OffsetX, panel.SpanX, x, width);
    int rawY = Reading(panel.OffsetY, panel.SpanY, y, height);
    if (panel.Mounting & 0x01)
        rawX = RawMax - rawX;
    if (panel.Mounting & 0x02)
        rawY = RawMax - rawY;
    if (panel.Mounting & 0x04)
        std::swap(rawX, rawY);
    return PanelReading{static_cast<int16_t>(rawX), static_cast<int16_t>(rawY)};
}
