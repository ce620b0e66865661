// The uninstaller's work on files: the files that setup listed, the folders
// they leave empty, and its own file and folder at the next restart.
#pragma once

#include <string>

namespace InstallFolder {

// Removes the files named in the list beside the uninstaller, and their
// folders when left empty, never through a link or junction. The list goes
// last, and only when every listed file is gone, so that a second run can
// finish what the first could not. True when every listed file is gone.
bool RemoveListedFiles(const std::string& folder, const std::string& ownName);

// Schedules the uninstaller's own file for deletion at the next restart,
// then the install folder when nothing else is left in it, then each parent
// that holds nothing else. False when a scheduling fails.
bool ScheduleOwnRemoval(const std::string& folder, const std::string& ownName);

} // namespace InstallFolder
