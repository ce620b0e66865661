// The startup agent's decisions that need no system call: which mode the
// command line asks for, when Apply is worth pressing, what the right-button
// start does with the device record, and the agent's texts.
#pragma once

#include <string>

#include "DeviceBlocks.h"

namespace StartupRules {

// Double-click time (milliseconds), width and height (pixels).
struct DoubleClick {
    unsigned long time;
    unsigned long width;
    unsigned long height;
};
bool operator==(const DoubleClick& a, const DoubleClick& b);

// What the agent uses when the stored values are missing.
constexpr DoubleClick Defaults = {500, 32, 32};

// Stored values outside the ranges of the settings window's scroll bars
// (time 100..900, width and height 0..64) are not valid, and all three then
// become the defaults, as for missing ones.
DoubleClick ValidOrDefaults(const DoubleClick& stored);

// What the program was given: the raw command line without the program name
// (quoted or not) and the one blank that separates it; further blanks stay.
std::string ArgumentsOf(const std::string& rawCommandLine);

// The settings window opens only for the whole command line "/SDC", in any
// letter case; anything else, normally an empty line, is the logon run.
bool IsSettingsSwitch(const std::string& commandLine);

// Apply is needed unless the scroll bars and what Windows uses now both
// equal the saved values.
bool ApplyNeeded(const DoubleClick& saved, const DoubleClick& bars, const DoubleClick& system);

// "Speed: 500", "Width: 32", "Hight: 32": the labels over the scroll bars.
std::string SpeedLabel(unsigned long value);
std::string WidthLabel(unsigned long value);
std::string HeightLabel(unsigned long value);

// The box after a failed apply, from the letters of the failed steps.
std::string ApplyFailureText(const std::string& letters);

// The right-button tool is looked after only when its function is on and it
// is not the automatic mode together with the drag-drop virtual button.
bool RightButtonWanted(const DeviceRecord& record);
// A tool that already ran is told to hide in the automatic mode; a tool the
// agent has just started is left alone.
bool HideRunningTool(const DeviceRecord& record, bool toolWasRunning);

} // namespace StartupRules
