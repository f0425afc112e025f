#pragma once
#include <cstdint>
#include <optional>

#include "ruler/view/Canvas.h"
#include "base/Color.h"
#include "base/Geometry.h"
#include "ruler/magnifier/MagnifierGeometry.h"
#include "ruler/layout/PaneLayout.h"
#include "ruler/view/Palette.h"
#include "ruler/readouts/ReadoutText.h"
#include "ruler/settings/RulerUnit.h"

// Everything one paint of the ruler reads, taken from the window at the moment of painting.
struct RulerView {
    Rect client;           // client rectangle, origin 0,0
    RulerUnit unit = UnitPixel;
    std::int32_t zoom = 100;
    int dpi = 96;          // the window's resolution: sizes of the layout, millimetres, inches
    PaneLayout layout;
    ReadoutTexts texts;    // what the readouts show
    Color color = 0xFFFFFFFF;         // the colour the readouts show, for the swatch
    std::optional<Color> reference;   // shown in the swatch's lower half
    MagnifierGeometry magnifier;      // where the magnifier copies from and to
    bool held = false;                // Space holds the readouts and the picture
    Rect heldSource;                  // the screen pixels of the held copy
    Rect picked;                      // the block picked in the held picture; empty when none
    Palette palette = kRulerColors;
};

// Paints the whole ruler: background, scale, readouts and magnifier, in that order.
void PaintRuler(Canvas& canvas, const RulerView& view);
