/* The simulated touchscreen controller: everything the stand-in driver
 * knows and does, free of kernel and C-runtime calls so that the host build
 * tests it directly. The kernel shim only moves buffers in and out. */
#ifndef TS_SIM_CONTROLLER_H
#define TS_SIM_CONTROLLER_H

#include "SimInterface.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef enum SimStatus {
    SimOk = 0,
    SimBufferTooSmall,   /* a buffer shorter than the request's block */
    SimInvalidRequest,   /* a code this device does not know */
    SimInvalidParameter, /* a well-sized buffer with a value out of range */
    SimFailed            /* a request made to fail through IOCTL_SimFailNext */
} SimStatus;

typedef struct SimController {
    DeviceRecord Record;
    DeviceRecord StartRecord; /* what a reset returns to: defaults plus load-time settings */
    uint8_t Present;
    WindowBlock Tool;
    WindowBlock Smi;
    int32_t LastMode;
    BeepBlock LastBeep;
    uint32_t BeepCount;
    uint32_t RightClicks;
    TouchStatus Current;
    SimTouchSample Queue[SimQueueMax];
    uint32_t QueueHead;
    uint32_t QueueCount;
    uint32_t FailPending;
    uint32_t FailCode; /* 0: any suite request fails */
    uint32_t SlowPending;
    uint32_t SlowCode;
    uint32_t SlowMs;
    uint32_t DelayNowMs; /* the request just handled is answered after this long */
    SimJournalEntry Journal[SimJournalMax];
    uint32_t JournalTotal; /* entries since reset; the newest SimJournalMax are kept */
} SimController;

/* Factory state of the given build (0 serial, 1 PS/2). */
void SimInit(SimController* sim, int ps2);

/* Takes a start value from the settings key as the driver reads it at load.
 * Names are those of the settings key; the packed values are unpacked.
 * Returns 0 for a name the driver does not read. */
int SimApplyStartValue(SimController* sim, const char* name, uint32_t value);

/* One device-control request with method-buffered semantics: `buffer` holds
 * inLength bytes of input and receives up to outLength bytes of output;
 * *returned is the count of bytes to hand back (0 leaves the caller's block
 * as it was). */
SimStatus SimDispatch(SimController* sim, uint32_t code, void* buffer, uint32_t inLength,
                      uint32_t outLength, uint32_t* returned);

#ifdef __cplusplus
}
#endif

#endif
