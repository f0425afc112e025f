#pragma once
#include <cstdint>

// Unit of the scale and the readouts; the values are the ones kept in memory.
enum RulerUnit : std::int32_t {
    UnitPixel = 1,
    UnitCentimetre = 2,
    UnitInch = 3,
    UnitLogical = 4,  // logical pixels: dpi / 96 device pixels each, as applications size things
};
