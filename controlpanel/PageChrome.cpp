#include "PageChrome.h"

PageChrome::PageChrome(forms::Form& form) : WindowHead(form) {
    lblSystem.SetCaption("TouchScreen Control Panel Version ");
}
