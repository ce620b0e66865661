/* The driver's parameter blocks and I/O control codes, byte for byte.
 * Plain C so that the simulated controller shares the very same layout; the
 * offsets and sizes below are checked by the compiler in both languages. All
 * blocks are little-endian, 16-bit fields signed, 8-bit fields unsigned. */
#ifndef TS_DEVICE_BLOCKS_H
#define TS_DEVICE_BLOCKS_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define TS_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
extern "C" {
#else
#define TS_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

#pragma pack(push, 1)

/* One serial port of the table. BasePort 0: IrqOrStatus is a status
 * (0xFF no such port, 0xFE used by another device, else a reason code). */
typedef struct PortEntry {
    int16_t BasePort;
    uint8_t IrqOrStatus;
    uint8_t Reserved;
} PortEntry;

enum { PortCount = 9, CalibrationCount = 6, McuCodeLength = 4 };

typedef struct DeviceRecord {
    int16_t BasePort;
    uint8_t Irq;
    uint8_t ComPort; /* 0 = no controller found */
    PortEntry PortTable[PortCount];
    uint8_t VirtualButton;
    uint8_t FeedbackSound;
    int16_t FeedbackTone;
    int16_t FeedbackDuration;
    uint8_t Sensitivity;
    uint8_t MouseBypass;
    uint8_t MouseHSpeed;
    uint8_t MouseVSpeed;
    uint8_t MouseAcceleration;
    uint8_t PowerDownTime;
    uint8_t BaudRate;
    uint8_t RightButtonFunction;
    uint8_t RightButtonAutoMode;
    uint8_t RightButtonAutoSTime;
    uint8_t RightButtonAutoETime;
    uint8_t RightButtonAutoBeep;
    int16_t Calibration[CalibrationCount];
    uint8_t PanelDirection;
    uint8_t Reserved;
    int16_t ResolutionX;
    int16_t ResolutionY;
    uint8_t McuMode;
    uint8_t McuVersion;
    uint8_t McuCode[McuCodeLength];
} DeviceRecord;

enum { TouchedFlag = 0x08 };

typedef struct TouchStatus {
    int16_t X;
    int16_t Y;
    uint8_t Flags; /* TouchedFlag while the panel is touched */
    uint8_t Reserved;
    uint16_t SampleCounter; /* changes with every new sample */
} TouchStatus;

typedef struct ModeBlock {
    int32_t Mode;
} ModeBlock;

typedef struct WindowBlock {
    int32_t Handle; /* -1: no window registered */
    int16_t Value;  /* armed flag (tool window) or RotationCode (SMI window) */
    uint8_t Reserved[2];
} WindowBlock;

typedef struct BeepBlock {
    int16_t Tone;
    int16_t Duration;
} BeepBlock;

#pragma pack(pop)

TS_STATIC_ASSERT(sizeof(PortEntry) == 4, "PortEntry is 4 bytes");
TS_STATIC_ASSERT(sizeof(DeviceRecord) == 82, "the device record is 82 bytes");
TS_STATIC_ASSERT(offsetof(DeviceRecord, BasePort) == 0, "BasePort");
TS_STATIC_ASSERT(offsetof(DeviceRecord, Irq) == 2, "Irq");
TS_STATIC_ASSERT(offsetof(DeviceRecord, ComPort) == 3, "ComPort");
TS_STATIC_ASSERT(offsetof(DeviceRecord, PortTable) == 4, "PortTable");
TS_STATIC_ASSERT(offsetof(DeviceRecord, VirtualButton) == 40, "VirtualButton");
TS_STATIC_ASSERT(offsetof(DeviceRecord, FeedbackSound) == 41, "FeedbackSound");
TS_STATIC_ASSERT(offsetof(DeviceRecord, FeedbackTone) == 42, "FeedbackTone");
TS_STATIC_ASSERT(offsetof(DeviceRecord, FeedbackDuration) == 44, "FeedbackDuration");
TS_STATIC_ASSERT(offsetof(DeviceRecord, Sensitivity) == 46, "Sensitivity");
TS_STATIC_ASSERT(offsetof(DeviceRecord, MouseBypass) == 47, "MouseBypass");
TS_STATIC_ASSERT(offsetof(DeviceRecord, MouseHSpeed) == 48, "MouseHSpeed");
TS_STATIC_ASSERT(offsetof(DeviceRecord, MouseVSpeed) == 49, "MouseVSpeed");
TS_STATIC_ASSERT(offsetof(DeviceRecord, MouseAcceleration) == 50, "MouseAcceleration");
TS_STATIC_ASSERT(offsetof(DeviceRecord, PowerDownTime) == 51, "PowerDownTime");
TS_STATIC_ASSERT(offsetof(DeviceRecord, BaudRate) == 52, "BaudRate");
TS_STATIC_ASSERT(offsetof(DeviceRecord, RightButtonFunction) == 53, "RightButtonFunction");
TS_STATIC_ASSERT(offsetof(DeviceRecord, RightButtonAutoMode) == 54, "RightButtonAutoMode");
TS_STATIC_ASSERT(offsetof(DeviceRecord, RightButtonAutoSTime) == 55, "RightButtonAutoSTime");
TS_STATIC_ASSERT(offsetof(DeviceRecord, RightButtonAutoETime) == 56, "RightButtonAutoETime");
TS_STATIC_ASSERT(offsetof(DeviceRecord, RightButtonAutoBeep) == 57, "RightButtonAutoBeep");
TS_STATIC_ASSERT(offsetof(DeviceRecord, Calibration) == 58, "Calibration");
TS_STATIC_ASSERT(offsetof(DeviceRecord, PanelDirection) == 70, "PanelDirection");
TS_STATIC_ASSERT(offsetof(DeviceRecord, Reserved) == 71, "Reserved");
TS_STATIC_ASSERT(offsetof(DeviceRecord, ResolutionX) == 72, "ResolutionX");
TS_STATIC_ASSERT(offsetof(DeviceRecord, ResolutionY) == 74, "ResolutionY");
TS_STATIC_ASSERT(offsetof(DeviceRecord, McuMode) == 76, "McuMode");
TS_STATIC_ASSERT(offsetof(DeviceRecord, McuVersion) == 77, "McuVersion");
TS_STATIC_ASSERT(offsetof(DeviceRecord, McuCode) == 78, "McuCode");
TS_STATIC_ASSERT(sizeof(TouchStatus) == 8, "TouchStatus is 8 bytes");
TS_STATIC_ASSERT(offsetof(TouchStatus, Flags) == 4, "TouchStatus flags");
TS_STATIC_ASSERT(offsetof(TouchStatus, SampleCounter) == 6, "TouchStatus counter");
TS_STATIC_ASSERT(sizeof(ModeBlock) == 4, "ModeBlock is 4 bytes");
TS_STATIC_ASSERT(sizeof(WindowBlock) == 8, "WindowBlock is 8 bytes");
TS_STATIC_ASSERT(offsetof(WindowBlock, Value) == 4, "WindowBlock value");
TS_STATIC_ASSERT(sizeof(BeepBlock) == 4, "BeepBlock is 4 bytes");

/* I/O control codes: device type, function, transfer method and required
 * access, composed as the system composes them. */
#define TS_CTL_CODE(type, function, method, access)                                                \
    (((uint32_t)(type) << 16) | ((uint32_t)(access) << 14) | ((uint32_t)(function) << 2) |         \
     (uint32_t)(method))

enum {
    TsDeviceType = 0x0F, /* mouse device */
    TsMethodBuffered = 0,
    TsAccessAny = 0,
    TsAccessRead = 1
};

#define TS_REQUEST(function, access) TS_CTL_CODE(TsDeviceType, function, TsMethodBuffered, access)

#define IOCTL_GetDeviceRecord TS_REQUEST(0x804, TsAccessAny)
#define IOCTL_GetTouchStatus TS_REQUEST(0x80C, TsAccessAny)
#define IOCTL_SetControllerMode TS_REQUEST(0x810, TsAccessAny)
#define IOCTL_SetSerialPort TS_REQUEST(0x814, TsAccessAny)
#define IOCTL_SetVirtualButton TS_REQUEST(0x818, TsAccessAny)
#define IOCTL_SetFeedbackSound TS_REQUEST(0x81C, TsAccessAny)
#define IOCTL_SetSensitivity TS_REQUEST(0x820, TsAccessAny)
#define IOCTL_SetMouseSpeed TS_REQUEST(0x824, TsAccessAny)
#define IOCTL_SetCalibration TS_REQUEST(0x828, TsAccessAny)
#define IOCTL_SetResolution TS_REQUEST(0x82C, TsAccessAny)
#define IOCTL_SetPowerDownTime TS_REQUEST(0x830, TsAccessAny)
#define IOCTL_GetToolWindow TS_REQUEST(0xC04, TsAccessAny)
#define IOCTL_SetToolWindow TS_REQUEST(0xC08, TsAccessAny)
#define IOCTL_GetSmiWindow TS_REQUEST(0x004, TsAccessRead)
#define IOCTL_PlayBeep TS_REQUEST(0x404, TsAccessRead)

TS_STATIC_ASSERT(IOCTL_GetDeviceRecord == 0xF2010, "GetDeviceRecord");
TS_STATIC_ASSERT(IOCTL_GetTouchStatus == 0xF2030, "GetTouchStatus");
TS_STATIC_ASSERT(IOCTL_SetControllerMode == 0xF2040, "SetControllerMode");
TS_STATIC_ASSERT(IOCTL_SetSerialPort == 0xF2050, "SetSerialPort");
TS_STATIC_ASSERT(IOCTL_SetVirtualButton == 0xF2060, "SetVirtualButton");
TS_STATIC_ASSERT(IOCTL_SetFeedbackSound == 0xF2070, "SetFeedbackSound");
TS_STATIC_ASSERT(IOCTL_SetSensitivity == 0xF2080, "SetSensitivity");
TS_STATIC_ASSERT(IOCTL_SetMouseSpeed == 0xF2090, "SetMouseSpeed");
TS_STATIC_ASSERT(IOCTL_SetCalibration == 0xF20A0, "SetCalibration");
TS_STATIC_ASSERT(IOCTL_SetResolution == 0xF20B0, "SetResolution");
TS_STATIC_ASSERT(IOCTL_SetPowerDownTime == 0xF20C0, "SetPowerDownTime");
TS_STATIC_ASSERT(IOCTL_GetToolWindow == 0xF3010, "GetToolWindow");
TS_STATIC_ASSERT(IOCTL_SetToolWindow == 0xF3020, "SetToolWindow");
TS_STATIC_ASSERT(IOCTL_GetSmiWindow == 0xF4010, "GetSmiWindow");
TS_STATIC_ASSERT(IOCTL_PlayBeep == 0xF5010, "PlayBeep");

#ifdef __cplusplus
}
#endif

#endif
