// The series of marks each unit draws, and where a mark stands.
#include "ruler/scale/ScaleSeries.h"

#include <algorithm>
#include <cmath>

#include "base/DpiScale.h"

namespace {

// Multiplied by the dots per inch it gives the pixels per millimetre.
constexpr double kInchesPerMillimetre = 0.03937007874015748;

}  // namespace

std::vector<ScaleSeries> SeriesFor(RulerUnit unit, std::int32_t zoom, int dpi) {
    switch (unit) {
    case UnitPixel: {
        // Device pixels, marked every 5, 10, 50 and 100 at 96 dpi. At higher resolutions the
        // steps grow by whole factors (the resolution over 96, rounded), so that every mark
        // still falls on a round number of device pixels and the numbers keep their room.
        const double k = std::max(1, Scaled(1, dpi));
        return {{5 * k, 3, false}, {10 * k, 5, false}, {50 * k, 8, false}, {100 * k, 10, true}};
    }
    case UnitCentimetre: {
        // Steps in millimetres scaled by zoom / 100: 1 mm, 5 mm and 1 cm at zoom 100.
        const double z = zoom;
        return {{z * 0.01, 5, false}, {z * 0.05, 8, false}, {z * 0.1, 10, true}};
    }
    case UnitInch: return {{0.125, 3, false}, {0.25, 5, false}, {0.5, 8, false}, {1.0, 10, true}};
    case UnitLogical: return {{5, 3, false}, {10, 5, false}, {50, 8, false}, {100, 10, true}};
    }
    return {};
}

UnitMetrics MetricsFor(RulerUnit unit, int dpi) {
    switch (unit) {
    case UnitCentimetre: return {dpi * kInchesPerMillimetre, dpi * kInchesPerMillimetre};
    case UnitInch: return {static_cast<double>(dpi), static_cast<double>(dpi)};
    case UnitLogical: {
        const double perLogical = static_cast<double>(dpi) / kBaseDpi;
        return {perLogical, perLogical, dpi};
    }
    case UnitPixel: break;
    }
    return {1.0, 1.0};
}

double MarkOffset(double q, double pixelsPerUnit, const UnitMetrics& metrics) {
    // The marks of logical pixels fall on whole numbers; beyond the int range they are past
    // any edge anyway.
    if (metrics.logicalDpi > 0 && std::abs(q) < 1e9) return Rescaled(static_cast<int>(q), kBaseDpi, metrics.logicalDpi);
    return std::trunc(q * pixelsPerUnit);
}
