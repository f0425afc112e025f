#pragma once
#include "ruler/Canvas.h"
#include "ruler/RulerPainter.h"

// The magnifier pane, drawn last: a raised frame, the screen around the cursor enlarged by
// the view's factor, and a blue crosshair at its centre. Nothing when the pane is not shown
// or the paint cannot touch any of it.
void DrawMagnifierPane(Canvas& canvas, const RulerView& view);
