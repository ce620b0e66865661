// A touch panel on a screen, for the touch simulator: which raw controller
// coordinates a real panel reports for a touch on a desktop pixel.
//
// The panel lies over the unturned screen (the desktop turned back by the
// rotation code, as the simulated controller turns it forward). On the
// panel's own axes a touch at the unturned pixel (x, y) of a W x H screen
// reads Offset + (x + 1/2) / W x Span, rounded; the mounting then inverts
// (1023 - value) and exchanges those readings, exactly what the direction
// code of the same value undoes.
#pragma once

#include <cstdint>

struct PanelModel {
    int DesktopWidth; // the desktop as the mouse sees it, in pixels
    int DesktopHeight;
    int16_t RotationCode; // 0..3 as the driver reports it; other values count as 0
    uint8_t Mounting;     // 0x01 X inverted, 0x02 Y inverted, 0x04 X and Y exchanged
    double OffsetX;       // raw reading at the unturned screen's left edge
    double OffsetY;       // ... at its top edge
    double SpanX;         // raw units across the unturned screen's width (the scale)
    double SpanY;         // ... across its height
};

struct PanelReading {
    int16_t X; // 0..1023
    int16_t Y;
};

PanelReading RawTouchAt(const PanelModel& panel, int desktopX, int desktopY);
