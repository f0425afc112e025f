// Where the magnifier copies from and to, and which screen pixel a point of its picture shows.
#pragma once
#include <optional>
#include <vector>

#include "base/Geometry.h"
#include "ruler/settings/RulerSettings.h"

// Where the magnifier copies from and to for one paint.
struct MagnifierGeometry {
    int factor = 1;    // each screen pixel becomes a block of factor by factor pixels
    Rect image;        // the pane shrunk by 6: the area the picture is meant to fill
    Rect source;       // screen pixels around the cursor; empty when nothing is copied
    Rect dest;         // client pixels, exactly factor times the source, reaching past the image
                       // by less than a block; empty likewise
    Rect cursorBlock;  // the block the cursor's pixel becomes; empty likewise
    Point crosshair;   // centre of the cursor's block, kept in the image; of the image without a copy

    // False while the image rectangle has no area (panes 1 to 12 pixels wide or high).
    bool Copies() const { return !source.IsEmpty(); }
};

// The capture for `pane` (a non-empty magnifier pane) at `factor` around `cursor`, kept on
// `monitor` (virtual-screen pixels), at the window's resolution `dpi`. A factor outside the
// slider's range is brought into it.
MagnifierGeometry MagnifierGeometryFor(const Rect& pane, int factor, Point cursor, const Rect& monitor, int dpi);

// The screen pixel shown at `point` (client pixels) of the picture, or none outside it. A
// point on a grid line belongs to the block the line starts.
std::optional<Point> SourcePixelAt(const MagnifierGeometry& geometry, Point point);
// The block a screen pixel of the source becomes, cut at the image's edge.
Rect BlockOf(const MagnifierGeometry& geometry, Point pixel);

// From factor 6 up, the grid: a line of one pixel on each block's first column and first row,
// within the image. None below 6 or without a picture.
constexpr int kMinGridFactor = 6;
std::vector<Rect> GridLines(const MagnifierGeometry& geometry);
