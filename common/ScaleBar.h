// A scroll bar with the labels that read it: the value it stands at and the
// marks of its ends, in numbers, in words or both. On the settings pages the
// value stands over the middle of the bar, or between the numbers of its
// ends, and the marks under the bar; in the startup agent's rows the value
// stands at the left over the bar and the numbers of the ends beside it.
#pragma once

#include <array>
#include <optional>

#include "forms/Container.h"
#include "forms/HScrollBar.h"
#include "forms/Label.h"

class ScaleBar {
  public:
    // Low end, middle and high end; a mark without a name is left out.
    using Numbers = std::array<const char*, 3>;
    // Low end and high end.
    using Words = std::array<const char*, 2>;

    // The controls' names; `index` is the marks' element number in their
    // control arrays, -1 for single labels.
    ScaleBar(forms::Container& parent, const char* barName, const char* valueName,
             const Numbers& numberNames, const Words& wordNames, int index = -1);

    forms::HScrollBar bar;
    forms::Label value;
    std::array<std::optional<forms::Label>, 3> numbers;
    std::array<std::optional<forms::Label>, 2> words;

    // Design: the bar's range and page step (the arrows step by one), and
    // the texts of the marks.
    void SetRange(int min, int max, int largeChange);
    void SetMarks(const Numbers& numberTexts, const Words& wordTexts);

    enum class ValuePlace { OverBar, BetweenNumbers };
    // Page: the bar `inset` (twips) from both sides of a container
    // `innerWidth` wide, at `barTop`; the numbers a row below it, the words
    // a row below those.
    void PlaceMarksUnder(int innerWidth, int inset, int barTop, ValuePlace place);
    // Startup row: the bar at `barLeft`, `barTop`, `barWidth` wide; the
    // numbers level with it beside its ends, the value over the low number.
    void PlaceNumbersBeside(int barLeft, int barTop, int barWidth);

  private:
    void PlaceBar(int left, int top, int width);
};
