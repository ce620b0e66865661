// The calibration points: the two procedures, their point numbers and names,
// a raw point, and the rotation step that brings the points acquired on a
// turned screen back into the panel's own order.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Calibration {

// CalibrationMode 0 runs the corners (mode 1), 1 the edge midpoints (mode 2).
enum class Procedure { Corners, Edges };

// False for a CalibrationMode that neither procedure serves.
bool ProcedureForMode(int32_t calibrationMode, Procedure& procedure);
// "Fail to calibration! ( mode <n> not support )"
std::string UnsupportedModeText(int32_t calibrationMode);

enum PointNumber {
    TopLeftPoint = 1,
    TopRightPoint = 2,
    DownRightPoint = 3,
    DownLeftPoint = 4,
    TopPoint = 5,
    RightPoint = 6,
    DownPoint = 7,
    LeftPoint = 8
};

// The procedure's four point numbers in the order they are acquired (p1..p4).
const std::array<int, 4>& PointsOf(Procedure procedure);
// "TOP-LEFT" ... "LEFT"; empty for a number that is not a point.
std::string PointName(int point);

struct RawPoint {
    int16_t X;
    int16_t Y;
};
constexpr int16_t RawMax = 1023;            // the controller's 10-bit coordinates
using FourPoints = std::array<RawPoint, 4>; // p1..p4 of a procedure

// A quarter-turn code 0..3; any other value counts as 0.
int16_t NormalizedRotationCode(int16_t rotationCode);
// Reorders p1..p4 for the screen's rotation (X and Y of a point move together).
void RotatePoints(FourPoints& points, int16_t rotationCode);

} // namespace Calibration
