#include "CalibrationMath.h"

#include <cmath>

namespace Calibration {

double RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction > 0.5)
        return down + 1;
    if (fraction < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

int16_t RoundToInt16(double value) {
    const double rounded = RoundHalfEven(value);
    if (rounded < INT16_MIN)
        return INT16_MIN;
    if (rounded > INT16_MAX)
        return INT16_MAX;
    return static_cast<int16_t>(rounded);
}

namespace {

// Raw units between a mark and the screen edge beyond it: raw units per pixel
// over `pixelSpan` times the margin. A resolution too small to leave a positive
// span would divide by zero or flip the sign, so the edge then stays at the mark.
double EdgeMargin(int rawSpan, double pixelSpan, int margin) {
    if (pixelSpan <= 0)
        return 0;
    return rawSpan / pixelSpan * margin;
}

int16_t NotBelowZero(int16_t value) {
    return value < 0 ? 0 : value;
}
int16_t NotAboveRawMax(int16_t value) {
    return value > RawMax ? RawMax : value;
}

// Moves the four edge values outward by their margins; the centres stay.
void WidenToScreenEdges(CalibrationValues& v, double left, double right, double top,
                        double bottom) {
    v[CalLeft] = NotBelowZero(RoundToInt16(v[CalLeft] - left));
    v[CalRight] = NotAboveRawMax(RoundToInt16(v[CalRight] + right));
    v[CalTop] = NotBelowZero(RoundToInt16(v[CalTop] - top));
    v[CalBottom] = NotAboveRawMax(RoundToInt16(v[CalBottom] + bottom));
}

} // namespace

CalibrationValues CornerArithmetic(const FourPoints& p, int16_t resolutionX, int16_t resolutionY) {
    CalibrationValues v;
    v[CalLeft] = static_cast<int16_t>((p[0].X + p[3].X) / 2);
    v[CalRight] = static_cast<int16_t>((p[1].X + p[2].X) / 2);
    v[CalTop] = static_cast<int16_t>((p[0].Y + p[1].Y) / 2);
    v[CalBottom] = static_cast<int16_t>((p[2].Y + p[3].Y) / 2);
    v[CalCenterX] = static_cast<int16_t>(v[CalLeft] + (v[CalRight] - v[CalLeft]) / 2);
    v[CalCenterY] = static_cast<int16_t>(v[CalTop] + (v[CalBottom] - v[CalTop]) / 2);
    const double mx = EdgeMargin(v[CalRight] - v[CalLeft] + 1, resolutionX - 2 * MarginX, MarginX);
    const double my = EdgeMargin(v[CalBottom] - v[CalTop] + 1, resolutionY - 2 * MarginY, MarginY);
    WidenToScreenEdges(v, mx, mx, my, my);
    return v;
}

CalibrationValues EdgeArithmetic(const FourPoints& p, int16_t resolutionX, int16_t resolutionY) {
    const RawPoint& top = p[0];
    const RawPoint& right = p[1];
    const RawPoint& down = p[2];
    const RawPoint& left = p[3];
    CalibrationValues v;
    // A third of three times each point's value: the value itself, as the
    // sums never wrap here.
    v[CalLeft] = left.X;
    v[CalRight] = right.X;
    v[CalTop] = top.Y;
    v[CalBottom] = down.Y;
    v[CalCenterX] = static_cast<int16_t>((down.X + top.X) / 2);
    v[CalCenterY] = static_cast<int16_t>((right.Y + left.Y) / 2);
    // Half the screen less two margins; odd sizes keep their half pixel.
    const double hx = resolutionX / 2.0 - 2 * MarginX;
    const double hy = resolutionY / 2.0 - 2 * MarginY;
    WidenToScreenEdges(v, EdgeMargin(v[CalCenterX] - v[CalLeft] + 1, hx, MarginX),
                       EdgeMargin(v[CalRight] - v[CalCenterX] + 1, hx, MarginX),
                       EdgeMargin(v[CalCenterY] - v[CalTop] + 1, hy, MarginY),
                       EdgeMargin(v[CalBottom] - v[CalCenterY] + 1, hy, MarginY));
    return v;
}

} // namespace Calibration
