#include "PointAcquisition.h"

namespace Calibration {

void PointAcquisition::Reset() {
    StableCountdown = 2;
    LastX = 0;
    LastY = 0;
    Touching = false;
}

PollResult PointAcquisition::Feed(const TouchStatus& status) {
    if (!(status.Flags & TouchedFlag)) {
        LastCounter = status.SampleCounter;
        const bool dropped = Touching;
        Reset();
        return dropped ? PollResult::TouchLifted : PollResult::NotTouched;
    }
    PollResult result = PollResult::Stabilising;
    if (!Touching) {
        Touching = true;
        result = PollResult::TouchBegan;
    }
    if (status.X != LastX || status.Y != LastY) {
        LastX = status.X;
        LastY = status.Y;
        StableCountdown = 2;
        return result;
    }
    if (status.SampleCounter != LastCounter) {
        LastCounter = status.SampleCounter;
        StableCountdown--;
    }
    return StableCountdown > 0 ? result : PollResult::Accepted;
}

} // namespace Calibration
