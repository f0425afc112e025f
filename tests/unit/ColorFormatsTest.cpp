// Tests of the colour texts and the contrast.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "ruler/colour/ColorFormats.h"

namespace {

constexpr ColorFormat kFormats[] = {ColorFormat::Hex, ColorFormat::HexBare, ColorFormat::Rgb, ColorFormat::Hsl,
                                    ColorFormat::Decimal};
constexpr Color kBlack = Rgb(0, 0, 0), kWhite = Rgb(255, 255, 255);

// Every format, red first although it is the low byte, hex digits two a channel; the fourth byte
// is ignored and a format outside the five copies the hex.
TEST(ColorText, EveryFormat) {
    const std::pair<Color, std::array<const char*, 5>> cases[] = {
        {0xABCC6633, {"#3366CC", "3366CC", "rgb(51, 102, 204)", "hsl(220, 60%, 50%)", "51, 102, 204"}},
        {Rgb(1, 0, 255), {"#0100FF", "0100FF", "rgb(1, 0, 255)", "hsl(240, 100%, 50%)", "1, 0, 255"}},
    };
    for (const auto& [color, texts] : cases)
        for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(ColorText(color, kFormats[i]), texts[i]) << i;
    EXPECT_EQ(ColorText(0xABCC6633, static_cast<ColorFormat>(5)), "#3366CC");
}

// Whether n is the whole number nearest p / q, a half going up: n - 1/2 <= p / q < n + 1/2.
bool Nearest(int n, int p, int q) { return (2 * n - 1) * q <= 2 * p && 2 * p < (2 * n + 1) * q; }

// HSL rounded exactly, halves up: every colour on a grid of 18 levels a channel (among them
// hundreds of halves) and colours where doubles computed as fractions of 1 read one less or the
// hue wraps round to 0, against fractions that take the hue from the largest channel's index and
// the saturation's denominator as 255 - |max + min - 255|.
TEST(ColorText, HslMatchesExactFractions) {
    // Hues of 359.5, 0.5, 352.5 and 32.5; saturations of 12.5 % and 42.5 %.
    std::vector<Color> colours{Rgb(120, 0, 1),     Rgb(120, 1, 0),    Rgb(8, 0, 1),
                               Rgb(204, 171, 132), Rgb(91, 115, 117), Rgb(141, 189, 209)};
    for (int r = 0; r <= 255; r += 15)
        for (int g = 0; g <= 255; g += 15)
            for (int b = 0; b <= 255; b += 15) colours.push_back(Rgb(r, g, b));
    std::vector<Color> wrong;
    for (const Color colour : colours) {
        int hue = -1, saturation = -1, lightness = -1;
        std::sscanf(ColorText(colour, ColorFormat::Hsl).c_str(), "hsl(%d, %d%%, %d%%)", &hue, &saturation, &lightness);
        const int c[] = {int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF)};
        const int top = int(std::max_element(c, c + 3) - c), bottom = *std::min_element(c, c + 3);
        const int chroma = c[top] - bottom, sum = c[top] + bottom;
        const int sixths =
            chroma ? (2 * top * chroma + c[(top + 1) % 3] - c[(top + 2) % 3] + 6 * chroma) % (6 * chroma) : 0;
        const bool right = Nearest(lightness, 100 * sum, 510) && hue >= 0 && hue < 360 &&
                           (chroma ? (Nearest(hue, 60 * sixths, chroma) || Nearest(hue + 360, 60 * sixths, chroma)) &&
                                         Nearest(saturation, 100 * chroma, 255 - std::abs(sum - 255))
                                   : hue == 0 && saturation == 0);
        if (!right) wrong.push_back(colour);
    }
    EXPECT_EQ(wrong, std::vector<Color>{});
}

// WCAG 2 ratios in either order, cut to two decimals: the pairs just below 4.5 and 7
// (4.4999999, 6.9999995) read below them, where rounding would have them pass. Any double gives
// a short text, what no two colours give "?:1".
TEST(Contrast, RatioOfTwoColoursCut) {
    const std::tuple<Color, Color, const char*> cases[] = {
        {0xFF000000, 0x12FFFFFF, "21.00:1"},       {Rgb(51, 102, 204), Rgb(51, 102, 204), "1.00:1"},
        {Rgb(0x77, 0x77, 0x77), kWhite, "4.47:1"}, {Rgb(0x45, 0x83, 0x01), kBlack, "4.49:1"},  // 4.478, 4.4999999
        {Rgb(0x7C, 0x72, 0x90), kWhite, "4.50:1"}, {Rgb(0xE9, 0x69, 0xA1), kBlack, "6.99:1"},  // 4.5000006, 6.9999995
        {Rgb(0x33, 0x64, 0x2C), kWhite, "7.00:1"},                                             // 7.0000003
    };
    for (const auto& [a, b, text] : cases) {
        EXPECT_EQ(ContrastText(ContrastRatio(a, b)), text) << std::hex << a;
        EXPECT_EQ(ContrastRatio(a, b), ContrastRatio(b, a)) << std::hex << a;
    }
    for (const double ratio : {1e9, -0.001, std::numeric_limits<double>::infinity(), std::nan("")})
        EXPECT_EQ(ContrastText(ratio), "?:1") << ratio;
    EXPECT_EQ(ContrastText(999999999.99), "999999999.99:1");
}

}  // namespace
