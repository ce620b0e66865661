// Helpers shared by the in-process tests under Wine.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "SimClient.h"

namespace wintest {

// Resets the simulated controller of this build; fails the test when the
// driver is not there.
void ResetController(sim::Client& client);

// Message boxes shown through forms::MsgBox while this object lives are
// recorded and answered with `answer`.
struct RecordedBox {
    std::string text;
    unsigned style;
    std::string title;
};
class BoxRecorder {
  public:
    explicit BoxRecorder(int answer = 1);
    ~BoxRecorder();
    const std::vector<RecordedBox>& Boxes() const { return boxes_; }

  private:
    std::vector<RecordedBox> boxes_;
};

// Writes a 24-bit BMP file of width x height pixels; colorAt(x, y) gives
// each pixel, y counting from the top row.
void WriteBitmapFile(const std::string& path, int width, int height,
                     const std::function<COLORREF(int x, int y)>& colorAt);

} // namespace wintest
