#include "ruler/MagnifierGeometry.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kImageInset = 6;

Rect ClampedRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    return {ClampToInt(left), ClampToInt(top), ClampToInt(right), ClampToInt(bottom)};
}

// Centre of the capture along one axis: the cursor, moved in so that a source of half size
// `half` stays on a screen from 0 to `screenMax`. The lower bound is tested first, so a
// source wider than the screen is centred at `half` for a cursor below it and at
// screenMax - half otherwise.
std::int64_t CaptureCentre(std::int64_t cursor, std::int64_t half, std::int64_t screenMax) {
    if (cursor < half) {
        return half;
    }
    if (cursor > screenMax - half) {
        return screenMax - half;
    }
    return cursor;
}

}  // namespace

MagnifierGeometry MagnifierGeometryFor(const Rect& pane, int factor, Point cursor,
                                       Point screenMax) {
    const std::int64_t f = std::clamp(factor, kMinMagnifierFactor, kMaxMagnifierFactor);
    const std::int64_t l = std::int64_t{pane.left} + kImageInset;
    const std::int64_t t = std::int64_t{pane.top} + kImageInset;
    const std::int64_t w = std::int64_t{pane.right} - kImageInset - l;
    const std::int64_t h = std::int64_t{pane.bottom} - kImageInset - t;
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
    const std::int64_t sx = CaptureCentre(cursor.x, hw, screenMax.x) - hw;
    const std::int64_t sy = CaptureCentre(cursor.y, hh, screenMax.y) - hh;
    geometry.source = ClampedRect(sx, sy, sx + sw, sy + sh);
    geometry.dest = ClampedRect(l, t, l + sw * f, t + sh * f);
    return geometry;
}
