// Everything one paint of the ruler reads, and painting it.
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
    Rect client;            // client rectangle, origin 0,0
    Point origin;           // where the client area's top-left corner is on the screen
    UnitOfMeasure measure;  // the unit, the window's resolution (for every size too) and the zoom
    PaneLayout layout;
    ReadoutTexts texts;              // what the readouts show
    ReadoutSubject subject;          // what the readouts show: the point, its colour for the swatch, its spans
    std::optional<Color> reference;  // shown in the swatch's lower half
    MagnifierGeometry magnifier;     // where the magnifier copies from and to
    bool held = false;               // Space holds the readouts and the picture
    Rect heldSource;                 // the screen pixels of the held copy
    Rect picked;                     // the block picked in the held picture; empty when none
    std::optional<int> tolerance;    // the edge tolerance just set, shown in the span's box for a moment
    Palette palette = kRulerColors;
};

// Paints the whole ruler: background, scale, readouts and magnifier, in that order.
void PaintRuler(Canvas& canvas, const RulerView& view);
