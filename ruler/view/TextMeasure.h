// Measuring text in the font of the scale and the readouts.
#pragma once
#include <string_view>

// Sizes of text in the font of the scale's numbers and the readouts, at the window's resolution.
struct TextMeasure {
    virtual ~TextMeasure() = default;
    virtual int TextWidth(std::string_view text) const = 0;
    // The height of one line.
    virtual int TextHeight() const = 0;
};
