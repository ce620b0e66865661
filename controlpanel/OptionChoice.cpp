#include "OptionChoice.h"

void ShowChosen(forms::CheckableButton& control, bool chosen) {
    control.SetForeColor(chosen ? ChosenColor : UnchosenColor);
}

void DesignOptions(forms::ControlArray<forms::OptionButton>& options) {
    for (int i = options.LBound(); i <= options.UBound(); ++i)
        ShowChosen(options[i], false);
}

void ShowChoice(forms::ControlArray<forms::OptionButton>& options, int working) {
    options[working].SetValue(true);
    ShowChosen(options[working], true);
}
