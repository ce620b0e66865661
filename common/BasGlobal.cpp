#include "BasGlobal.h"

#include <string>

#include "SharedRoutines.h"
#include "basVersion.h"
#include "forms/Runtime.h"

namespace BasGlobal {

HANDLE DeviceHandle = INVALID_HANDLE_VALUE;
DeviceRecord Device = {};
TouchStatus Touch = {};
ModeBlock Mode = {};
BeepBlock Beep = {};
WindowBlock ToolWindow = {};
WindowBlock SmiWindow = {};
BOOL LastRequestResult = FALSE;
DWORD LastByteCount = 0;

bool OpenDevice() {
    SECURITY_ATTRIBUTES security = {};
    DeviceHandle =
        CreateFileA(basVersion::DeviceName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &security, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return DeviceHandle != INVALID_HANDLE_VALUE;
}

void CloseDevice() {
    CloseHandle(DeviceHandle);
    DeviceHandle = INVALID_HANDLE_VALUE;
}

void ReportOpenFailure(const char* title) {
    ShowErrorBox(std::string("Fail to open ") + basVersion::DriverFile + "!", title);
}

namespace {

// The block is sent through a copy and taken back only on success, so a
// failing request can never leave it half written.
template <typename Block> void Request(DWORD code, Block& block) {
    static_assert(sizeof(Block) <= sizeof(DeviceRecord), "blocks are at most a record");
    Block copy = block;
    OVERLAPPED overlapped = {};
    LastByteCount = 0;
    LastRequestResult = DeviceIoControl(DeviceHandle, code, &copy, sizeof copy, &copy, sizeof copy,
                                        &LastByteCount, &overlapped);
    if (LastRequestResult)
        block = copy;
}

} // namespace

void GetDeviceRecord() {
    Request(IOCTL_GetDeviceRecord, Device);
}
void GetTouchStatus() {
    Request(IOCTL_GetTouchStatus, Touch);
}
void SetControllerMode() {
    Request(IOCTL_SetControllerMode, Mode);
}
void SetSerialPort() {
    Request(IOCTL_SetSerialPort, Device);
}
void SetVirtualButton() {
    Request(IOCTL_SetVirtualButton, Device);
}
void SetFeedbackSound() {
    Request(IOCTL_SetFeedbackSound, Device);
}
void SetSensitivity() {
    Request(IOCTL_SetSensitivity, Device);
}
void SetMouseSpeed() {
    Request(IOCTL_SetMouseSpeed, Device);
}
void SetCalibration() {
    Request(IOCTL_SetCalibration, Device);
}
void SetResolution() {
    Request(IOCTL_SetResolution, Device);
}
void SetPowerDownTime() {
    Request(IOCTL_SetPowerDownTime, Device);
}
void GetToolWindow() {
    Request(IOCTL_GetToolWindow, ToolWindow);
}
void SetToolWindow() {
    Request(IOCTL_SetToolWindow, ToolWindow);
}
void GetSmiWindow() {
    Request(IOCTL_GetSmiWindow, SmiWindow);
}
void PlayBeep() {
    Request(IOCTL_PlayBeep, Beep);
}

bool RepeatUntilDone(void (*request)()) {
    constexpr int Attempts = 4;
    constexpr unsigned long PauseMs = 50; // a busy driver gets time to recover
    for (int attempt = 1;; ++attempt) {
        request();
        if (LastRequestResult)
            return true;
        if (attempt == Attempts)
            return false;
        forms::PauseMilliseconds(PauseMs);
    }
}

} // namespace BasGlobal
