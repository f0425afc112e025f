#pragma once
#include "ruler/Canvas.h"
#include "ruler/RulerPainter.h"

// The three readout panes, drawn after the scale with the text colour black. Each draws
// nothing when its layout rule gives the empty rectangle, or when the paint cannot show it.

// Two arrows in the symbol font, then the cursor's x, y (and pixel x) in the dialog font.
void DrawPositionPane(Canvas& canvas, const RulerView& view);
// The cursor's distance from the ruler's left edge.
void DrawDistancePane(Canvas& canvas, const RulerView& view);
// The colour under the cursor in decimal and hexadecimal, and a swatch of it.
void DrawColorPane(Canvas& canvas, const RulerView& view);
