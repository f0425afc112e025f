// The series of marks each unit draws, and where a mark stands.
#pragma once
#include <cstdint>
#include <vector>

#include "ruler/settings/RulerUnit.h"

// One series of marks: a step in the unit's own measure, a tick length in pixels at 96 dpi
// and whether the marks are numbered.
struct ScaleSeries {
    double step = 0.0;
    int tickLength = 0;
    bool numbers = false;
};

// Pixels per unit of measure (per pixel, logical pixel, millimetre or inch).
struct UnitMetrics {
    double pixelsPerUnitX = 1.0;
    double pixelsPerUnitY = 1.0;
    // For logical pixels, the resolution that places their marks exactly (MarkOffset); 0 for
    // the other units.
    int logicalDpi = 0;
};

// Device pixels from the zero edge to the mark at `q` (in the unit's measure): logical pixels
// round q × dpi / 96 in whole numbers, halves away from zero, as their readouts do; the other
// units truncate q × pixelsPerUnit. Nothing rounded is carried from one mark to the next.
double MarkOffset(double q, double pixelsPerUnit, const UnitMetrics& metrics);

// The series a unit draws at the window's resolution, in drawing order; none for a unit
// outside the known three.
std::vector<ScaleSeries> SeriesFor(RulerUnit unit, std::int32_t zoom, int dpi);
// The unit's metrics at the window's resolution: pixels count device pixels, logical pixels,
// millimetres and inches follow the resolution.
UnitMetrics MetricsFor(RulerUnit unit, int dpi);
