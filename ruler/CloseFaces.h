#pragma once
#include "res/resource.h"

// The close button's faces, normal and pressed, drawn for each of these resolutions so that
// none is ever stretched; the button takes the size of its face.
struct CloseFace {
    int dpi;
    int normalId;
    int pressedId;
};

inline constexpr CloseFace kCloseFaces[] = {
    {96, IDB_CLOSE_UP, IDB_CLOSE_DOWN},
    {120, IDB_CLOSE_UP_120, IDB_CLOSE_DOWN_120},
    {144, IDB_CLOSE_UP_144, IDB_CLOSE_DOWN_144},
    {192, IDB_CLOSE_UP_192, IDB_CLOSE_DOWN_192},
};

// The faces for a window at `dpi`: those of the highest resolution not above it, the 96-dpi
// ones below that.
constexpr const CloseFace& CloseFaceFor(int dpi) {
    const CloseFace* chosen = &kCloseFaces[0];
    for (const CloseFace& face : kCloseFaces) {
        if (face.dpi <= dpi) chosen = &face;
    }
    return *chosen;
}
