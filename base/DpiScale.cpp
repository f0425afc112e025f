// Bringing the 96-dpi layout to another resolution.
#include "base/DpiScale.h"

#include <cstdint>

#include "base/Geometry.h"

namespace {

int Usable(int dpi) { return dpi > 0 ? dpi : kBaseDpi; }

}  // namespace

int Rescaled(int value, int fromDpi, int toDpi) {
    const std::int64_t product = std::int64_t{value} * Usable(toDpi);
    const std::int64_t divisor = Usable(fromDpi);
    const std::int64_t half = divisor / 2;
    return ClampToInt((product >= 0 ? product + half : product - half) / divisor);
}
