#include "ruler/layout/RulerLayout.h"

#include <cstdint>

#include "base/DpiScale.h"

Rect AlphaSliderRect(int dpi) { return {Scaled(10, dpi), Scaled(10, dpi), Scaled(80, dpi), Scaled(25, dpi)}; }

Point CloseButtonOrigin(int windowWidth, int buttonWidth, int dpi) {
    const int inset = Scaled(5, dpi);
    return {ClampToInt(std::int64_t{windowWidth} - buttonWidth - inset), inset};
}

Point MinimumTrackSize(int dpi) { return {Scaled(45, dpi), Scaled(40, dpi)}; }

int DialogFontHeight(int dpi) {
    constexpr int kPointsPerInch = 72;
    return -Rescaled(8, kPointsPerInch, dpi);
}

