#include "SimController.h"

/* Byte helpers of our own: the kernel build links no C runtime. */
static void CopyBytes(void* to, const void* from, uint32_t count) {
    uint8_t* t = (uint8_t*)to;
    const uint8_t* f = (const uint8_t*)from;
    while (count--)
        *t++ = *f++;
}

/* volatile keeps the compiler from turning the loop into a memset call. */
static void ZeroBytes(void* to, uint32_t count) {
    volatile uint8_t* t = (volatile uint8_t*)to;
    while (count--)
        *t++ = 0;
}

static int SameBytes(const void* a, const void* b, uint32_t count) {
    const uint8_t* x = (const uint8_t*)a;
    const uint8_t* y = (const uint8_t*)b;
    while (count--)
        if (*x++ != *y++)
            return 0;
    return 1;
}

static int SameText(const char* a, const char* b) {
    while (*a && *a == *b) {
        a++;
        b++;
    }
    return *a == *b;
}

static void DefaultRecord(DeviceRecord* r, int ps2) {
    ZeroBytes(r, sizeof *r);
    r->ComPort = 1;
    if (ps2) {
        /* A PS/2 controller has no serial port; the driver still reports it found. */
        r->BasePort = 0x60;
        r->Irq = 12;
    } else {
        r->BasePort = 0x3F8;
        r->Irq = 4;
    }
    static const PortEntry ports[PortCount] = {{0x3F8, 4, 0}, {0x2F8, 3, 0}, {0, 0xFE, 0},
                                               {0x2E8, 5, 0}, {0, 0xFF, 0},  {0, 0xFF, 0},
                                               {0, 0xFF, 0},  {0, 0xFF, 0},  {0, 0xFF, 0}};
    CopyBytes(r->PortTable, ports, sizeof ports);
    r->VirtualButton = 4;
    r->FeedbackSound = 2;
    r->FeedbackTone = 1000;
    r->FeedbackDuration = 30;
    r->Sensitivity = 127;
    r->MouseBypass = 0;
    r->MouseHSpeed = 10;
    r->MouseVSpeed = 10;
    r->MouseAcceleration = 1;
    r->PowerDownTime = 0;
    r->BaudRate = 4;
    r->RightButtonFunction = 1;
    r->RightButtonAutoMode = 0;
    r->RightButtonAutoSTime = 1;
    r->RightButtonAutoETime = 1;
    r->RightButtonAutoBeep = 1;
    static const int16_t calibration[CalibrationCount] = {40, 512, 984, 40, 512, 984};
    CopyBytes(r->Calibration, calibration, sizeof calibration);
    r->PanelDirection = 0;
    r->ResolutionX = 1024;
    r->ResolutionY = 768;
    r->McuMode = 0x0A;
    r->McuVersion = 0x10;
    r->McuCode[0] = 0x5A;
    r->McuCode[1] = 0x4B;
    r->McuCode[2] = 0x30;
    r->McuCode[3] = 0x31;
}

static void ResetRuntime(SimController* sim) {
    sim->Record = sim->StartRecord;
    sim->Present = 1;
    sim->Tool.Handle = -1;
    sim->Tool.Value = 0;
    sim->Tool.Reserved[0] = sim->Tool.Reserved[1] = 0;
    sim->Smi = sim->Tool;
    sim->LastMode = -1;
    sim->LastBeep.Tone = sim->LastBeep.Duration = 0;
    sim->BeepCount = 0;
    sim->RightClicks = 0;
    ZeroBytes(&sim->Current, sizeof sim->Current);
    sim->QueueHead = sim->QueueCount = 0;
    sim->FailPending = 0;
    sim->FailCode = 0;
    sim->SlowPending = 0;
    sim->SlowCode = 0;
    sim->SlowMs = 0;
    sim->DelayNowMs = 0;
    sim->JournalTotal = 0;
}

void SimInit(SimController* sim, int ps2) {
    DefaultRecord(&sim->StartRecord, ps2);
    ResetRuntime(sim);
}

