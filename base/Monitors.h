// Monitor areas, their work areas and resolutions.
#pragma once
#include <vector>

#include "base/Geometry.h"

// A monitor, its work area (the monitor without the taskbar) and its resolution, in
// virtual-screen pixels, which may lie left of or above the primary monitor's origin.
struct MonitorArea {
    Rect monitor;
    Rect work;
    int dpi = 96;
};

// The rectangle of the monitor (from `monitors`) that holds `point`, or of the one nearest to
// it when the point lies between or outside them. The empty rectangle when there are none.
Rect MonitorAt(Point point, const std::vector<MonitorArea>& monitors);
