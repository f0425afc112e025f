#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>
#include <vector>

#include "ruler/ColorFormats.h"

namespace {

constexpr ColorFormat kFormats[] = {ColorFormat::Hex, ColorFormat::HexBare, ColorFormat::Rgb, ColorFormat::Hsl, ColorFormat::Decimal};
constexpr Color kBlack = Rgb(0, 0, 0), kWhite = Rgb(255, 255, 255);

// Every format, red first although it is the low byte; the fourth byte is ignored and a format
// outside the five copies the hex.
TEST(ColorText, EveryFormat) {
    const std::pair<Color, std::array<const char*, 5>> cases[] = {
        {0xABCC6633, {"#3366CC", "3366CC", "rgb(51, 102, 204)", "hsl(220, 60%, 50%)", "51, 102, 204"}},
        {Rgb(255, 0, 1), {"#FF0001", "FF0001", "rgb(255, 0, 1)", "hsl(0, 100%, 50%)", "255, 0, 1"}},
    };
    for (const auto& [color, texts] : cases)
        for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(ColorText(color, kFormats[i]), texts[i]) << i;
    EXPECT_EQ(ColorText(0xABCC6633, static_cast<ColorFormat>(5)), "#3366CC");
}

// Rounded exactly, halves up: the last four halves read one less when computed in doubles as
// fractions of 1. Lightness never falls on a half: 10 (max + min) / 51 would have to be an odd
// number of halves.
TEST(ColorText, HslRoundsHalvesUp) {
    const std::pair<Color, const char*> cases[] = {
        {Rgb(255, 0, 0), "hsl(0, 100%, 50%)"}, {kWhite, "hsl(0, 0%, 100%)"}, {kBlack, "hsl(0, 0%, 0%)"},
        {Rgb(128, 128, 128), "hsl(0, 0%, 50%)"}, {Rgb(255, 254, 254), "hsl(0, 100%, 100%)"},
        {Rgb(227, 27, 27), "hsl(0, 79%, 50%)"}, {Rgb(228, 28, 28), "hsl(0, 79%, 50%)"},  // max + min 254, 256
        {Rgb(119, 0, 1), "hsl(359, 100%, 23%)"},    // 359.496 degrees
        {Rgb(120, 0, 1), "hsl(0, 100%, 24%)"},      // 359.5: up to 360, which is 0
        {Rgb(120, 1, 0), "hsl(1, 100%, 24%)"},      // 0.5
        {Rgb(8, 0, 1), "hsl(353, 100%, 2%)"},       // 352.5: up, not mirrored from -7.5
        {Rgb(204, 171, 132), "hsl(33, 41%, 66%)"},  // 32.5
        {Rgb(91, 115, 117), "hsl(185, 13%, 41%)"},  // 12.5 %, dark
        {Rgb(141, 189, 209), "hsl(198, 43%, 69%)"}, // 42.5 %, light
        {Rgb(104, 153, 87), "hsl(105, 28%, 47%)"},  // 27.5 %, green the largest
    };
    for (const auto& [color, text] : cases) EXPECT_EQ(ColorText(color, ColorFormat::Hsl), text) << std::hex << color;
}

// Whether n is the whole number nearest p / q, a half going up: n - 1/2 <= p / q < n + 1/2.
bool Nearest(int n, int p, int q) { return (2 * n - 1) * q <= 2 * p && 2 * p < (2 * n + 1) * q; }

// Every colour on a grid of 18 levels a channel (among them hundreds of halves), against
// fractions that take the hue from the largest channel's index and the saturation's
// denominator as 255 - |max + min - 255|.
TEST(ColorText, HslMatchesExactFractions) {
    std::vector<Color> wrong;
    for (int r = 0; r <= 255; r += 15)
        for (int g = 0; g <= 255; g += 15)
            for (int b = 0; b <= 255; b += 15) {
                int hue = -1, saturation = -1, lightness = -1;
                std::sscanf(ColorText(Rgb(r, g, b), ColorFormat::Hsl).c_str(), "hsl(%d, %d%%, %d%%)", &hue, &saturation, &lightness);
                const int c[] = {r, g, b}, top = int(std::max_element(c, c + 3) - c), bottom = *std::min_element(c, c + 3);
                const int chroma = c[top] - bottom, sum = c[top] + bottom;
                const int sixths = chroma ? (2 * top * chroma + c[(top + 1) % 3] - c[(top + 2) % 3] + 6 * chroma) % (6 * chroma) : 0;
                const bool right = Nearest(lightness, 100 * sum, 510) && hue >= 0 && hue < 360 &&
                                   (chroma ? (Nearest(hue, 60 * sixths, chroma) || Nearest(hue + 360, 60 * sixths, chroma)) &&
                                                 Nearest(saturation, 100 * chroma, 255 - std::abs(sum - 255))
                                           : hue == 0 && saturation == 0);
                if (!right) wrong.push_back(Rgb(r, g, b));
            }
    EXPECT_EQ(wrong, std::vector<Color>{});
}

// WCAG 2 ratios in either order, cut to two decimals: the pairs just below 4.5 and 7
// (4.4999999, 6.9999995) read below them, where rounding would have them pass.
TEST(Contrast, RatioOfTwoColoursCut) {
    const struct { Color a, b; const char* text; } cases[] = {
        {0xFF000000, 0x12FFFFFF, "21.00:1"}, {Rgb(51, 102, 204), Rgb(51, 102, 204), "1.00:1"},
        {Rgb(0x77, 0x77, 0x77), kWhite, "4.47:1"}, {Rgb(0x76, 0x76, 0x76), kWhite, "4.54:1"},  // 4.478, 4.542
        {Rgb(0x45, 0x83, 0x01), kBlack, "4.49:1"}, {Rgb(0x7C, 0x72, 0x90), kWhite, "4.50:1"},  // 4.4999999, 4.5000006
        {Rgb(0xE9, 0x69, 0xA1), kBlack, "6.99:1"}, {Rgb(0x33, 0x64, 0x2C), kWhite, "7.00:1"},  // 6.9999995, 7.0000003
        {Rgb(0x5A, 0x5A, 0x5A), kWhite, "6.89:1"}, {Rgb(0x59, 0x59, 0x59), kWhite, "7.00:1"},  // 6.897, 7.005
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ContrastText(ContrastRatio(c.a, c.b)), c.text) << std::hex << c.a;
        EXPECT_EQ(ContrastRatio(c.a, c.b), ContrastRatio(c.b, c.a)) << std::hex << c.a;
    }
}

// Any double gives a short text: the double just below 21 still reads 21.00, and what no two
// colours give reads "?:1".
TEST(Contrast, TextOfAnyNumber) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const std::pair<double, const char*> cases[] = {
        {std::nextafter(21.0, 0.0), "21.00:1"}, {4.4999999, "4.49:1"}, {4.5, "4.50:1"}, {0.0, "0.00:1"},
        {999999999.99, "999999999.99:1"}, {1e9, "?:1"}, {-0.001, "?:1"}, {kInfinity, "?:1"},
        {-kInfinity, "?:1"}, {std::nan(""), "?:1"}, {std::numeric_limits<double>::max(), "?:1"},
    };
    for (const auto& [ratio, text] : cases) EXPECT_EQ(ContrastText(ratio), text) << ratio;
}

}  // namespace
