// Helpers shared by the in-process tests under Wine.
#pragma once

#include <windows.h>

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

} // namespace wintest
