// Colours as the screen returns them.
#pragma once
#include <cstdint>

// A 32-bit colour as the screen returns it: red in the low byte, then green, then blue.
using Color = std::uint32_t;

constexpr Color Rgb(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}

// Red, green and blue of a colour; its fourth byte is ignored.
constexpr unsigned RedOf(Color color) { return color & 0xFFu; }
constexpr unsigned GreenOf(Color color) { return (color >> 8) & 0xFFu; }
constexpr unsigned BlueOf(Color color) { return (color >> 16) & 0xFFu; }
