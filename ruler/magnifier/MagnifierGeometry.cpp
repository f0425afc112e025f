// Where the magnifier copies from and to.
#include "ruler/magnifier/MagnifierGeometry.h"

#include <algorithm>
#include <cstdint>

#include "base/DpiScale.h"

namespace {

constexpr int kImageInset = 6;  // at 96 dpi

Rect ClampedRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    return {ClampToInt(left), ClampToInt(top), ClampToInt(right), ClampToInt(bottom)};
}

// The first pixel of a source `size` pixels long around `cursor` along one axis: the cursor in
// its middle, moved in to stay on a monitor from `first` to `last` (both included). The lower
// bound is tested first, so a source longer than the monitor starts at `first` for a cursor in
// its first half and ends at `last` otherwise.
std::int64_t SourceStart(std::int64_t cursor, std::int64_t size, std::int64_t first, std::int64_t last) {
    const std::int64_t start = cursor - size / 2;
    if (start < first) return first;
    return std::min(start, last + 1 - size);
}

// Blocks of `f` pixels that cover `length` pixels: the last one may be cut.
std::int64_t Blocks(std::int64_t length, std::int64_t f) { return (length + f - 1) / f; }

}  // namespace

MagnifierGeometry MagnifierGeometryFor(const Rect& pane, int factor, Point cursor, const Rect& monitor, int dpi) {
    const std::int64_t f = std::clamp(factor, kMinMagnifierFactor, kMaxMagnifierFactor);
    const int inset = Scaled(kImageInset, dpi);
    const std::int64_t l = std::int64_t{pane.left} + inset;
    const std::int64_t t = std::int64_t{pane.top} + inset;
    const std::int64_t w = std::int64_t{pane.right} - inset - l;
    const std::int64_t h = std::int64_t{pane.bottom} - inset - t;
    MagnifierGeometry geometry;
    geometry.factor = static_cast<int>(f);
    geometry.image = ClampedRect(l, t, l + w, t + h);
    geometry.crosshair = {ClampToInt(l + w / 2), ClampToInt(t + h / 2)};

    // A pane of 1 to 12 pixels leaves an empty or inverted image rectangle; the bare
    // arithmetic would still copy a 1-pixel (or negative) source onto or beyond the frame.
    // Nothing is copied then: the frame and the crosshair alone show the pane.
    if (w <= 0 || h <= 0) {
        return geometry;
    }
    // As many pixels as the image shows, the last column and row perhaps cut.
    const std::int64_t sw = Blocks(w, f);
    const std::int64_t sh = Blocks(h, f);
    const std::int64_t sx = SourceStart(cursor.x, sw, monitor.left, std::int64_t{monitor.right} - 1);
    const std::int64_t sy = SourceStart(cursor.y, sh, monitor.top, std::int64_t{monitor.bottom} - 1);
    geometry.source = ClampedRect(sx, sy, sx + sw, sy + sh);
    geometry.dest = ClampedRect(l, t, l + sw * f, t + sh * f);
    // The cursor's pixel is the source's middle one unless the monitor's edge held the source.
    const std::int64_t left = l + std::clamp<std::int64_t>(cursor.x - sx, 0, sw - 1) * f;
    const std::int64_t top = t + std::clamp<std::int64_t>(cursor.y - sy, 0, sh - 1) * f;
    geometry.cursorBlock = ClampedRect(left, top, left + f, top + f);
    geometry.crosshair = {ClampToInt(std::min(left + f / 2, l + w - 1)), ClampToInt(std::min(top + f / 2, t + h - 1))};
    return geometry;
}

std::optional<Point> SourcePixelAt(const MagnifierGeometry& geometry, Point point) {
    if (!geometry.Copies() || !geometry.image.Contains(point)) return std::nullopt;
    const int f = geometry.factor;
    return Point{geometry.source.left + (point.x - geometry.dest.left) / f,
                 geometry.source.top + (point.y - geometry.dest.top) / f};
}

Rect BlockOf(const MagnifierGeometry& geometry, Point pixel) {
    const int f = geometry.factor;
    const std::int64_t left = geometry.dest.left + (std::int64_t{pixel.x} - geometry.source.left) * f;
    const std::int64_t top = geometry.dest.top + (std::int64_t{pixel.y} - geometry.source.top) * f;
    return ClampedRect(left, top, left + f, top + f).Intersection(geometry.image);
}

std::vector<Rect> GridLines(const MagnifierGeometry& geometry) {
    std::vector<Rect> lines;
    if (!geometry.Copies() || geometry.factor < kMinGridFactor) return lines;
    const Rect& image = geometry.image;
    for (int x = geometry.dest.left; x < image.right; x += geometry.factor)
        lines.push_back({x, image.top, x + 1, image.bottom});
    for (int y = geometry.dest.top; y < image.bottom; y += geometry.factor)
        lines.push_back({image.left, y, image.right, y + 1});
    return lines;
}
