#pragma once
#include <vector>

#include "ruler/Geometry.h"

// The monitor (from `monitors`, in virtual-screen pixels, which may lie left of or above the
// primary monitor's origin) that holds `point`, or the one nearest to it when the point lies
// between or outside them. The empty rectangle when there are none.
Rect MonitorAt(Point point, const std::vector<Rect>& monitors);