int SimApplyStartValue(SimController* sim, const char* name, uint32_t value) {
    DeviceRecord* r = &sim->StartRecord;
    if (SameText(name, "VirtualButton"))
        r->VirtualButton = (uint8_t)value;
    else if (SameText(name, "RightButtonFunction"))
        r->RightButtonFunction = (uint8_t)value;
    else if (SameText(name, "RightButtonAutomatic")) {
        r->RightButtonAutoMode = (uint8_t)(value >> 24);
        r->RightButtonAutoSTime = (uint8_t)(value >> 16);
        r->RightButtonAutoETime = (uint8_t)(value >> 8);
        r->RightButtonAutoBeep = (uint8_t)value;
    } else if (SameText(name, "FeedbackSound"))
        r->FeedbackSound = (uint8_t)value;
    else if (SameText(name, "FeedbackTone"))
        r->FeedbackTone = (int16_t)value;
    else if (SameText(name, "FeedbackDuration"))
        r->FeedbackDuration = (int16_t)value;
    else if (SameText(name, "MouseSpeed")) {
        r->MouseHSpeed = (uint8_t)(value >> 24);
        r->MouseVSpeed = (uint8_t)(value >> 16);
        r->MouseAcceleration = (uint8_t)(value >> 8);
        r->MouseBypass = (uint8_t)value;
    } else if (SameText(name, "PanelDirection"))
        r->PanelDirection = (uint8_t)value;
    else
        return 0;
    sim->Record = *r;
    return 1;
}

/* Takes over the fields of one write code's group from the caller's record. */
static void ApplyGroup(DeviceRecord* to, const DeviceRecord* from, uint32_t code) {
    switch (code) {
    case IOCTL_SetSerialPort:
        CopyBytes(to->PortTable, from->PortTable, sizeof to->PortTable);
        break;
    case IOCTL_SetVirtualButton:
        to->VirtualButton = from->VirtualButton;
        to->RightButtonFunction = from->RightButtonFunction;
        to->RightButtonAutoMode = from->RightButtonAutoMode;
        to->RightButtonAutoSTime = from->RightButtonAutoSTime;
        to->RightButtonAutoETime = from->RightButtonAutoETime;
        to->RightButtonAutoBeep = from->RightButtonAutoBeep;
        break;
    case IOCTL_SetFeedbackSound:
        to->FeedbackSound = from->FeedbackSound;
        to->FeedbackTone = from->FeedbackTone;
        to->FeedbackDuration = from->FeedbackDuration;
        break;
    case IOCTL_SetSensitivity:
        to->Sensitivity = from->Sensitivity;
        break;
    case IOCTL_SetMouseSpeed:
        to->MouseBypass = from->MouseBypass;
        to->MouseHSpeed = from->MouseHSpeed;
        to->MouseVSpeed = from->MouseVSpeed;
        to->MouseAcceleration = from->MouseAcceleration;
        break;
    case IOCTL_SetCalibration:
        CopyBytes(to->Calibration, from->Calibration, sizeof to->Calibration);
        to->PanelDirection = from->PanelDirection;
        break;
    case IOCTL_SetResolution:
        to->ResolutionX = from->ResolutionX;
        to->ResolutionY = from->ResolutionY;
        break;
    case IOCTL_SetPowerDownTime:
        to->PowerDownTime = from->PowerDownTime;
        break;
    }
}

/* Size of the caller's block for each of the suite's codes, 0 for others. */
static uint32_t SuiteBlockSize(uint32_t code) {
    switch (code) {
    case IOCTL_GetDeviceRecord:
    case IOCTL_SetSerialPort:
    case IOCTL_SetVirtualButton:
    case IOCTL_SetFeedbackSound:
    case IOCTL_SetSensitivity:
    case IOCTL_SetMouseSpeed:
    case IOCTL_SetCalibration:
    case IOCTL_SetResolution:
    case IOCTL_SetPowerDownTime:
        return sizeof(DeviceRecord);
    case IOCTL_GetTouchStatus:
        return sizeof(TouchStatus);
    case IOCTL_SetControllerMode:
        return sizeof(ModeBlock);
    case IOCTL_GetToolWindow:
    case IOCTL_SetToolWindow:
    case IOCTL_GetSmiWindow:
        return sizeof(WindowBlock);
    case IOCTL_PlayBeep:
        return sizeof(BeepBlock);
    }
    return 0;
}

static int IsReadRequest(uint32_t code) {
    return code == IOCTL_GetDeviceRecord || code == IOCTL_GetTouchStatus ||
           code == IOCTL_GetToolWindow || code == IOCTL_GetSmiWindow;
}

