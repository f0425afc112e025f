// Colour texts for the clipboard, and the contrast of two colours.
#include "ruler/colour/ColorFormats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Wide enough for every text below; snprintf cuts anything longer rather than overrun.
using TextBuffer = char[32];

constexpr int kFull = 255;  // a channel at its brightest

struct Channels {
    int red, green, blue;
};

Channels ChannelsOf(Color color) { return {int(RedOf(color)), int(GreenOf(color)), int(BlueOf(color))}; }

struct Hsl {
    int hue, saturation, lightness;
};

// p / q to the nearest whole number, an exact half up; p >= 0, q > 0.
int RoundedQuotient(int p, int q) { return (2 * p + q) / (2 * q); }

// The hue in sixths of a turn, times the chroma: within [0, 6 * chroma).
int HueSixths(Channels c, int top, int chroma) {
    if (top == c.red) return c.green - c.blue + (c.green < c.blue ? 6 * chroma : 0);
    if (top == c.green) return c.blue - c.red + 2 * chroma;
    return c.red - c.green + 4 * chroma;
}

// Hue, saturation and lightness as exact fractions of integers, rounded once: computed in
// doubles, 42.5 % can come out as 42.4999... and read 42.
Hsl HslOf(Channels c) {
    const int top = std::max({c.red, c.green, c.blue}), bottom = std::min({c.red, c.green, c.blue});
    const int chroma = top - bottom, sum = top + bottom;
    const int lightness = RoundedQuotient(100 * sum, 2 * kFull);
    if (chroma == 0) return {0, 0, lightness};
    const int saturation = RoundedQuotient(100 * chroma, sum <= kFull ? sum : 2 * kFull - sum);
    const int hue = RoundedQuotient(60 * HueSixths(c, top, chroma), chroma) % 360;  // 359.5 is 0
    return {hue, saturation, lightness};
}

// A channel's share of full light, as WCAG 2 linearises sRGB (with its 0.03928).
double Linear(int channel) {
    const double c = channel / double(kFull);
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(Color color) {
    const Channels c = ChannelsOf(color);
    return 0.2126 * Linear(c.red) + 0.7152 * Linear(c.green) + 0.0722 * Linear(c.blue);
}

}  // namespace

std::string ColorText(Color color, ColorFormat format) {
    const Channels c = ChannelsOf(color);
    TextBuffer text;
    switch (format) {
    case ColorFormat::HexBare: std::snprintf(text, sizeof text, "%02X%02X%02X", c.red, c.green, c.blue); return text;
    case ColorFormat::Rgb: std::snprintf(text, sizeof text, "rgb(%d, %d, %d)", c.red, c.green, c.blue); return text;
    case ColorFormat::Hsl: {
        const Hsl hsl = HslOf(c);
        std::snprintf(text, sizeof text, "hsl(%d, %d%%, %d%%)", hsl.hue, hsl.saturation, hsl.lightness);
        return text;
    }
    case ColorFormat::Decimal: std::snprintf(text, sizeof text, "%d, %d, %d", c.red, c.green, c.blue); return text;
    case ColorFormat::Hex: break;
    }
    std::snprintf(text, sizeof text, "#%02X%02X%02X", c.red, c.green, c.blue);
    return text;
}

double ContrastRatio(Color a, Color b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string ContrastText(double ratio) {
    // Colours give 1 to 21; the bound keeps the text short and the hundredths exact.
    if (!(ratio >= 0 && ratio < 1e9)) return "?:1";
    // A billionth of a hundredth absorbs the division's error: black and white stay 21.00.
    const long long hundredths = static_cast<long long>(std::floor(ratio * 100 + 1e-9));
    TextBuffer text;
    std::snprintf(text, sizeof text, "%lld.%02lld:1", hundredths / 100, hundredths % 100);
    return text;
}
