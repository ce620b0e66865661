// Small routines that every windowed program of the suite carries.
#pragma once

#include <string>

namespace forms {
class Form;
}

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

// The checks that a program's main window runs first when it loads; each
// ends the program, after telling the user, when the program cannot go on.
// True when no other copy of the program (file name such as "KVD2KCcp.exe")
// runs. Otherwise brings that copy's window, found by this window's caption,
// to the front (or says the program runs) and ends the program.
bool EndIfAnotherCopyRuns(forms::Form& main, const char* programFile);
// The installation identity under the hourglass; when it cannot be read,
// "Fail to load data from Register File!" titled with the window caption,
// and the end of the program.
bool LoadIdentityOrEnd(forms::Form& main);

} // namespace BasGlobal
