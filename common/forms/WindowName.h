// Names of forms and controls, readable from another process: a window
// property holding a global atom of the name. Black-box tests find
// `cmdApply` this way instead of by position.
#pragma once

#include <windows.h>

#include <string>

namespace forms {

constexpr char kNameProperty[] = "TsControlName";

// Attaches the name to the window; DetachWindowName removes it and releases
// the atom (done when the window is destroyed).
void AttachWindowName(HWND window, const std::string& name);
void DetachWindowName(HWND window);

// The name attached to a window of any process; empty when there is none.
std::string WindowNameOf(HWND window);

// The first window at or below `root` (depth first) carrying the name.
HWND FindNamedWindow(HWND root, const std::string& name);

} // namespace forms
