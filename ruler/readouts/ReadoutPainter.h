// Painting the readouts in their framed boxes.
#pragma once
#include <utility>
#include <vector>

#include "ruler/view/Canvas.h"
#include "ruler/view/RulerPainter.h"

// The readouts, each in a framed box of its own colour, drawn over the scale. Each draws
// nothing when the layout does not show it, or when the paint cannot touch it.

// Arrows for x and y, then the cursor's x, y (and pixel x), each with its unit.
void DrawPositionPane(Canvas& canvas, const RulerView& view);
// A box of the palette's box colour with a one-pixel frame in the scale's colour, which sets a
// readout apart from the scale's numbers.
void DrawFramedBox(Canvas& canvas, const Rect& box, const Palette& palette);
// The cursor's distance from the ruler's zero edge, with its unit.
void DrawDistancePane(Canvas& canvas, const RulerView& view);
// The colour in decimal and hexadecimal and a framed swatch of it; with a reference colour,
// the reference in the swatch's lower half and the contrast of the two as a third line.
void DrawColorPane(Canvas& canvas, const RulerView& view);

// The strokes of the arrow that marks a position line, in a line of text `lineHeight` high
// whose top-left corner is `origin`: a shaft with a head at each end, left-right for x,
// up-down for y. Each runs from its first point up to, not including, its second.
std::vector<std::pair<Point, Point>> ArrowStrokes(Point origin, bool vertical, int lineHeight, int dpi);
