#include "ScaleBar.h"

#include "ScaleLabel.h"

namespace {

// Twips.
constexpr int BarHeight = 255;
constexpr int ValueRise = 240; // from the value's top to the bar's
// Under the bar.
constexpr int NumberWidth = 600;
constexpr int WordWidth = 900;
constexpr int FirstRowDrop = 300; // from the bar's top to the first row of marks
constexpr int WordRowDrop = 210;  // from the numbers to the words
// Beside the bar.
constexpr int EndWidth = 345;
constexpr int EndGap = 15;
constexpr int RowValueWidth = 1500;

} // namespace

ScaleBar::ScaleBar(forms::Container& parent, const char* barName, const char* valueName,
                   const Numbers& numberNames, const Words& wordNames, int index)
    : bar(parent, barName), value(parent, valueName) {
    for (size_t i = 0; i < numbers.size(); ++i)
        if (numberNames[i])
            numbers[i].emplace(parent, numberNames[i], index);
    for (size_t i = 0; i < words.size(); ++i)
        if (wordNames[i])
            words[i].emplace(parent, wordNames[i], index);
}

void ScaleBar::SetRange(int min, int max, int largeChange) {
    bar.SetMin(min);
    bar.SetMax(max);
    bar.SetSmallChange(1);
    bar.SetLargeChange(largeChange);
}

void ScaleBar::SetMarks(const Numbers& numberTexts, const Words& wordTexts) {
    for (size_t i = 0; i < numbers.size(); ++i)
        if (numbers[i])
            numbers[i]->SetCaption(numberTexts[i]);
    for (size_t i = 0; i < words.size(); ++i)
        if (words[i])
            words[i]->SetCaption(wordTexts[i]);
}

void ScaleBar::PlaceBar(int left, int top, int width) {
    bar.Move(left, top, width, BarHeight);
}

void ScaleBar::PlaceMarksUnder(int innerWidth, int inset, int barTop, ValuePlace place) {
    const int barWidth = innerWidth - 2 * inset;
    const int rightEnd = inset + barWidth;
    const int middleLeft = (innerWidth - NumberWidth) / 2;
    PlaceBar(inset, barTop, barWidth);
    const int numberTop = barTop + FirstRowDrop;
    const bool hasNumbers = numbers.front() || numbers[1] || numbers.back();
    const int wordTop = hasNumbers ? numberTop + WordRowDrop : numberTop;
    DesignScaleLabel(value, middleLeft,
                     place == ValuePlace::OverBar ? barTop - ValueRise : numberTop, NumberWidth,
                     forms::Alignment::Center);
    if (numbers.front())
        DesignScaleLabel(*numbers.front(), inset, numberTop, NumberWidth, forms::Alignment::Left);
    if (numbers[1])
        DesignScaleLabel(*numbers[1], middleLeft, numberTop, NumberWidth, forms::Alignment::Center);
    if (numbers.back())
        DesignScaleLabel(*numbers.back(), rightEnd - NumberWidth, numberTop, NumberWidth,
                         forms::Alignment::Right);
    if (words.front())
        DesignScaleLabel(*words.front(), inset, wordTop, WordWidth, forms::Alignment::Left);
    if (words.back())
        DesignScaleLabel(*words.back(), rightEnd - WordWidth, wordTop, WordWidth,
                         forms::Alignment::Right);
}

void ScaleBar::PlaceNumbersBeside(int barLeft, int barTop, int barWidth) {
    const int lowLeft = barLeft - EndGap - EndWidth;
    const int numberTop = barTop + (BarHeight - ScaleLabelHeight) / 2;
    PlaceBar(barLeft, barTop, barWidth);
    value.Move(lowLeft, barTop - ValueRise, RowValueWidth, ScaleLabelHeight);
    if (numbers.front())
        numbers.front()->Move(lowLeft, numberTop, EndWidth, ScaleLabelHeight);
    if (numbers.back())
        numbers.back()->Move(barLeft + barWidth + EndGap, numberTop, EndWidth, ScaleLabelHeight);
}
