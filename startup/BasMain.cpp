#include "BasMain.h"

#include <windows.h>

#include "BasGlobal.h"
#include "SharedRoutines.h"
#include "WindowsMouse.h"
#include "basOEM.h"
#include "basPostMesg.h"
#include "basRegistry.h"
#include "basVersion.h"
#include "forms/Runtime.h"
#include "frmMain.h"

namespace BasMain {

bool SwitchSDC = false;
StartupRules::DoubleClick DoubleClick = StartupRules::Defaults;

namespace {

constexpr const char* SpeedValue = "DoubleClickSpeed";
constexpr const char* WidthValue = "DoubleClickWidth";
constexpr const char* HeightValue = "DoubleClickHeight";

constexpr const char* ControllerNotFoundText = "TouchScreen Controller Not Found!";
constexpr const char* ToolStartFailureText = "Fail to initialize Right Button Function!";
constexpr int32_t NoWindow = -1;
// The logon run lasts about a second from the process start; its window
// stays up for whatever is left of that second once the work is done.
constexpr unsigned long LogonRunMs = 1000;

void ShowError(const std::string& text) {
    BasGlobal::ShowErrorBox(text, basVersion::StartupAgentTitle);
}

// Without the SMI program nobody tells the driver the screen size.
void GiveScreenSize() {
    BasGlobal::Device.ResolutionX = static_cast<int16_t>(GetSystemMetrics(SM_CXSCREEN));
    BasGlobal::Device.ResolutionY = static_cast<int16_t>(GetSystemMetrics(SM_CYSCREEN));
    BasGlobal::SetResolution();
}

void LookAfterRightButtonTool() {
    if (!StartupRules::RightButtonWanted(BasGlobal::Device))
        return;
    BasGlobal::GetToolWindow();
    const bool toolWasRunning = BasGlobal::ToolWindow.Handle != NoWindow;
    if (!toolWasRunning && !basPostMesg::StartTool())
        ShowError(ToolStartFailureText);
    if (StartupRules::HideRunningTool(BasGlobal::Device, toolWasRunning))
        basPostMesg::HideToolWindow();
}

// Process age by the system clock, bounded to 0..LogonRunMs, so that a clock
// set back or forward meanwhile can neither stretch nor skip more than the
// designed second.
unsigned long MillisecondsSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    const unsigned long long start = ticks(created), end = ticks(now);
    if (end <= start)
        return 0;
    const unsigned long long age = (end - start) / 10000; // 100-ns units
    return age < LogonRunMs ? static_cast<unsigned long>(age) : LogonRunMs;
}

} // namespace

int Main(const std::string& commandLine) {
    SwitchSDC = StartupRules::IsSettingsSwitch(commandLine);
    frmMain& main = frmMainForm();
    if (!main.Load())
        return 0;
    main.Show();
    if (SwitchSDC)
        return forms::RunMessageLoop();
    LogonRun();
    main.Unload();
    return 0;
}

void LoadDoubleClick() {
    HKEY key = nullptr;
    DWORD time = 0, width = 0, height = 0;
    bool all = basOEM::OpenSettingsKey(key);
    if (all) {
        all = basRegistry::ReadDword(key, SpeedValue, time) && all;
        all = basRegistry::ReadDword(key, WidthValue, width) && all;
        all = basRegistry::ReadDword(key, HeightValue, height) && all;
        basRegistry::CloseKey(key);
    }
    DoubleClick =
        all ? StartupRules::ValidOrDefaults({time, width, height}) : StartupRules::Defaults;
}

bool SaveDoubleClick() {
    HKEY key = nullptr;
    if (!basOEM::OpenSettingsKey(key))
        return false;
    bool all = basRegistry::WriteDword(key, SpeedValue, DoubleClick.time);
    all = basRegistry::WriteDword(key, WidthValue, DoubleClick.width) && all;
    all = basRegistry::WriteDword(key, HeightValue, DoubleClick.height) && all;
    basRegistry::CloseKey(key);
    return all;
}

// Each failed step leaves its letter: W, H, T for Windows refusing a value,
// R for Control Panel\Mouse not opening, w, h, t for a value not stored there.
void ApplyDoubleClick() {
    const WindowsMouse::SystemCalls& system = WindowsMouse::Calls();
    std::string letters;
    if (!system.SetParameter(SPI_SETDOUBLECLKWIDTH, DoubleClick.width))
        letters += "W";
    if (!system.SetParameter(SPI_SETDOUBLECLKHEIGHT, DoubleClick.height))
        letters += "H";
    if (!system.SetParameter(SPI_SETDOUBLECLICKTIME, DoubleClick.time))
        letters += "T";
    HKEY key = nullptr;
    if (!system.OpenMouseKey(key)) {
        letters += "R";
    } else {
        if (!system.WriteString(key, WidthValue, std::to_string(DoubleClick.width)))
            letters += "w";
        if (!system.WriteString(key, HeightValue, std::to_string(DoubleClick.height)))
            letters += "h";
        if (!system.WriteString(key, SpeedValue, std::to_string(DoubleClick.time)))
            letters += "t";
        basRegistry::CloseKey(key);
        SaveDoubleClick();
    }
    if (!letters.empty())
        ShowError(StartupRules::ApplyFailureText(letters));
}

StartupRules::DoubleClick SystemDoubleClick() {
    return {GetDoubleClickTime(), static_cast<unsigned long>(GetSystemMetrics(SM_CXDOUBLECLK)),
            static_cast<unsigned long>(GetSystemMetrics(SM_CYDOUBLECLK))};
}

void LogonRun() {
    ApplyDoubleClick();
    if (!BasGlobal::OpenDevice()) {
        BasGlobal::ReportOpenFailure(basVersion::StartupAgentTitle);
        return;
    }
    // The record the driver holds decides the rest, whatever the request said.
    BasGlobal::GetDeviceRecord();
    if (BasGlobal::Device.ComPort == 0) {
        ShowError(ControllerNotFoundText);
        BasGlobal::CloseDevice();
        return;
    }
    if (!basPostMesg::StartSmi())
        GiveScreenSize();
    LookAfterRightButtonTool();
    BasGlobal::CloseDevice();
    forms::PauseMilliseconds(LogonRunMs - MillisecondsSinceProcessStart());
}

} // namespace BasMain
