// When a touch on a cross mark is taken: only once the same raw position has
// come with two fresh sample counters since it last changed. A touch lifted
// before that is dropped and the point is awaited again.
//
// The window starts a point with the touch indicator off, then polls the
// driver and hands every TouchStatus to Feed, reacting as the result says.
#pragma once

#include <cstdint>

#include "DeviceBlocks.h"

namespace Calibration {

enum class PollResult {
    NotTouched,  // process pending window events; a break request ends the point (broken)
    TouchLifted, // as NotTouched; unless broken, the indicator goes off: the touch was dropped
    TouchBegan,  // indicator on, then process pending window events
    Stabilising, // poll again
    Accepted     // this status's X and Y are the point
};

class PointAcquisition {
  public:
    PollResult Feed(const TouchStatus& status);

  private:
    void Reset();

    int StableCountdown = 2;
    int16_t LastX = 0;
    int16_t LastY = 0;
    bool Touching = false;
    uint16_t LastCounter = 0;
};

} // namespace Calibration
