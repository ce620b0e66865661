#include "PageChrome.h"

#include "frmMain.h"

PageChrome::PageChrome(forms::Form& form) : WindowHead(form) {
    lblSystem.SetCaption("TouchScreen Control Panel Version ");
}

void PageChrome::ShowMainIcon() {
    imgIcon.SetPicture(frmMainForm().imgIcon.Picture());
}
