// Icons drawn in code, for programs that carry no icon files.
#pragma once

#include <windows.h>

#include <functional>

namespace forms {

// An icon of size x size pixels from two drawings on memory bitmaps: the
// picture, drawn over black (pixels left black stay transparent), and the
// mask, drawn over white (black marks the opaque part). Null on failure.
HICON CreateDrawnIcon(int size, const std::function<void(HDC)>& drawPicture,
                      const std::function<void(HDC)>& drawMask);

// Drawing steps for such icons: a box or an ellipse filled with `fill` and
// outlined with a one-pixel `outline`.
void DrawBox(HDC dc, const RECT& box, COLORREF fill, COLORREF outline);
void DrawEllipse(HDC dc, const RECT& box, COLORREF fill, COLORREF outline);

} // namespace forms
