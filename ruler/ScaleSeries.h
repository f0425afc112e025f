#pragma once
#include <cstdint>
#include <vector>

#include "ruler/RulerUnit.h"

// One series of marks: a step in the unit's own measure, a tick length in pixels at 96 dpi
// and whether the marks are numbered.
struct ScaleSeries {
    double step = 0.0;
    int tickLength = 0;
    bool numbers = false;
};

// Pixels per unit of measure (per pixel, millimetre or inch).
struct UnitMetrics {
    double pixelsPerUnitX = 1.0;
    double pixelsPerUnitY = 1.0;
};

// The series a unit draws at the window's resolution, in drawing order; none for a unit
// outside the known three.
std::vector<ScaleSeries> SeriesFor(RulerUnit unit, std::int32_t zoom, int dpi);
// The unit's metrics at the window's resolution: pixels count device pixels, millimetres
// and inches follow the resolution.
UnitMetrics MetricsFor(RulerUnit unit, int dpi);
