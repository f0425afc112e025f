// The readouts in words, for assistive technology.
#pragma once
#include <string>

#include "ruler/view/RulerPainter.h"

// The words of the accessible value, in the language of the run.
struct AccessibleWords {
    std::string distance, position, color, contrast, span;
    // The unit of the numbers; the centimetre unit's readouts count millimetres.
    std::string pixels, logicalPixels, millimetres, inches;
};

// What the readouts of `view` show, told to assistive technology with the numbers exactly as
// drawn, in German for example "Abstand 245 Pixel; Position 620, 100 Pixel; Farbe #3366CC (51,
// 102, 204)", with the third position line as " (360 Pixel)", "; Kontrast 4.47:1" and
// "; Spanne 120 × 32 Pixel" where they are shown. Readouts the ruler does not show at its size
// (a distance box as wide as its text may not fit, measured by `measure`) are left out.
std::string AccessibleValue(const RulerView& view, const TextMeasure& measure, const AccessibleWords& words);
