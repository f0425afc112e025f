// Turning the ruler about a point.
#include "ruler/placement/Rotation.h"

#include <cstdint>

Rect RotatedWindowRect(const Rect& window, Point click) {
    const std::int64_t px = click.x;
    const std::int64_t py = click.y;
    const std::int64_t width = std::int64_t{window.right} - window.left;
    const std::int64_t height = std::int64_t{window.bottom} - window.top;
    const bool wide = width > height;
    const std::int64_t left = wide ? px + py - window.bottom : px - py + window.top;
    const std::int64_t top = wide ? py - px + window.left : px + py - window.right;
    return {ClampToInt(left), ClampToInt(top), ClampToInt(left + height), ClampToInt(top + width)};
}
