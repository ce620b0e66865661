// The arithmetic of the two calibration procedures: from the four raw points
// (already rotated and corrected for the panel direction) to the six
// calibration values of the device record.
//
// Integer steps divide truncating toward zero; their sums and differences are
// formed wider than 16 bits, so raw values outside 10 bits cannot wrap. The
// margin steps are in double precision and round halves to even.
#pragma once

#include <array>
#include <cstdint>

#include "CalibrationPoints.h"
#include "DeviceBlocks.h"

namespace Calibration {

// Distance in pixels from a screen edge to the line of the cross marks beside it.
constexpr int MarginX = 16;
constexpr int MarginY = 16;

// Positions in the record's Calibration[0..5].
enum CalibrationIndex { CalLeft, CalCenterX, CalRight, CalTop, CalCenterY, CalBottom };
using CalibrationValues = std::array<int16_t, CalibrationCount>;

// Nearest integer, halves to the even neighbour.
double RoundHalfEven(double value);
// RoundHalfEven held within the 16-bit range.
int16_t RoundToInt16(double value);

// Mode 1: points TOP-LEFT, TOP-RIGHT, DOWN-RIGHT, DOWN-LEFT.
CalibrationValues CornerArithmetic(const FourPoints& points, int16_t resolutionX,
                                   int16_t resolutionY);
// Mode 2: points TOP, RIGHT, DOWN, LEFT.
CalibrationValues EdgeArithmetic(const FourPoints& points, int16_t resolutionX,
                                 int16_t resolutionY);

} // namespace Calibration
