#include "SimMapping.h"

enum { SimRawMax = 1023, SimDirXInverted = 0x01, SimDirYInverted = 0x02, SimDirSwapped = 0x04 };

/* Positions of the six values in the record's Calibration. */
enum { SimCalLeft, SimCalCenterX, SimCalRight, SimCalTop, SimCalCenterY, SimCalBottom };

static int32_t ClampRaw(int16_t value) {
    if (value < 0)
        return 0;
    return value > SimRawMax ? SimRawMax : value;
}

/* Pixel 0..extent-1 of a raw value on one axis; 0 when the axis cannot map. */
static int MapAxis(int32_t raw, int32_t low, int32_t centre, int32_t high, int32_t extent,
                   int32_t* pixel) {
    int64_t numerator, denominator;
    if (extent < 1 || high <= low)
        return 0;
    if (low < centre && centre < high) {
        if (raw <= centre) {
            numerator = (int64_t)(raw - low) * extent;
            denominator = 2 * (int64_t)(centre - low);
        } else {
            numerator = (int64_t)(high - centre + raw - centre) * extent;
            denominator = 2 * (int64_t)(high - centre);
        }
    } else {
        numerator = (int64_t)(raw - low) * extent;
        denominator = high - low;
    }
    if (numerator < 0)
        *pixel = 0;
    else if (numerator / denominator >= extent)
        *pixel = extent - 1;
    else
        *pixel = (int32_t)(numerator / denominator);
    return 1;
}

int SimMapTouch(const DeviceRecord* record, int16_t rotationCode, int16_t rawX, int16_t rawY,
                SimScreenPoint* point) {
    const int16_t* cal = record->Calibration;
    const int32_t width = record->ResolutionX, height = record->ResolutionY;
    int32_t x = ClampRaw(rawX), y = ClampRaw(rawY), unturnedX, unturnedY;
    if (record->PanelDirection & SimDirSwapped) {
        int32_t exchanged = x;
        x = y;
        y = exchanged;
    }
    if (record->PanelDirection & SimDirXInverted)
        x = SimRawMax - x;
    if (record->PanelDirection & SimDirYInverted)
        y = SimRawMax - y;
    if (!MapAxis(x, cal[SimCalLeft], cal[SimCalCenterX], cal[SimCalRight], width, &unturnedX) ||
        !MapAxis(y, cal[SimCalTop], cal[SimCalCenterY], cal[SimCalBottom], height, &unturnedY))
        return 0;
    switch (rotationCode) {
    case 1:
        point->X = unturnedY;
        point->Y = width - 1 - unturnedX;
        break;
    case 2:
        point->X = height - 1 - unturnedY;
        point->Y = unturnedX;
        break;
    case 3:
        point->X = width - 1 - unturnedX;
        point->Y = height - 1 - unturnedY;
        break;
    default:
        point->X = unturnedX;
        point->Y = unturnedY;
        break;
    }
    return 1;
}
