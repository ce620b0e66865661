#include "VenderStyle.h"

namespace basLOGO {

namespace {

constexpr std::size_t MinimumCodeLength = 8;

constexpr Colour Palette[PaletteSize] = {
    RgbColour(0, 0, 0),      RgbColour(0, 0, 128),     RgbColour(0, 128, 0),
    RgbColour(0, 128, 128),  RgbColour(128, 0, 0),     RgbColour(128, 0, 128),
    RgbColour(128, 128, 0),  RgbColour(192, 192, 192), RgbColour(128, 128, 128),
    RgbColour(0, 0, 255),    RgbColour(0, 255, 0),     RgbColour(0, 255, 255),
    RgbColour(255, 0, 0),    RgbColour(255, 0, 255),   RgbColour(255, 255, 0),
    RgbColour(255, 255, 255)};

constexpr int BoldBit = 1;
constexpr int ItalicBit = 2;

// The decimal number a field starts with, leading blanks skipped; 0 when it
// starts with no digit. `position` counts from 1.
int NumberField(const std::string& code, std::size_t position, std::size_t length) {
    std::string field = code.substr(position - 1, length);
    std::size_t i = field.find_first_not_of(' ');
    int number = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; i++)
        number = number * 10 + (field[i] - '0');
    return number;
}

} // namespace

std::optional<Colour> PaletteColour(int index) {
    if (index < 0 || index >= PaletteSize)
        return std::nullopt;
    return Palette[index];
}

std::optional<VenderStyleCode> ParseVenderStyle(const std::string& code) {
    if (code.size() < MinimumCodeLength)
        return std::nullopt;
    VenderStyleCode style;
    if (code[0] == '1')
        style.fontName = "Times New Roman";
    else if (code[0] == '2')
        style.fontName = "Arial";
    // Style 3 is bold and italic; any value above 3 is neither.
    int fontStyle = NumberField(code, 2, 1);
    style.bold = fontStyle == BoldBit || fontStyle == (BoldBit | ItalicBit);
    style.italic = fontStyle == ItalicBit || fontStyle == (BoldBit | ItalicBit);
    int size = NumberField(code, 3, 2);
    if (size > 0)
        style.size = size;
    style.titleColour = PaletteColour(NumberField(code, 5, 2));
    style.systemColour = PaletteColour(NumberField(code, 7, 2));
    return style;
}

} // namespace basLOGO
