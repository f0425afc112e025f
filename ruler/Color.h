#pragma once
#include <cstdint>

// A 32-bit colour as the screen returns it: red in the low byte, then green, then blue.
using Color = std::uint32_t;

constexpr Color Rgb(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}

constexpr Color kRulerBackground = Rgb(0, 255, 255);
constexpr Color kTickColor = Rgb(64, 64, 64);
