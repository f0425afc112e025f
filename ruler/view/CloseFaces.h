// The close button's faces for each drawn resolution.
#pragma once
#include "res/resource.h"
#include "ruler/view/DrawnResolutions.h"

// The close button's faces, normal and pressed, one pair for each drawn resolution, in its
// order from IDB_CLOSE_UP on; the button takes the size of its face.
struct CloseFace {
    int dpi;
    int normalId;
    int pressedId;
};

constexpr CloseFace CloseFaceFor(int dpi) {
    const std::size_t index = DrawnIndexFor(dpi);
    const int normal = IDB_CLOSE_UP + 2 * static_cast<int>(index);
    return {kDrawnDpis[index], normal, normal + 1};
}
