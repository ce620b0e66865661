// The small transparent labels that name the ends and marks of a page's bar.
#pragma once

#include "forms/Label.h"
#include "forms/Styles.h"

// Caption, alignment and place (twips) of one such label, one line high.
void DesignScaleLabel(forms::Label& label, const char* caption, int left, int top, int width,
                      forms::Alignment align);

constexpr int ScaleLabelHeight = 195;
