#pragma once
#include <string>

#include "base/Color.h"
#include "ruler/readouts/ReadoutText.h"
#include "ruler/settings/RulerUnit.h"

// Which readouts the ruler shows at its size.
struct ShownReadouts {
    bool distance = false;
    bool position = false;
    bool color = false;
    bool contrast = false;
};

// What the readouts show, told to assistive technology with the numbers exactly as drawn:
// "Abstand 245 Pixel; Position 620, 100 Pixel; Farbe #3366CC (51, 102, 204)", with the third
// position line as " (360 Pixel)" and "; Kontrast 4.47:1" where they are shown; the parts of
// readouts not shown are left out.
std::string AccessibleValue(const ReadoutTexts& texts, RulerUnit unit, Color color, const ShownReadouts& shown);
