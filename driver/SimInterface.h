/* Simulation interface of the stand-in driver: further I/O codes on the same
 * device, outside the suite's own codes, through which tests and tools set up
 * and observe the simulated controller. Plain C, shared by the driver and by
 * the programs that drive it. */
#ifndef TS_SIM_INTERFACE_H
#define TS_SIM_INTERFACE_H

#include "DeviceBlocks.h"

#ifdef __cplusplus
extern "C" {
#endif

#define SIM_REQUEST(function) TS_CTL_CODE(TsDeviceType, function, TsMethodBuffered, TsAccessAny)

/* No buffer: factory state (default record, controller present, no windows
 * registered, empty queue and journal, no failures planned). */
#define IOCTL_SimReset SIM_REQUEST(0xE00)
/* In: DeviceRecord (82 bytes), replaces the whole record. */
#define IOCTL_SimPresetRecord SIM_REQUEST(0xE01)
/* In: uint32_t, non-zero when a controller answers. */
#define IOCTL_SimSetPresent SIM_REQUEST(0xE02)
/* In: one or more SimTouchSample, appended to the sample queue. */
#define IOCTL_SimQueueTouch SIM_REQUEST(0xE03)
/* In: WindowBlock: the SMI program's window handle and the RotationCode. */
#define IOCTL_SimSetSmiWindow SIM_REQUEST(0xE04)
/* In: uint32_t first entry wanted. Out: SimJournalHeader then as many
 * SimJournalEntry as fit. */
#define IOCTL_SimReadJournal SIM_REQUEST(0xE05)
/* In: uint32_t n, optionally followed by a uint32_t code: the next n suite
 * requests (with that code only, when one is given and not 0) fail and change
 * nothing. */
#define IOCTL_SimFailNext SIM_REQUEST(0xE06)
/* Out: SimState. */
#define IOCTL_SimGetState SIM_REQUEST(0xE07)
/* In: uint32_t n, uint32_t code, uint32_t milliseconds: the next n suite
 * requests with that code are answered only after that long, so that races
 * between programs that read and then write show every time. */
#define IOCTL_SimSlowNext SIM_REQUEST(0xE08)

#pragma pack(push, 1)

typedef struct SimTouchSample {
    int16_t X;
    int16_t Y;
    uint8_t Flags; /* TouchedFlag while touched */
    uint8_t Reserved[3];
} SimTouchSample;

enum { SimBlockMax = 82, SimQueueMax = 1024, SimJournalMax = 2048 };

typedef struct SimJournalEntry {
    uint32_t Code;
    uint32_t Length;            /* bytes of the caller's block */
    uint32_t Repeats;           /* identical consecutive reads folded into this entry */
    uint32_t Failed;            /* non-zero when the request was made to fail */
    uint8_t Block[SimBlockMax]; /* the block as the caller sent it */
    uint8_t Pad[2];
} SimJournalEntry;

typedef struct SimJournalHeader {
    uint32_t Total;    /* entries written since the last reset */
    uint32_t First;    /* index of the first entry returned */
    uint32_t Returned; /* entries following this header */
} SimJournalHeader;

typedef struct SimState {
    DeviceRecord Record;
    uint8_t Present;
    uint8_t Pad[1];
    WindowBlock Tool;
    WindowBlock Smi;
    int32_t LastMode;   /* last SetControllerMode value, -1 when none */
    BeepBlock LastBeep; /* last PlayBeep block */
    uint32_t BeepCount;
    uint32_t RightClicks; /* touches turned into a right-button action */
    uint32_t QueuedSamples;
    TouchStatus Current;
    uint32_t FailPending;
} SimState;

#pragma pack(pop)

TS_STATIC_ASSERT(sizeof(SimTouchSample) == 8, "SimTouchSample is 8 bytes");
TS_STATIC_ASSERT(sizeof(SimJournalEntry) == 100, "SimJournalEntry is 100 bytes");

#ifdef __cplusplus
}
#endif

#endif
