// The progress window of the installation and removal programs: a picture
// and a line of text, under the program title, shown while slow steps run.
#pragma once

#include <string>

#include "forms/Form.h"
#include "forms/Image.h"
#include "forms/Label.h"

class frmMessage : public forms::Form {
  public:
    frmMessage();

    forms::Image imgMsg{*this, "imgMsg"};
    forms::Label lblMsg{*this, "lblMsg"};

  private:
    void Form_Load() override;
};

frmMessage& frmMessageForm();

namespace BasGlobal {

// Shows frmMessage with the text, its height fitted to the text and the
// window centred a little above the middle of the screen; repainted at once.
void ShowProgress(const std::string& text);

// The busy pointer: 11 counts one more busy step, 0 one less (never below
// none); after either the pointer is the hourglass while any step is busy.
// Any other value sets that pointer at once.
void BusyCursor(int n);
// Busy steps counted now.
int BusyCount();

} // namespace BasGlobal
