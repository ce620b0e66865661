// The layout check of the programs' window tests: every text of a window
// shows whole, measured in its control's font against the room its control
// gives it and every window around that control leaves visible; and the
// window, placed as the suite places it, fits the smallest screen used at
// this resolution. The same tests run in a prefix at 96 and at 120 DPI.
#pragma once

#include <string>
#include <vector>

#include "forms/Form.h"

namespace wintest {

// The screen resolution of this process, in dots per inch.
int ScreenDpi();

// One line for each text that does not show whole and for a window that
// does not fit the smallest screen of this resolution (640 x 480 at 96 DPI,
// 800 x 600 at 120 DPI); none when the window is laid out well. The form
// must be loaded; controls that are not shown are left out.
std::vector<std::string> LayoutFaults(const forms::Form& form);

} // namespace wintest
