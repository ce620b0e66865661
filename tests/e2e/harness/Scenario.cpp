#include "Scenario.h"

namespace e2e {

void Scenario::SetUp() {
    ASSERT_TRUE(stage_.Begin());
}

void Scenario::TearDown() {
    stage_.End();
}

} // namespace e2e
