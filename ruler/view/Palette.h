// The colours the ruler paints itself in.
#pragma once
#include "base/Color.h"

// The colours the ruler paints itself in. The swatch, the magnified picture and its grid keep
// their true colours in any palette.
struct Palette {
    Color surface = Rgb(0, 255, 255);  // the ruler, and the magnifier's picture beyond a held copy
    Color ink = Rgb(64, 64, 64);       // ticks, the scale's numbers and the readouts' frames
    Color box = Rgb(255, 255, 255);    // the readouts' boxes, and the light line beside the crosshair
    Color text = Rgb(0, 0, 0);         // the readouts, their arrows and the swatch's frame
    Color crosshair = Rgb(0, 0, 255);
    Color heldCrosshair = Rgb(255, 0, 0);  // while Space holds
    Color spanEnds = Rgb(255, 0, 255);     // the span's ends on the scale and in the picture
};

// The ruler's own colours: cyan, with dark grey ticks.
constexpr Palette kRulerColors{};

// While Windows' high contrast is on: the system's window colour for the surface and the boxes,
// its window-text colour for everything drawn on them, its highlight colour for the crosshair
// and the span's ends, and its hot-light colour for a held crosshair.
constexpr Palette HighContrastPalette(Color window, Color windowText, Color highlight, Color hotLight) {
    return {window, windowText, window, windowText, highlight, hotLight, highlight};
}
