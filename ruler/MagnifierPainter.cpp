#include "ruler/MagnifierPainter.h"

#include <algorithm>

#include "ruler/DpiScale.h"
#include "ruler/MagnifierGeometry.h"

namespace {

constexpr Color kFrameLight = 0xFFFFFF;
constexpr Color kFrameDark = 0x404040;
constexpr Color kFrameMiddle = 0x808080;
constexpr Color kCrosshair = Rgb(0, 0, 255);
constexpr int kCrosshairArm = 10;  // at 96 dpi

// True when `inner` lies wholly within `outer`.
bool Inside(const Rect& inner, const Rect& outer) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}

// Light on the left and top, dark outside and middle inside on the right and bottom. The
// outer right and bottom lines lie on x = right and y = bottom.
void DrawRaisedFrame(Canvas& canvas, const Rect& pane) {
    const Point topLeft{pane.left, pane.top};
    const Point topRight{pane.right, pane.top};
    const Point bottomLeft{pane.left, pane.bottom};
    const Point bottomRight{pane.right, pane.bottom};
    canvas.SelectPen(kFrameLight);
    canvas.Line(bottomLeft, topLeft);
    canvas.Line(topLeft, topRight);
    canvas.SelectPen(kFrameDark);
    canvas.Line(topRight, bottomRight);
    canvas.Line(bottomRight, bottomLeft);
    canvas.SelectPen(kFrameMiddle);
    const Point innerCorner{pane.right - 1, pane.bottom - 1};
    canvas.Line({pane.right - 1, pane.top + 1}, innerCorner);
    canvas.Line(innerCorner, {pane.left + 1, pane.bottom - 1});
}

// Two segments 20 pixels long (at 96 dpi) crossing at `centre`.
void DrawCrosshair(Canvas& canvas, Point centre, int dpi) {
    const int arm = Scaled(kCrosshairArm, dpi);
    canvas.SelectPen(kCrosshair);
    canvas.Line({centre.x, centre.y - arm}, {centre.x, centre.y + arm});
    canvas.Line({centre.x - arm, centre.y}, {centre.x + arm, centre.y});
}

}  // namespace

void DrawMagnifierPane(Canvas& canvas, const RulerView& view) {
    const Rect pane = view.layout.magnifier;
    if (pane.IsEmpty()) {
        return;
    }
    const MagnifierGeometry geometry =
        MagnifierGeometryFor(pane, view.magnifierFactor, view.lastCursor, view.monitor, view.dpi);
    const Rect clip = canvas.ClipBox();
    // The frame's right and bottom lines lie one pixel past the pane.
    if (!Rect{pane.left, pane.top, pane.right + 1, pane.bottom + 1}.Intersects(clip)) {
        return;
    }
    // The timer's repaint covers only the frame's inside: it leaves the one-pixel lines of
    // the frame as the last larger repaint drew them.
    if (!Inside(clip, pane.Inflated(-1, -1))) {
        DrawRaisedFrame(canvas, pane);
    }
    // The picture stays inside the frame: its last blocks are cut at the image's edge.
    if (geometry.Copies() && geometry.image.Intersects(clip)) {
        canvas.StretchFromScreen(geometry.dest, geometry.source, geometry.image);
    }
    DrawCrosshair(canvas, geometry.crosshair, view.dpi);
}
