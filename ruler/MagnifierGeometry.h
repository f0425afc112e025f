#pragma once
#include "ruler/Geometry.h"

// The magnifier's factor range, as its slider offers it.
constexpr int kMinMagnifierFactor = 1;
constexpr int kMaxMagnifierFactor = 20;

// Where the magnifier copies from and to for one paint.
struct MagnifierGeometry {
    Rect image;       // the pane shrunk by 6: the area the picture is meant to fill
    Rect source;      // screen pixels around the cursor; empty when nothing is copied
    Rect dest;        // client pixels, exactly factor times the source, reaching past the image
                      // by less than a block; empty likewise
    Rect cursorBlock;  // the block the cursor's pixel becomes; empty likewise
    Point crosshair;  // centre of the cursor's block, kept in the image; of the image without a copy

    // False while the image rectangle has no area (panes 1 to 12 pixels wide or high).
    bool Copies() const { return !source.IsEmpty(); }
};

// The capture for `pane` (a non-empty magnifier pane) at `factor` around `cursor`, kept on
// `monitor` (virtual-screen pixels), at the window's resolution `dpi`. A factor outside the
// slider's range is brought into it.
MagnifierGeometry MagnifierGeometryFor(const Rect& pane, int factor, Point cursor, const Rect& monitor,
                                       int dpi);
