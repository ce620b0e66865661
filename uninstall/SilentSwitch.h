// The uninstaller's command line: /SILENT, in any letter case, as a word of
// its own, means no window and no question.
#pragma once

namespace SilentSwitch {

bool IsSilent(const char* arguments);

} // namespace SilentSwitch
