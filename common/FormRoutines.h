// Placement routines that every windowed program of the suite carries.
#pragma once

#include "forms/Form.h"
#include "forms/Image.h"
#include "forms/PictureBox.h"

namespace BasGlobal {

// Centres the form horizontally and puts its middle at 42.5 % of the
// screen height: left = screen width div 2 - width div 2, top = (screen
// height x 0.85) div 2 - height div 2, in whole twips.
void CenterForm(forms::Form& form);

// Places the form's `imgIcon` in the middle of the inner area of its
// `picIcon`; does nothing when the form lacks either.
void CenterIcon(forms::Form& form);
void CenterIcon(forms::PictureBox& box, forms::Image& icon);

} // namespace BasGlobal
