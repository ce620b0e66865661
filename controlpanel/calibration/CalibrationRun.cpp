#include "CalibrationRun.h"

namespace Calibration {

CalibrationRun::CalibrationRun(Procedure procedure, int16_t resolutionX, int16_t resolutionY,
                               int16_t rotationCode)
    : RunProcedure(procedure), ResolutionX(resolutionX), ResolutionY(resolutionY),
      Rotation(NormalizedRotationCode(rotationCode)) {}

void CalibrationRun::RecordPoint(int point, int16_t x, int16_t y) {
    if (point < 0 || point >= PointSlots)
        return;
    RawX[point] = x;
    RawY[point] = y;
}

CalibrationOutcome CalibrationRun::Compute() const {
    FourPoints points;
    for (int i = 0; i < 4; i++) {
        const int point = Points()[i];
        points[i] = RawPoint{RawX[point], RawY[point]};
    }
    RotatePoints(points, Rotation);
    CalibrationOutcome outcome{false, CalibrationValues{}, 0,
                               CheckPanelDirection(RunProcedure, points)};
    if (!outcome.Direction.Passed)
        return outcome;
    outcome.Succeeded = true;
    outcome.NewDirection = outcome.Direction.NewDirection;
    ApplyInversions(outcome.NewDirection, points);
    outcome.NewCalibration = RunProcedure == Procedure::Corners
                                 ? CornerArithmetic(points, ResolutionX, ResolutionY)
                                 : EdgeArithmetic(points, ResolutionX, ResolutionY);
    return outcome;
}

CalibrationValues CalibrationOf(const DeviceRecord& record) {
    CalibrationValues values;
    for (int i = 0; i < CalibrationCount; i++)
        values[i] = record.Calibration[i];
    return values;
}

void StoreCalibration(DeviceRecord& record, const CalibrationValues& values, uint8_t direction) {
    for (int i = 0; i < CalibrationCount; i++)
        record.Calibration[i] = values[i];
    record.PanelDirection = direction;
}

} // namespace Calibration
