// Colour values of the window runtime, in the classic form: 0x00BBGGRR for a
// plain colour, 0x800000nn for the system colour with index nn. Pure.
#pragma once

#include <cstdint>

namespace forms {

using Color = std::uint32_t;

constexpr Color Rgb(int red, int green, int blue) {
    return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr Color kSystemColorFlag = 0x80000000u;
constexpr Color SystemColor(int index) {
    return kSystemColorFlag | static_cast<Color>(index);
}
constexpr bool IsSystemColor(Color color) {
    return (color & kSystemColorFlag) != 0;
}
constexpr int SystemColorIndex(Color color) {
    return static_cast<int>(color & 0xFFu);
}

// The system colours the forms use (indices as GetSysColor numbers them).
constexpr Color kWindowBackground = SystemColor(5);
constexpr Color kWindowText = SystemColor(8);
constexpr Color kButtonFace = SystemColor(15);
constexpr Color kButtonShadow = SystemColor(16);
constexpr Color kButtonText = SystemColor(18);
constexpr Color kButtonHighlight = SystemColor(20);

constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);

} // namespace forms
