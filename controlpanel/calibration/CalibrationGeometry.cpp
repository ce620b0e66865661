#include "CalibrationGeometry.h"

#include "CalibrationMath.h"
#include "CalibrationPoints.h"

namespace Calibration {

CalibrationGeometry GeometryForSize(int width, int height) {
    CalibrationGeometry g;
    g.EdgeLeft = 0;
    g.EdgeTop = 0;
    g.EdgeRight = width - 1;
    g.EdgeBottom = height - 1;
    g.MarginX = MarginX;
    g.MarginY = MarginY;
    g.CenterX = static_cast<int>(RoundHalfEven(width / 2.0 - 1));
    g.CenterY = static_cast<int>(RoundHalfEven(height / 2.0 - 1));
    return g;
}

namespace {

struct Span {
    int From;
    int To;
    int LineAt;
};

Span NearSpan(int edge, int margin) {
    return {edge, edge + 2 * margin - 1, edge + margin - 1};
}
Span FarSpan(int edge, int margin) {
    return {edge - 2 * margin - 1, edge, edge - margin - 1};
}
Span CentreSpan(int centre, int margin) {
    return {centre - margin - 1, centre + margin - 1, centre};
}

} // namespace

CrossMark CrossMarkOf(const CalibrationGeometry& g, int point) {
    const Span left = NearSpan(g.EdgeLeft, g.MarginX);
    const Span right = FarSpan(g.EdgeRight, g.MarginX);
    const Span centreX = CentreSpan(g.CenterX, g.MarginX);
    const Span top = NearSpan(g.EdgeTop, g.MarginY);
    const Span bottom = FarSpan(g.EdgeBottom, g.MarginY);
    const Span centreY = CentreSpan(g.CenterY, g.MarginY);
    Span x, y;
    switch (point) {
    case TopLeftPoint:
        x = left, y = top;
        break;
    case TopRightPoint:
        x = right, y = top;
        break;
    case DownRightPoint:
        x = right, y = bottom;
        break;
    case DownLeftPoint:
        x = left, y = bottom;
        break;
    case TopPoint:
        x = centreX, y = top;
        break;
    case RightPoint:
        x = right, y = centreY;
        break;
    case DownPoint:
        x = centreX, y = bottom;
        break;
    case LeftPoint:
        x = left, y = centreY;
        break;
    default:
        return CrossMark{false, 0, 0, 0, 0, 0, 0};
    }
    return CrossMark{true, x.From, y.From, x.To, y.To, x.LineAt, y.LineAt};
}

} // namespace Calibration
