// The right-button tool's window: one picture button at the bottom-right
// corner of the work area, always on top. Pressing it arms the driver so
// that the next touch becomes a right click, and waits until that has
// happened or the user cancels.
#pragma once

#include <cstdint>

#include "forms/CommandButton.h"
#include "forms/Form.h"

class frmMain : public forms::Form {
  public:
    frmMain();

    forms::CommandButton cmdAction{*this, "cmdAction"};

  private:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_MouseDown(int button, int shift, int x, int y) override;
    void cmdAction_Click();

    // Client area exactly the button, bottom-right corner of the work area, on top.
    void PlaceWindow();

    // 1 while waiting for the driver to make the right click; cleared to cancel.
    int16_t waiting_ = 0;
};
