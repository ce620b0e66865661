#include "CalibrationPoints.h"

namespace Calibration {

bool ProcedureForMode(int32_t calibrationMode, Procedure& procedure) {
    switch (calibrationMode) {
    case 0:
        procedure = Procedure::Corners;
        return true;
    case 1:
        procedure = Procedure::Edges;
        return true;
    }
    return false;
}

std::string UnsupportedModeText(int32_t calibrationMode) {
    return "Fail to calibration! ( mode " + std::to_string(calibrationMode) + " not support )";
}

const std::array<int, 4>& PointsOf(Procedure procedure) {
    static const std::array<int, 4> corners = {TopLeftPoint, TopRightPoint, DownRightPoint,
                                               DownLeftPoint};
    static const std::array<int, 4> edges = {TopPoint, RightPoint, DownPoint, LeftPoint};
    return procedure == Procedure::Corners ? corners : edges;
}

std::string PointName(int point) {
    static const char* const names[] = {"TOP-LEFT", "TOP-RIGHT", "DOWN-RIGHT", "DOWN-LEFT",
                                        "TOP",      "RIGHT",     "DOWN",       "LEFT"};
    if (point < TopLeftPoint || point > LeftPoint)
        return std::string();
    return names[point - TopLeftPoint];
}

int16_t NormalizedRotationCode(int16_t rotationCode) {
    return rotationCode < 0 || rotationCode > 3 ? 0 : rotationCode;
}

void RotatePoints(FourPoints& points, int16_t rotationCode) {
    // New p(i) takes old p(i - shift), cyclically: code 1 shifts by one, code 2
    // by one the other way, code 3 by two.
    static const int shifts[4] = {0, 1, 3, 2};
    const int shift = shifts[NormalizedRotationCode(rotationCode)];
    const FourPoints old = points;
    for (int i = 0; i < 4; i++)
        points[i] = old[(i - shift + 4) % 4];
}

} // namespace Calibration
