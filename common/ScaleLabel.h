// The small transparent labels that name the ends and marks of a bar, and
// other one-line labels of the same look.
#pragma once

#include "forms/Label.h"
#include "forms/Styles.h"

// Alignment and place (twips) of one such label, one line high.
void DesignScaleLabel(forms::Label& label, int left, int top, int width, forms::Alignment align);
// The same with its caption.
void DesignScaleLabel(forms::Label& label, const char* caption, int left, int top, int width,
                      forms::Alignment align);

constexpr int ScaleLabelHeight = 195;
