// Twip conversion, input codes and the placement arithmetic of the window
// runtime: pure code, tested on the host.
#include <gtest/gtest.h>

#include "forms/AccessKey.h"
#include "forms/Centering.h"
#include "forms/InputCodes.h"
#include "forms/Twips.h"

namespace {

TEST(Twips, PerPixelFollowsTheScreenResolution) {
    EXPECT_EQ(15, forms::TwipsPerPixelForDpi(96));
    EXPECT_EQ(12, forms::TwipsPerPixelForDpi(120));
    EXPECT_EQ(15, forms::TwipsPerPixelForDpi(0)) << "unknown resolution: the usual value";
    EXPECT_EQ(15, forms::TwipsPerPixelForDpi(-96));
    EXPECT_EQ(15, forms::TwipsPerPixelForDpi(5000)) << "more dots than twips per inch";
}

TEST(Twips, ToPixelsRoundsToTheNearestPixelHalvesAwayFromZero) {
    EXPECT_EQ(113, forms::TwipsToPixels(1695, 15));
    EXPECT_EQ(113, forms::TwipsToPixels(1702, 15)) << "113.47";
    EXPECT_EQ(114, forms::TwipsToPixels(1703, 15)) << "113.53";
    EXPECT_EQ(1, forms::TwipsToPixels(6, 12)) << "a half goes up";
    EXPECT_EQ(0, forms::TwipsToPixels(7, 15));
    EXPECT_EQ(1, forms::TwipsToPixels(8, 15));
    EXPECT_EQ(-1, forms::TwipsToPixels(-8, 15)) << "negative positions mirror positive ones";
    EXPECT_EQ(-1, forms::TwipsToPixels(-6, 12));
    EXPECT_EQ(0, forms::TwipsToPixels(-7, 15));
    EXPECT_EQ(7, forms::TwipsToPixels(7, 0)) << "no scale: unchanged";
}

TEST(Twips, RoundTripOfWholePixelsIsExact) {
    for (int pixels = -2000; pixels <= 2000; pixels += 7)
        ASSERT_EQ(pixels, forms::TwipsToPixels(forms::PixelsToTwips(pixels, 15), 15)) << pixels;
}

TEST(Twips, UnitsFollowTheScaleMode) {
    EXPECT_EQ(32, forms::UnitsToPixels(480, forms::ScaleMode::Twips, 15));
    EXPECT_EQ(480, forms::UnitsToPixels(480, forms::ScaleMode::Pixels, 15));
    EXPECT_EQ(7200, forms::PixelsToUnits(480, forms::ScaleMode::Twips, 15));
    EXPECT_EQ(480, forms::PixelsToUnits(480, forms::ScaleMode::Pixels, 15));
}

TEST(InputCodes, MouseFlagsDecodeToButtonAndShift) {
    using namespace forms;
    EXPECT_EQ(kShiftMask | kCtrlMask | kAltMask,
              ShiftFromMouseFlags(kRawShift | kRawControl, true));
    EXPECT_EQ(kCtrlMask, ShiftFromMouseFlags(kRawControl | kRawLeftButton, false))
        << "button bits are not modifiers";
    EXPECT_EQ(0, ShiftFromMouseFlags(kRawLeftButton | kRawRightButton | kRawMiddleButton, false));
    EXPECT_EQ(kLeftButton | kMiddleButton,
              ButtonsFromMouseFlags(kRawLeftButton | kRawMiddleButton | kRawShift));
    EXPECT_EQ(kRightButton, ButtonsFromMouseFlags(kRawRightButton | kRawControl));
    EXPECT_EQ(0, ButtonsFromMouseFlags(kRawShift | kRawControl));
}

TEST(AccessKey, LetterAfterASingleAmpersand) {
    EXPECT_EQ('A', forms::AccessKeyOf("&Apply"));
    EXPECT_EQ('U', forms::AccessKeyOf("S&upport"));
    EXPECT_EQ('X', forms::AccessKeyOf("E&xit Test"));
    EXPECT_EQ(0, forms::AccessKeyOf("Both Touch Down && Lift Off"));
    EXPECT_EQ('L', forms::AccessKeyOf("Down && &Lift"));
    EXPECT_EQ('L', forms::AccessKeyOf("&&&Lift")) << "an escaped ampersand, then the mark";
    EXPECT_EQ(0, forms::AccessKeyOf("trailing &"));
    EXPECT_EQ(0, forms::AccessKeyOf(""));
    EXPECT_EQ(0, forms::AccessKeyOf("Touch Here to Test"));
}

TEST(Centering, FormAtMiddleAndAtFortyTwoAndAHalfPercent) {
    // 1024 x 768 pixels at 15 twips per pixel.
    const forms::Origin even = forms::CenterFormOrigin(15360, 11520, 6000, 4000);
    EXPECT_EQ(7680 - 3000, even.left);
    EXPECT_EQ(9792 / 2 - 2000, even.top);
    // Odd sizes: each div truncates on its own.
    const forms::Origin odd = forms::CenterFormOrigin(15360, 11520, 4801, 3599);
    EXPECT_EQ(7680 - 2400, odd.left);
    EXPECT_EQ(4896 - 1799, odd.top);
    const forms::Origin oddScreen = forms::CenterFormOrigin(15361, 11521, 1, 1);
    EXPECT_EQ(7680, oddScreen.left);
    EXPECT_EQ(4896, oddScreen.top) << "11521 x 0.85 = 9792.85 -> 9793, div 2 = 4896";
    // A window wider than the screen goes off the left edge.
    EXPECT_EQ(7680 - 10000, forms::CenterFormOrigin(15360, 11520, 20000, 100).left);
}

TEST(Centering, HeightFactorRoundsHalvesToEven) {
    // 10 x 0.85 = 8.5 -> 8, 30 x 0.85 = 25.5 -> 26, 1 x 0.85 -> 1.
    EXPECT_EQ(8, forms::ScaleRoundHalfEven(10, 85, 100));
    EXPECT_EQ(26, forms::ScaleRoundHalfEven(30, 85, 100));
    EXPECT_EQ(1, forms::ScaleRoundHalfEven(1, 85, 100));
    EXPECT_EQ(-8, forms::ScaleRoundHalfEven(-10, 85, 100));
    EXPECT_EQ(4, forms::CenterFormOrigin(0, 10, 0, 0).top);
    EXPECT_EQ(13, forms::CenterFormOrigin(0, 30, 0, 0).top);
}

TEST(Centering, IconInTheInnerAreaTruncates) {
    const forms::Origin origin = forms::CenterIconOrigin(720, 735, 480, 480);
    EXPECT_EQ(120, origin.left);
    EXPECT_EQ(127, origin.top) << "(735 - 480) div 2";
    EXPECT_EQ(0, forms::CenterIconOrigin(479, 479, 480, 480).left) << "-1 div 2 truncates to 0";
    EXPECT_EQ(-10, forms::CenterIconOrigin(460, 460, 480, 480).left);
}

} // namespace
