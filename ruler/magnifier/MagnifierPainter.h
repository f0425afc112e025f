// Painting the magnifier.
#pragma once
#include "ruler/view/Canvas.h"
#include "ruler/view/RulerPainter.h"

// The magnifier pane, drawn last: a raised frame, the screen around the cursor enlarged by the
// view's factor (from factor 6 up with a grid), a crosshair of a blue line beside a light one
// across the picture through the cursor's pixel, and the factor in the picture's corner. While
// Space holds, the held copy with a red crosshair, and the picked block outlined. Nothing when
// the pane is not shown or the paint cannot touch any of it; nothing outside the pane.
void DrawMagnifierPane(Canvas& canvas, const RulerView& view);
