// The program's title, set once at start by each program that shows the
// shared windows and boxes (progress window, restart failure) under it.
#pragma once

#include <string>

namespace BasGlobal {

void SetProgramTitle(const std::string& title);
// Empty until SetProgramTitle.
const std::string& ProgramTitle();

} // namespace BasGlobal
