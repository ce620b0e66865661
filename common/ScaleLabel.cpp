#include "ScaleLabel.h"

void DesignScaleLabel(forms::Label& label, int left, int top, int width, forms::Alignment align) {
    label.SetBackStyle(forms::BackStyle::Transparent);
    label.SetTextAlign(align);
    label.Move(left, top, width, ScaleLabelHeight);
}

void DesignScaleLabel(forms::Label& label, const char* caption, int left, int top, int width,
                      forms::Alignment align) {
    label.SetCaption(caption);
    DesignScaleLabel(label, left, top, width, align);
}
