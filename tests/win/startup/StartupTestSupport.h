// The startup agent's world in-process: a prepared settings key, message
// boxes recorded, and Windows' mouse settings replaced by a recorder whose
// steps can be made to fail.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "WindowsMouse.h"

namespace aotest {

// Every call that reached the seam, and which of them fail.
struct MouseRecorder {
    // Letters of the steps to fail: W H T (Windows), R (the key), w h t (writes).
    std::string failing;
    std::vector<std::pair<UINT, UINT>> parameters;
    std::vector<std::pair<std::string, std::string>> written;

    bool Fails(char letter) const { return failing.find(letter) != std::string::npos; }
};

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    MouseRecorder mouse;
    wintest::BoxRecorder boxes;
};

} // namespace aotest
