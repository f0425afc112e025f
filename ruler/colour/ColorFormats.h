// Colour texts for the clipboard, and the contrast of two colours.
#pragma once
#include <string>

#include "base/Color.h"

// The texts a colour can be copied to the clipboard as.
enum class ColorFormat { Hex, HexBare, Rgb, Hsl, Decimal };

// The colour in `format`, for red 51, green 102, blue 204: "#3366CC", "3366CC",
// "rgb(51, 102, 204)", "hsl(220, 60%, 50%)" or "51, 102, 204". Hue in whole degrees 0-359,
// saturation and lightness in whole percent, each rounded exactly, halves up; a grey has hue 0
// and saturation 0%. The fourth byte is ignored; a format outside the five gives the "#RRGGBB".
std::string ColorText(Color color, ColorFormat format);

// The WCAG 2 contrast ratio of two colours, from 1 (equally light) to 21 (black and white);
// the order of the two does not matter. The fourth bytes are ignored.
double ContrastRatio(Color a, Color b);

// The ratio cut, not rounded, to two decimals, as "4.47:1": a ratio just below a threshold
// never reads as reaching it. Anything that is not a number from 0 up to a billion reads "?:1".
std::string ContrastText(double ratio);
