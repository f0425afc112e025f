#include "ruler/ScaleSeries.h"

namespace {

// Multiplied by the dots per inch it gives the pixels per millimetre.
constexpr double kInchesPerMillimetre = 0.03937007874015748;

}  // namespace

std::vector<ScaleSeries> SeriesFor(RulerUnit unit, std::int32_t zoom) {
    switch (unit) {
    case UnitPixel:
        return {{5, 3, false}, {10, 5, false}, {50, 8, false}, {100, 10, true}};
    case UnitCentimetre: {
        // Steps in millimetres scaled by zoom / 100: 1 mm, 5 mm and 1 cm at zoom 100.
        const double z = zoom;
        return {{z * 0.01, 5, false}, {z * 0.05, 8, false}, {z * 0.1, 10, true}};
    }
    case UnitInch:
        return {{0.125, 3, false}, {0.25, 5, false}, {0.5, 8, false}, {1.0, 10, true}};
    }
    return {};
}

UnitMetrics MetricsFor(RulerUnit unit, int dpiX, int dpiY) {
    switch (unit) {
    case UnitCentimetre:
        return {dpiX * kInchesPerMillimetre, dpiY * kInchesPerMillimetre};
    case UnitInch:
        return {static_cast<double>(dpiX), static_cast<double>(dpiY)};
    case UnitPixel:
        break;
    }
    return {1.0, 1.0};
}
