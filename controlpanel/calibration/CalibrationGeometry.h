// Where the calibration window draws its cross marks, from the size of its
// drawing surface in pixels.
#pragma once

namespace Calibration {

struct CalibrationGeometry {
    int EdgeLeft;
    int EdgeTop;
    int EdgeRight;
    int EdgeBottom;
    int MarginX;
    int MarginY;
    int CenterX;
    int CenterY;
};

// The geometry of a drawing surface `width` x `height` pixels.
CalibrationGeometry GeometryForSize(int width, int height);

// A cross mark: a box from (Left, Top) to (Right, Bottom), a horizontal line
// at LineY across the box and a vertical line at LineX; the touch target is
// where the lines cross.
struct CrossMark {
    bool Drawn; // false for a number that is not a point: nothing is drawn
    int Left;
    int Top;
    int Right;
    int Bottom;
    int LineX;
    int LineY;
};

CrossMark CrossMarkOf(const CalibrationGeometry& geometry, int point);

} // namespace Calibration
