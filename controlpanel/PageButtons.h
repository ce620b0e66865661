// The three buttons of a settings page and the state of its Apply button.
// What Apply, OK and Cancel do stays with each page.
#pragma once

#include <initializer_list>

#include "forms/CommandButton.h"
#include "forms/Container.h"

struct PageButtons {
    explicit PageButtons(forms::Container& form);

    forms::CommandButton cmdOK;
    forms::CommandButton cmdCandel;
    forms::CommandButton cmdApply;

    // Puts the row of buttons at `top` (twips), right-aligned with the head.
    void PlaceAt(int top);
    // Apply is offered exactly when an edited value differs from the record.
    void OfferApply(bool edited);

    static constexpr int Height = 435;
};

// Any window's row of buttons at `top` (twips), given left to right, of the
// settings pages' size and right-aligned with the head.
void PlaceButtonRow(int top, std::initializer_list<forms::CommandButton*> leftToRight);
