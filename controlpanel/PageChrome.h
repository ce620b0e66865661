// The head of every page and information window of the control panel: the
// shared window head with the control panel's system line.
#pragma once

#include "WindowHead.h"

struct PageChrome : WindowHead {
    explicit PageChrome(forms::Form& form);
};
