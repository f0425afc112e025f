// The units the ruler measures in.
#pragma once
#include <cstdint>

// Unit of the scale and the readouts; the values are the ones kept in memory.
enum RulerUnit : std::int32_t {
    UnitPixel = 1,
    UnitCentimetre = 2,
    UnitInch = 3,
    UnitLogical = 4,  // logical pixels: dpi / 96 device pixels each, as applications size things
};

// A unit as the ruler measures in it: at the window's resolution `dpi`, its centimetres
// calibrated by `zoom` (percent) to the monitor's real size.
struct UnitOfMeasure {
    RulerUnit unit = UnitPixel;
    int dpi = 96;
    std::int32_t zoom = 100;
};
