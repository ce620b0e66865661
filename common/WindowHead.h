// The head that the suite's windows share: the reseller's logo or OEM title,
// the system line and the product icon. The controls carry the names that
// the branding and placement routines look for.
#pragma once

#include <string>

#include "basLOGO.h"
#include "forms/Form.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"

struct WindowHead {
    // What a program's heads show, computed once when the program starts.
    struct Look {
        std::string caption; // the windows' title
        std::string systemLine;
        basLOGO::Branding branding;
        forms::PicturePtr icon;
    };

    explicit WindowHead(forms::Form& form);

    // The look's icon, system line and branding in this head; the caption is
    // the window's to take.
    void Apply(const Look& look);

    forms::PictureBox picLogo;
    forms::Label lblOemTitle;
    forms::Label lblSystem;
    forms::PictureBox picIcon;
    forms::Image imgIcon;

    // Gives the window the width of the head and the inner height asked for.
    static void FitWindow(forms::Form& form, int innerHeight);

    // Twips: where a window's own controls may start below the head, and the
    // left and right margins of the head.
    static constexpr int ContentTop = 1380;
    static constexpr int Margin = 480;
    static constexpr int InnerWidth = 6615;
    // The width between the margins.
    static constexpr int ContentWidth = InnerWidth - 2 * Margin;

    // The head's design, which the main windows share (twips, points).
    static constexpr int HeadTop = 360;
    static constexpr int HeadHeight = 780;
    static constexpr int LogoWidth = 4740;
    static constexpr int IconLeft = 5280;
    static constexpr int TitleHeight = 480;
    // The system line's top, its last row on the box's: at 96 DPI the line
    // is 13 pixels (195 twips) and starts at pixel 39, at 120 DPI it is 17
    // pixels (204 twips) and starts at pixel 48.
    static constexpr int SystemTop = 580;
    static constexpr int TitleFontSize = 18;
    static constexpr forms::Color TitleBlue = forms::Rgb(0, 0, 128);
};
