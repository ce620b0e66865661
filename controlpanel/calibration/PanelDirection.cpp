#include "PanelDirection.h"

#include <utility>

namespace Calibration {

namespace {

constexpr int16_t RawMidpoint = 512;

char SideOf(int16_t value) {
    return value < RawMidpoint ? '0' : '1';
}

void ExchangeAxes(FourPoints& points) {
    for (RawPoint& p : points)
        std::swap(p.X, p.Y);
}

} // namespace

std::string BuildDirectionPattern(Procedure procedure, const FourPoints& p) {
    std::string pattern;
    if (procedure == Procedure::Corners) {
        for (const RawPoint& point : p) {
            pattern += SideOf(point.X);
            pattern += SideOf(point.Y);
        }
        return pattern;
    }
    const int16_t topY = p[0].Y, rightX = p[1].X, downY = p[2].Y, leftX = p[3].X;
    for (int16_t value : {leftX, topY, rightX, topY, rightX, downY, leftX, downY})
        pattern += SideOf(value);
    return pattern;
}

uint8_t MatchDirectionPattern(const std::string& pattern) {
    static const char* const known[4] = {"00101101", "10000111", "01111000", "11010010"};
    for (uint8_t code = 0; code < 4; code++)
        if (pattern == known[code])
            return code;
    return NoDirectionMatch;
}

DirectionCheck CheckPanelDirection(Procedure procedure, FourPoints& points) {
    DirectionCheck check{false, 0, BuildDirectionPattern(procedure, points), std::string()};
    uint8_t code = MatchDirectionPattern(check.FirstPattern);
    if (code != NoDirectionMatch) {
        check.Passed = true;
        check.NewDirection = code;
        return check;
    }
    ExchangeAxes(points);
    check.SecondPattern = BuildDirectionPattern(procedure, points);
    code = MatchDirectionPattern(check.SecondPattern);
    if (code != NoDirectionMatch) {
        check.Passed = true;
        check.NewDirection = static_cast<uint8_t>(code + AxesSwapped);
    }
    return check;
}

void ApplyInversions(uint8_t direction, FourPoints& points) {
    for (RawPoint& p : points) {
        if (direction & YInverted)
            p.Y = static_cast<int16_t>(RawMax - p.Y);
        if (direction & XInverted)
            p.X = static_cast<int16_t>(RawMax - p.X);
    }
}

const char* const DirectionErrorTitle = "Touchscreen Calibration";

std::string DirectionErrorText(const DirectionCheck& check) {
    return "Incorrect Panel Direction! (" + check.FirstPattern + "-" + check.SecondPattern +
           ")\r\n\r\nPlease checkout the pinout of your touch panel.";
}

} // namespace Calibration
