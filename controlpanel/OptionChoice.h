// The choice in an array of option buttons (or a check box) as the settings
// pages show it: the chosen one black, the others teal.
#pragma once

#include "forms/CheckableButton.h"
#include "forms/ControlArray.h"
#include "forms/OptionButton.h"

constexpr forms::Color ChosenColor = forms::kBlack;
constexpr forms::Color UnchosenColor = forms::Rgb(0, 128, 128);

// Draws the control as chosen or not.
void ShowChosen(forms::CheckableButton& control, bool chosen);

// Design: every option teal.
void DesignOptions(forms::ControlArray<forms::OptionButton>& options);

// Load: selects the working choice and draws it black.
void ShowChoice(forms::ControlArray<forms::OptionButton>& options, int working);

// The user picked option `index`: the previous working choice is cleared and
// drawn teal, the working choice becomes `index`, drawn black. False, with
// nothing changed, when `index` already is the working choice.
template <typename Working>
bool Choose(forms::ControlArray<forms::OptionButton>& options, Working& working, int index) {
    if (index == working)
        return false;
    options[working].SetValue(false);
    ShowChosen(options[working], false);
    working = static_cast<Working>(index);
    ShowChoice(options, index);
    return true;
}
