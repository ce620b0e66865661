// The version line and the maker's copyright, under the head of the program
// that opens it. Each program's main window tells it, through the two hooks,
// how it takes over that head and how the program comes back when it closes.
#pragma once

#include <functional>

#include "WindowHead.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Label.h"

class frmAbout : public forms::Form {
  public:
    frmAbout();

    forms::Label lblCopyright{*this, "lblCopyright"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    WindowHead chrome{*this};

    // On load: the opener's version line, branding and icon, and placement.
    std::function<void(frmAbout&)> TakeOverHead;
    // On unload: the opener's own window back in front.
    std::function<void()> ReturnToOpener;

  private:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void cmdOK_Click();
};

frmAbout& frmAboutForm();

// The about window of a program whose main window carries the suite's head:
// on load it takes that head's version line, branding and icon and is
// centred; when it closes, the opener is shown again with the focus.
void LendHeadToAbout(forms::Form& opener, WindowHead& head);
