// Pictures written as files: a test's install folder images, the gallery's
// screen copies.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace e2e {

// Writes a 24-bit BMP file of width x height pixels; colorAt(x, y) gives
// each pixel, y counting from the top row. False when it cannot be written.
bool WriteBitmapFile(const std::string& path, int width, int height,
                     const std::function<COLORREF(int x, int y)>& colorAt);

} // namespace e2e
