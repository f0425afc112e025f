// The zones of the ruler's surface under the mouse.
#include "ruler/input/HitTest.h"

#include "base/DpiScale.h"

namespace {

constexpr int kCornerTolerance = 8;
constexpr int kEdgeTolerance = 5;
constexpr int kBandDepth = 20;

// Signed distance of `value` past `edge`, free of overflow.
std::int64_t Past(int value, int edge) { return std::int64_t{value} - edge; }

// edge - tolerance < value < edge + tolerance
bool Near(int value, int edge, int tolerance) {
    const std::int64_t d = Past(value, edge);
    return -tolerance < d && d < tolerance;
}

// from <= value <= from + depth, both ends included
bool WithinDepth(std::int64_t pastEdge, int depth) { return 0 <= pastEdge && pastEdge <= depth; }

}  // namespace

RulerZone HitTestRuler(Point cursor, const Rect& window, const Rect& closeButton, int dpi) {
    const int x = cursor.x;
    const int y = cursor.y;
    const auto& [left, top, right, bottom] = window;
    if (closeButton.Contains(cursor)) {
        return ZoneCloseButton;
    }
    const int corner = Scaled(kCornerTolerance, dpi);
    const int edge = Scaled(kEdgeTolerance, dpi);
    const int band = Scaled(kBandDepth, dpi);
    const bool cornerLeft = Near(x, left, corner);
    const bool cornerRight = Near(x, right, corner);
    const bool cornerTop = Near(y, top, corner);
    const bool cornerBottom = Near(y, bottom, corner);
    if (cornerLeft && cornerTop) return ZoneTopLeft;
    if (cornerLeft && cornerBottom) return ZoneBottomLeft;
    if (cornerRight && cornerTop) return ZoneTopRight;
    if (cornerRight && cornerBottom) return ZoneBottomRight;
    if (Near(y, top, edge)) return ZoneTop;
    if (Near(y, bottom, edge)) return ZoneBottom;
    if (Near(x, left, edge)) return ZoneLeft;
    if (Near(x, right, edge)) return ZoneRight;
    if (WithinDepth(Past(y, top), band)) return ZoneBandTop;
    if (WithinDepth(-Past(y, bottom), band)) return ZoneBandBottom;
    if (WithinDepth(Past(x, left), band)) return ZoneBandLeft;
    if (WithinDepth(-Past(x, right), band)) return ZoneBandRight;
    return ZoneCaption;
}

ZoneCursor CursorForZone(RulerZone zone) {
    switch (zone) {
    case ZoneLeft:
    case ZoneRight: return ZoneCursor::SizeWE;
    case ZoneTop:
    case ZoneBottom: return ZoneCursor::SizeNS;
    case ZoneTopLeft:
    case ZoneBottomRight: return ZoneCursor::SizeNWSE;
    case ZoneTopRight:
    case ZoneBottomLeft: return ZoneCursor::SizeNESW;
    case ZoneBandTop: return ZoneCursor::ReadTop;
    case ZoneBandBottom: return ZoneCursor::ReadBottom;
    case ZoneBandLeft: return ZoneCursor::ReadLeft;
    case ZoneBandRight: return ZoneCursor::ReadRight;
    case ZoneCloseButton:
    case ZoneCaption: break;
    }
    return ZoneCursor::Default;
}

RulerZone PressZone(RulerZone zone) {
    switch (zone) {
    case ZoneBandTop:
    case ZoneBandBottom:
    case ZoneBandLeft:
    case ZoneBandRight: return ZoneCaption;
    default: return zone;
    }
}
