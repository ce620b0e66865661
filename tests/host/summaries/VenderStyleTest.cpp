// Parsing of the vendor's style code for the OEM title.
#include <gtest/gtest.h>

#include "VenderStyle.h"

namespace {

using basLOGO::Colour;
using basLOGO::ParseVenderStyle;
using basLOGO::RgbColour;

TEST(VenderStyle, TimesBoldTwelveLightRedOnYellow) {
    auto style = ParseVenderStyle("11121214");
    ASSERT_TRUE(style);
    EXPECT_EQ("Times New Roman", style->fontName.value_or("kept"));
    EXPECT_TRUE(style->bold);
    EXPECT_FALSE(style->italic);
    EXPECT_EQ(12, style->size.value_or(-1));
    EXPECT_EQ(RgbColour(255, 0, 0), style->titleColour.value_or(1));
    EXPECT_EQ(RgbColour(255, 255, 0), style->systemColour.value_or(1));
}

TEST(VenderStyle, TimesItalicTwelveLightBlueOnYellow) {
    auto style = ParseVenderStyle("12120914");
    ASSERT_TRUE(style);
    EXPECT_EQ("Times New Roman", style->fontName.value_or("kept"));
    EXPECT_FALSE(style->bold);
    EXPECT_TRUE(style->italic);
    EXPECT_EQ(12, style->size.value_or(-1));
    EXPECT_EQ(RgbColour(0, 0, 255), style->titleColour.value_or(1));
    EXPECT_EQ(RgbColour(255, 255, 0), style->systemColour.value_or(1));
}

TEST(VenderStyle, FewerThanEightCharactersChangeNothing) {
    EXPECT_FALSE(ParseVenderStyle(""));
    EXPECT_FALSE(ParseVenderStyle("1112121"));
    EXPECT_TRUE(ParseVenderStyle("11121214extra")) << "longer codes use their first eight";
}

TEST(VenderStyle, ArialAndBlanksMeanRegularKeptSizeAndBlack) {
    auto style = ParseVenderStyle("2       ");
    ASSERT_TRUE(style);
    EXPECT_EQ("Arial", style->fontName.value_or("kept"));
    EXPECT_FALSE(style->bold);
    EXPECT_FALSE(style->italic);
    EXPECT_FALSE(style->size) << "size 0 keeps the designed size";
    EXPECT_EQ(RgbColour(0, 0, 0), style->titleColour.value_or(1));
    EXPECT_EQ(RgbColour(0, 0, 0), style->systemColour.value_or(1));
}

TEST(VenderStyle, StyleDigitSelectsBoldAndItalic) {
    struct Case {
        char digit;
        bool bold, italic;
    };
    for (Case c : {Case{'0', false, false}, Case{'1', true, false}, Case{'2', false, true},
                   Case{'3', true, true}, Case{'4', false, false}, Case{'9', false, false},
                   Case{'x', false, false}}) {
        std::string code = std::string("1") + c.digit + "120000";
        auto style = ParseVenderStyle(code);
        ASSERT_TRUE(style) << code;
        EXPECT_EQ(c.bold, style->bold) << code;
        EXPECT_EQ(c.italic, style->italic) << code;
    }
}

TEST(VenderStyle, NumericFieldsReadTheLeadingDecimalNumber) {
    EXPECT_FALSE(ParseVenderStyle("01120000")->fontName) << "only 1 and 2 name a font";
    EXPECT_EQ(9, ParseVenderStyle("10 90000")->size.value_or(-1)) << "leading blank skipped";
    EXPECT_EQ(9, ParseVenderStyle("109 0000")->size.value_or(-1)) << "trailing blank ends it";
    EXPECT_EQ(7, ParseVenderStyle("107x0000")->size.value_or(-1));
    EXPECT_FALSE(ParseVenderStyle("10x70000")->size) << "no leading digit reads as 0";
    EXPECT_FALSE(ParseVenderStyle("10-50000")->size) << "a sign is not a digit";
    EXPECT_EQ(99, ParseVenderStyle("10990000")->size.value_or(-1));
    EXPECT_EQ(RgbColour(128, 0, 0), ParseVenderStyle("1012 4 8")->titleColour.value_or(1));
    EXPECT_EQ(RgbColour(128, 128, 128), ParseVenderStyle("1012 4 8")->systemColour.value_or(1));
}

TEST(VenderStyle, PaletteIndexesOutsideTheTableKeepTheDesignedColour) {
    auto style = ParseVenderStyle("10121699");
    ASSERT_TRUE(style);
    EXPECT_FALSE(style->titleColour);
    EXPECT_FALSE(style->systemColour);
    EXPECT_EQ(RgbColour(255, 255, 255), ParseVenderStyle("10121515")->titleColour.value_or(1));
}

} // namespace
