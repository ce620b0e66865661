// Driver channel: the one device handle of the program, the in-memory device
// record and the smaller blocks, and the requests by name. Every request
// sends its block as input and output buffer and returns nothing; a failed
// request leaves its block as it was.
#pragma once

#include <windows.h>

#include "DeviceBlocks.h"

namespace BasGlobal {

extern HANDLE DeviceHandle; // INVALID_HANDLE_VALUE: not open
extern DeviceRecord Device; // zero at start, filled by GetDeviceRecord
extern TouchStatus Touch;
extern ModeBlock Mode;
extern BeepBlock Beep;
extern WindowBlock ToolWindow; // right-button tool registration
extern WindowBlock SmiWindow;  // SMI program registration and RotationCode

// Outcome of the last request: callers that must not act on a stale block
// (the companion commands, the right-button tool's registration) check it.
extern BOOL LastRequestResult;
extern DWORD LastByteCount;

bool OpenDevice();
void CloseDevice();
// "Fail to open <driver file>!" with the given application title.
void ReportOpenFailure(const char* title);

void GetDeviceRecord();
void GetTouchStatus();
void SetControllerMode();
void SetSerialPort();
void SetVirtualButton();
void SetFeedbackSound();
void SetSensitivity();
void SetMouseSpeed();
void SetCalibration();
void SetResolution();
void SetPowerDownTime();
void GetToolWindow();
void SetToolWindow();
void GetSmiWindow();
void PlayBeep();

// Makes a request again, a few times with a short pause in between, while it
// fails: for requests that put back a state the user relies on (a disarmed
// driver, the touch mode to return to). True once it succeeded.
bool RepeatUntilDone(void (*request)());

} // namespace BasGlobal
