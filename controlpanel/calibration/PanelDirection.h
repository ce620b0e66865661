// How the panel is mounted, told by which side of the raw midpoint each point
// lies on: X inverted, Y inverted, and X and Y swapped.
#pragma once

#include <cstdint>
#include <string>

#include "CalibrationPoints.h"

namespace Calibration {

// Bits of the direction code (the record's PanelDirection).
enum DirectionFlag : uint8_t { XInverted = 0x01, YInverted = 0x02, AxesSwapped = 0x04 };
constexpr uint8_t NoDirectionMatch = 255;

// Eight "0"/"1" characters, "1" for a value of 512 or more. Corners: X1, Y1,
// X2, Y2, X3, Y3, X4, Y4; edges: the corners formed from the LEFT/RIGHT X and
// the TOP/DOWN Y.
std::string BuildDirectionPattern(Procedure procedure, const FourPoints& points);
// 0..3 for the four known patterns, NoDirectionMatch otherwise.
uint8_t MatchDirectionPattern(const std::string& pattern);

struct DirectionCheck {
    bool Passed;
    uint8_t NewDirection;      // 0..7 when passed
    std::string FirstPattern;  // as read
    std::string SecondPattern; // with X and Y exchanged; empty when the first matched
};

// Finds the direction code. When the points only match with X and Y
// exchanged, they are left exchanged, as the arithmetic needs them.
DirectionCheck CheckPanelDirection(Procedure procedure, FourPoints& points);

// Inverts Y and then X of the four points as the direction code says.
void ApplyInversions(uint8_t direction, FourPoints& points);

// Title and text of the error box of a failed check.
extern const char* const DirectionErrorTitle;
std::string DirectionErrorText(const DirectionCheck& check);

} // namespace Calibration
