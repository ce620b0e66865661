#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include "forms/MsgBox.h"

namespace wintest {

void ResetController(sim::Client& client) {
    ASSERT_TRUE(client.IsOpen()) << "simulated controller not reachable, error " << GetLastError();
    ASSERT_TRUE(client.Reset());
}

BoxRecorder::BoxRecorder(int answer) {
    forms::SetMsgBoxResponder(
        [this, answer](const std::string& text, unsigned style, const std::string& title) {
            boxes_.push_back({text, style, title});
            return answer;
        });
}

BoxRecorder::~BoxRecorder() {
    forms::SetMsgBoxResponder(nullptr);
}

} // namespace wintest
