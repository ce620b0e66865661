/* How the simulated controller turns a raw touch into a desktop pixel.
 *
 * The real driver lies outside the suite; this is the stand-in's own model,
 * built as the inverse of what the calibration computes:
 *
 * 1. Raw X and Y, held within 0..1023, are exchanged when the direction code
 *    has 0x04; then X becomes 1023 - X for 0x01 and Y becomes 1023 - Y for
 *    0x02. This reads the panel the way the calibration's direction patterns
 *    describe it.
 * 2. Each axis maps onto the unturned screen of ResolutionX x ResolutionY
 *    pixels, piecewise linear through three calibration values: CalLeft to
 *    the left edge (0), CalCenterX to the middle (ResolutionX / 2), CalRight
 *    to the right edge (ResolutionX, the far side of the last pixel); Y alike
 *    with CalTop, CalCenterY, CalBottom. Positions are continuous, the pixel
 *    is the one holding the position, and touches beyond an edge land on the
 *    edge pixel. A centre not strictly between its edges is passed over and
 *    the axis maps linearly from edge to edge.
 * 3. The rotation code (0..3, other values count as 0) turns the unturned
 *    screen into the desktop: 1 a quarter turn that puts the unturned top-left
 *    corner at the desktop's bottom-left, 2 the opposite quarter turn (top-left
 *    to top-right), 3 a half turn. After a quarter turn the desktop is
 *    ResolutionY pixels wide and ResolutionX high: ResolutionX and ResolutionY
 *    always give the unturned size, the frame the calibration computes in.
 *
 * Integer arithmetic only, no C runtime: the kernel build links none. */
#ifndef TS_SIM_MAPPING_H
#define TS_SIM_MAPPING_H

#include "DeviceBlocks.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct SimScreenPoint {
    int32_t X;
    int32_t Y;
} SimScreenPoint;

/* Maps a raw touch with the record's Calibration, PanelDirection and
 * ResolutionX/ResolutionY. Returns 0 and leaves *point as it was when the
 * record cannot map: a resolution below 1, or an axis whose far value is not
 * above its near value. */
int SimMapTouch(const DeviceRecord* record, int16_t rotationCode, int16_t rawX, int16_t rawY,
                SimScreenPoint* point);

#ifdef __cplusplus
}
#endif

#endif
