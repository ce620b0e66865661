// Small routines that every windowed program of the suite carries.
#pragma once

#include <string>

namespace BasGlobal {

// A beep, then an OK box with the error icon, system-modal (style 0x1010).
int ShowErrorBox(const std::string& text, const std::string& title);
// A Yes/No box with the question icon, system-modal, plus the extra style bits.
int AskYesNo(const std::string& text, unsigned extraStyle, const std::string& title);
// True when the file can be opened for reading; any error is swallowed.
bool FileExists(const std::string& path);
// ShowCursor(FALSE) until the display count is negative.
void HideCursor();
// ShowCursor(TRUE) until the display count is 0 or more.
void ShowCursorAgain();
// Keeps handling window events for the given number of seconds, sleeping on
// messages in between. Measured on a monotonic clock, so neither midnight
// nor a change of the system time can stretch or cut the wait.
void PauseSeconds(int seconds);

} // namespace BasGlobal
