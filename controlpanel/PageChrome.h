// The head of every page and information window of the control panel: the
// shared window head, with the control panel's system line and the main
// window's product icon.
#pragma once

#include "WindowHead.h"

struct PageChrome : WindowHead {
    explicit PageChrome(forms::Form& form);

    // The main window's product icon in this window's icon box.
    void ShowMainIcon();
};