/* Polling loops repeat the same read many times; identical consecutive reads
 * are folded into one entry so that the journal keeps what matters. */
static void Journal(SimController* sim, uint32_t code, const void* block, uint32_t size,
                    int failed) {
    if (sim->JournalTotal > 0) {
        SimJournalEntry* last = &sim->Journal[(sim->JournalTotal - 1) % SimJournalMax];
        if (!failed && !last->Failed && IsReadRequest(code) && last->Code == code &&
            SameBytes(last->Block, block, size)) {
            last->Repeats++;
            return;
        }
    }
    SimJournalEntry* e = &sim->Journal[sim->JournalTotal % SimJournalMax];
    ZeroBytes(e, sizeof *e);
    e->Code = code;
    e->Length = size;
    e->Failed = (uint32_t)failed;
    CopyBytes(e->Block, block, size);
    sim->JournalTotal++;
}

static void TakeNextSample(SimController* sim) {
    if (sim->QueueCount == 0)
        return; /* nothing new: the last state repeats with the same counter */
    const SimTouchSample* s = &sim->Queue[sim->QueueHead];
    sim->QueueHead = (sim->QueueHead + 1) % SimQueueMax;
    sim->QueueCount--;
    sim->Current.X = s->X;
    sim->Current.Y = s->Y;
    sim->Current.Flags = s->Flags;
    sim->Current.SampleCounter++;
}

static SimStatus SuiteRequest(SimController* sim, uint32_t code, void* buffer, uint32_t size,
                              uint32_t* returned) {
    if (sim->SlowPending > 0 && sim->SlowCode == code) {
        sim->SlowPending--;
        sim->DelayNowMs = sim->SlowMs;
    }
    if (sim->FailPending > 0 && (sim->FailCode == 0 || sim->FailCode == code)) {
        sim->FailPending--;
        Journal(sim, code, buffer, size, 1);
        return SimFailed;
    }
    Journal(sim, code, buffer, size, 0);
    switch (code) {
    case IOCTL_GetDeviceRecord: {
        DeviceRecord* out = (DeviceRecord*)buffer;
        *out = sim->Record;
        if (!sim->Present)
            out->ComPort = 0;
        *returned = size;
        return SimOk;
    }
    case IOCTL_GetTouchStatus:
        TakeNextSample(sim);
        CopyBytes(buffer, &sim->Current, size);
        *returned = size;
        return SimOk;
    case IOCTL_SetControllerMode:
        sim->LastMode = ((const ModeBlock*)buffer)->Mode;
        return SimOk;
    case IOCTL_GetToolWindow:
        CopyBytes(buffer, &sim->Tool, size);
        *returned = size;
        return SimOk;
    case IOCTL_SetToolWindow:
        CopyBytes(&sim->Tool, buffer, size);
        return SimOk;
    case IOCTL_GetSmiWindow:
        CopyBytes(buffer, &sim->Smi, size);
        *returned = size;
        return SimOk;
    case IOCTL_PlayBeep:
        CopyBytes(&sim->LastBeep, buffer, size);
        sim->BeepCount++;
        return SimOk;
    default:
        ApplyGroup(&sim->Record, (const DeviceRecord*)buffer, code);
        return SimOk;
    }
}

static void QueueSamples(SimController* sim, const SimTouchSample* samples, uint32_t count) {
    for (uint32_t i = 0; i < count; i++) {
        /* The touch itself happens now: an armed driver turns it into the right click. */
        if ((samples[i].Flags & TouchedFlag) && sim->Tool.Value == 1) {
            sim->Tool.Value = 0;
            sim->RightClicks++;
        }
        if (sim->QueueCount == SimQueueMax)
            continue; /* a full queue drops the newest; the reader is far behind anyway */
        sim->Queue[(sim->QueueHead + sim->QueueCount) % SimQueueMax] = samples[i];
        sim->QueueCount++;
    }
}

