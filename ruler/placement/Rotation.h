// Turning the ruler by 90 degrees about a point.
#pragma once
#include "base/Geometry.h"

// The window rectangle (screen pixels) after a double-click at `click` (screen pixels)
// turns the ruler by 90 degrees about that point: a wide window clockwise (its bottom edge
// becomes its left edge), a tall or square one counter-clockwise (its top edge becomes its
// left edge). Width and height swap; no size limit applies.
Rect RotatedWindowRect(const Rect& window, Point click);
