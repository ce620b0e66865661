// One calibration run without its window: the window acquires the procedure's
// points (see PointAcquisition), records each accepted raw point here and
// then asks for the result: the six new calibration values and the direction
// code, or the failed direction check with the patterns for its error box.
#pragma once

#include <array>
#include <cstdint>

#include "CalibrationMath.h"
#include "CalibrationPoints.h"
#include "DeviceBlocks.h"
#include "PanelDirection.h"

namespace Calibration {

struct CalibrationOutcome {
    bool Succeeded;                   // false: the direction check failed, nothing is to be applied
    CalibrationValues NewCalibration; // record order: CalLeft .. CalBottom
    uint8_t NewDirection;             // 0..7
    DirectionCheck Direction;         // DirectionErrorText(Direction) when not succeeded
};

class CalibrationRun {
  public:
    // The record's ResolutionX/ResolutionY and the RotationCode from GetSmiWindow.
    CalibrationRun(Procedure procedure, int16_t resolutionX, int16_t resolutionY,
                   int16_t rotationCode);

    // Point numbers in the order they are acquired.
    const std::array<int, 4>& Points() const { return PointsOf(RunProcedure); }
    // The rotation code in force, 0 for one out of range: the window keeps this one.
    int16_t RotationCode() const { return Rotation; }

    // The raw point accepted for a point number (RawX/RawY[point]); points
    // never recorded count as (0, 0).
    void RecordPoint(int point, int16_t x, int16_t y);

    // Rotation, direction check, inversions and the procedure's arithmetic.
    CalibrationOutcome Compute() const;

  private:
    enum { PointSlots = 26 };

    Procedure RunProcedure;
    int16_t ResolutionX;
    int16_t ResolutionY;
    int16_t Rotation;
    std::array<int16_t, PointSlots> RawX{};
    std::array<int16_t, PointSlots> RawY{};
};

// The record's Calibration[0..5] (for OldCalibration).
CalibrationValues CalibrationOf(const DeviceRecord& record);
// Puts six values and a direction code into the record, nothing else.
void StoreCalibration(DeviceRecord& record, const CalibrationValues& values, uint8_t direction);

} // namespace Calibration