static uint32_t ReadJournal(const SimController* sim, uint32_t first, void* buffer,
                            uint32_t outLength) {
    SimJournalHeader header;
    header.Total = sim->JournalTotal;
    header.Returned = 0;
    uint32_t oldest = sim->JournalTotal > SimJournalMax ? sim->JournalTotal - SimJournalMax : 0;
    if (first < oldest)
        first = oldest;
    header.First = first;
    uint8_t* out = (uint8_t*)buffer + sizeof header;
    uint32_t room = (outLength - sizeof header) / sizeof(SimJournalEntry);
    for (uint32_t i = first; i < sim->JournalTotal && header.Returned < room; i++) {
        CopyBytes(out, &sim->Journal[i % SimJournalMax], sizeof(SimJournalEntry));
        out += sizeof(SimJournalEntry);
        header.Returned++;
    }
    CopyBytes(buffer, &header, sizeof header);
    return sizeof header + header.Returned * sizeof(SimJournalEntry);
}

static SimStatus SimulationRequest(SimController* sim, uint32_t code, void* buffer,
                                   uint32_t inLength, uint32_t outLength, uint32_t* returned) {
    switch (code) {
    case IOCTL_SimReset:
        ResetRuntime(sim);
        return SimOk;
    case IOCTL_SimPresetRecord:
        if (inLength < sizeof(DeviceRecord))
            return SimBufferTooSmall;
        CopyBytes(&sim->Record, buffer, sizeof(DeviceRecord));
        return SimOk;
    case IOCTL_SimSetPresent:
        if (inLength < sizeof(uint32_t))
            return SimBufferTooSmall;
        sim->Present = *(const uint32_t*)buffer != 0;
        return SimOk;
    case IOCTL_SimQueueTouch:
        if (inLength < sizeof(SimTouchSample) || inLength % sizeof(SimTouchSample) != 0)
            return SimBufferTooSmall;
        QueueSamples(sim, (const SimTouchSample*)buffer, inLength / sizeof(SimTouchSample));
        return SimOk;
    case IOCTL_SimSetSmiWindow:
        if (inLength < sizeof(WindowBlock))
            return SimBufferTooSmall;
        CopyBytes(&sim->Smi, buffer, sizeof(WindowBlock));
        return SimOk;
    case IOCTL_SimReadJournal:
        if (inLength < sizeof(uint32_t) || outLength < sizeof(SimJournalHeader))
            return SimBufferTooSmall;
        *returned = ReadJournal(sim, *(const uint32_t*)buffer, buffer, outLength);
        return SimOk;
    case IOCTL_SimFailNext:
        if (inLength < sizeof(uint32_t))
            return SimBufferTooSmall;
        sim->FailPending = *(const uint32_t*)buffer;
        sim->FailCode = inLength >= 2 * sizeof(uint32_t) ? ((const uint32_t*)buffer)[1] : 0;
        return SimOk;
    case IOCTL_SimSlowNext:
        if (inLength < 3 * sizeof(uint32_t))
            return SimBufferTooSmall;
        sim->SlowPending = ((const uint32_t*)buffer)[0];
        sim->SlowCode = ((const uint32_t*)buffer)[1];
        sim->SlowMs = ((const uint32_t*)buffer)[2];
        return SimOk;
    case IOCTL_SimGetState: {
        if (outLength < sizeof(SimState))
            return SimBufferTooSmall;
        SimState* s = (SimState*)buffer;
        ZeroBytes(s, sizeof *s);
        s->Record = sim->Record;
        s->Present = sim->Present;
        s->Tool = sim->Tool;
        s->Smi = sim->Smi;
        s->LastMode = sim->LastMode;
        s->LastBeep = sim->LastBeep;
        s->BeepCount = sim->BeepCount;
        s->RightClicks = sim->RightClicks;
        s->QueuedSamples = sim->QueueCount;
        s->Current = sim->Current;
        s->FailPending = sim->FailPending;
        *returned = sizeof *s;
        return SimOk;
    }
    }
    return SimInvalidRequest;
}

SimStatus SimDispatch(SimController* sim, uint32_t code, void* buffer, uint32_t inLength,
                      uint32_t outLength, uint32_t* returned) {
    *returned = 0;
    if (buffer == 0 && (inLength != 0 || outLength != 0))
        return SimInvalidParameter;
    uint32_t size = SuiteBlockSize(code);
    if (size != 0) {
        if (inLength < size || outLength < size)
            return SimBufferTooSmall;
        return SuiteRequest(sim, code, buffer, size, returned);
    }
    return SimulationRequest(sim, code, buffer, inLength, outLength, returned);
}
