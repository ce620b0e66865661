// The picture beside the removal question, a waste bin, drawn at run time
// so that the program needs no image files.
#pragma once

#include <windows.h>

namespace RemovalPictures {

constexpr int IconSize = 32; // pixels

// A new icon; the caller owns it.
HICON CreateWasteBin();

} // namespace RemovalPictures
