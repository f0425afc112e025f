// Painting the span: its box, its ends on the scale and in the magnified picture.
#pragma once
#include <vector>

#include "ruler/magnifier/MagnifierGeometry.h"
#include "ruler/view/Canvas.h"
#include "ruler/view/RulerPainter.h"

// The span in its framed box with its unit, beside the distance, or the tolerance just set ("±24")
// for a moment; nothing without either.
void DrawSpanPane(Canvas& canvas, const RulerView& view);

// The ends of the span along the ruler's axis where they fall within its extent: a small marker
// in the span's colour at each, on both edges of that axis, just outside the span.
void DrawSpanMarkers(Canvas& canvas, const RulerView& view);

// Where the span's ends, across (`x`) and down (`y`, screen pixels), lie in the magnified picture
// `g`: a line of one pixel along each edge the picture shows, cut at the picture's edge.
std::vector<Rect> SpanEdgesInPicture(const MagnifierGeometry& g, const PixelRun& x, const PixelRun& y);
