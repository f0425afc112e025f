// Points and rectangles in pixels.
#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>
// Points and rectangles in pixels. Right and bottom are exclusive, as in Win32.

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(Point a, Point b) { return !(a == b); }
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // No area: right <= left or bottom <= top (IsRectEmpty).
    bool IsEmpty() const { return right <= left || bottom <= top; }
    // left <= x < right and top <= y < bottom (PtInRect).
    bool Contains(Point p) const { return left <= p.x && p.x < right && top <= p.y && p.y < bottom; }
    // `inner` lies wholly within this rectangle.
    bool Contains(const Rect& inner) const {
        return left <= inner.left && inner.right <= right && top <= inner.top && inner.bottom <= bottom;
    }
    // Grown by dx, dy on every side; negative values shrink (InflateRect).
    Rect Inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    bool Intersects(const Rect& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    // The part of both; empty (perhaps inverted) when they do not meet.
    Rect Intersection(const Rect& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    }

    friend bool operator==(const Rect& a, const Rect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }
};

// A coordinate computed in 64 bits, held to the int range so that arithmetic far out on the
// plane ends at the nearest representable place instead of overflowing.
inline int ClampToInt(std::int64_t value) {
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
