// The layout of a small window that tells one line below the head and closes
// with an OK button: the line centred across the content, the button centred
// below it.
#pragma once

#include "WindowHead.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"

namespace NoticeLayout {

constexpr int LineTop = WindowHead::ContentTop + 120;
constexpr int LineHeight = 195;
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 435;
constexpr int ButtonTop = LineTop + LineHeight + 360;
// The inner height that the window fits to.
constexpr int InnerHeight = ButtonTop + ButtonHeight + 360;

inline void Design(forms::Label& line, forms::CommandButton& ok) {
    line.SetTextAlign(forms::Alignment::Center);
    line.Move(WindowHead::Margin, LineTop, WindowHead::ContentWidth, LineHeight);
    ok.SetCaption("&OK");
    ok.Move((WindowHead::InnerWidth - ButtonWidth) / 2, ButtonTop, ButtonWidth, ButtonHeight);
}

} // namespace NoticeLayout
