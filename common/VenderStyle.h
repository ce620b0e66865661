// The vendor's style code for the OEM title: eight or more characters,
// position 1 the font, 2 the style, 3-4 the size in points, 5-6 the title
// colour and 7-8 the system-line colour (palette indexes 0..15).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace basLOGO {

// A colour as the system's COLORREF holds it: red in the low byte, then
// green, then blue.
using Colour = std::uint32_t;

constexpr int PaletteSize = 16;
constexpr Colour RgbColour(int red, int green, int blue) {
    return Colour(red) | Colour(green) << 8 | Colour(blue) << 16;
}

// What the code changes; an empty field keeps the window's designed value.
struct VenderStyleCode {
    std::optional<std::string> fontName;
    bool bold = false;
    bool italic = false;
    std::optional<int> size; // points, greater than 0
    std::optional<Colour> titleColour;
    std::optional<Colour> systemColour;
};

// Nothing when the code has fewer than eight characters.
std::optional<VenderStyleCode> ParseVenderStyle(const std::string& code);

// Palette colour of an index; nothing outside 0..15.
std::optional<Colour> PaletteColour(int index);

} // namespace basLOGO
