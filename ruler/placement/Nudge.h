// Moving and sizing the ruler with the arrow keys.
#pragma once
#include "base/Geometry.h"

// Placing the ruler to the pixel with the arrow keys.
enum class NudgeKey { Left, Right, Up, Down };

// The window rectangle (device pixels) after an arrow key: the ruler moves by one pixel, by
// ten with Shift. With Ctrl the key moves its right or bottom edge instead: Right and Down
// grow it, Left and Up shrink it, but never below `minimumSize`; a ruler already smaller
// (turned, its height now its width) only grows.
Rect NudgedWindowRect(const Rect& window, NudgeKey key, bool shift, bool ctrl, Point minimumSize);

// The window rectangle with its zero edge on `mouse`'s pixel: the left edge at its x for a ruler
// wider than high, the top edge at its y for a turned one; its size kept.
Rect ZeroedWindowRect(const Rect& window, Point mouse);
