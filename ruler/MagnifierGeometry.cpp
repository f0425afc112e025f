#include "ruler/MagnifierGeometry.h"

#include <algorithm>
#include <cstdint>

#include "ruler/DpiScale.h"

namespace {

constexpr int kImageInset = 6;  // at 96 dpi

Rect ClampedRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    return {ClampToInt(left), ClampToInt(top), ClampToInt(right), ClampToInt(bottom)};
}

// Centre of the capture along one axis: the cursor, moved in so that a source of half size
// `half` stays on a monitor from `first` to `last` (both included). The lower bound is tested
// first, so a source wider than the monitor is centred at first + half for a cursor below it
// and at last - half otherwise.
std::int64_t CaptureCentre(std::int64_t cursor, std::int64_t half, std::int64_t first, std::int64_t last) {
    if (cursor < first + half) {
        return first + half;
    }
    if (cursor > last - half) {
        return last - half;
    }
    return cursor;
}

}  // namespace

MagnifierGeometry MagnifierGeometryFor(const Rect& pane, int factor, Point cursor, const Rect& monitor,
                                       int dpi) {
    const std::int64_t f = std::clamp(factor, kMinMagnifierFactor, kMaxMagnifierFactor);
    const int inset = Scaled(kImageInset, dpi);
    const std::int64_t l = std::int64_t{pane.left} + inset;
    const std::int64_t t = std::int64_t{pane.top} + inset;
    const std::int64_t w = std::int64_t{pane.right} - inset - l;
    const std::int64_t h = std::int64_t{pane.bottom} - inset - t;
    MagnifierGeometry geometry;
    geometry.image = ClampedRect(l, t, l + w, t + h);
    geometry.crosshair = {ClampToInt(l + w / 2), ClampToInt(t + h / 2)};

    // A pane of 1 to 12 pixels leaves an empty or inverted image rectangle; the bare
    // arithmetic would still copy a 1-pixel (or negative) source onto or beyond the frame.
    // Nothing is copied then: the frame and the crosshair alone show the pane.
    if (w <= 0 || h <= 0) {
        return geometry;
    }
    // One more than fits, so that the f-pixel blocks fill the image completely.
    const std::int64_t sw = w / f + 1;
    const std::int64_t sh = h / f + 1;
    const std::int64_t hw = sw / 2;
    const std::int64_t hh = sh / 2;
    const std::int64_t sx = CaptureCentre(cursor.x, hw, monitor.left, std::int64_t{monitor.right} - 1) - hw;
    const std::int64_t sy = CaptureCentre(cursor.y, hh, monitor.top, std::int64_t{monitor.bottom} - 1) - hh;
    geometry.source = ClampedRect(sx, sy, sx + sw, sy + sh);
    geometry.dest = ClampedRect(l, t, l + sw * f, t + sh * f);
    return geometry;
}
