// Painting the magnifier: frame, picture, grid and crosshair.
#include "ruler/magnifier/MagnifierPainter.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "base/DpiScale.h"
#include "ruler/magnifier/MagnifierGeometry.h"
#include "ruler/readouts/ReadoutPainter.h"
#include "ruler/spans/SpanPainter.h"

namespace {

constexpr Color kFrameLight = 0xFFFFFF;
constexpr Color kFrameDark = 0x404040;
constexpr Color kFrameMiddle = 0x808080;
constexpr std::string_view kTimes = "\xC3\x97";  // "×" in UTF-8

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

// Lines across the whole picture through the cursor's block, which they leave to be seen: a line
// of `dark` with one of `light` beside it, so that the crosshair shows on any picture.
void DrawCrosshair(Canvas& canvas, const MagnifierGeometry& g, Color dark, Color light) {
    const Rect& image = g.image;
    const Point c = g.crosshair;
    const Rect block = g.cursorBlock.IsEmpty() ? Rect{c.x, c.y, c.x + 1, c.y + 1} : g.cursorBlock;
    for (const auto& [offset, color] : {std::pair{1, light}, std::pair{0, dark}}) {
        const int x = c.x + offset, y = c.y + offset;
        for (const Rect& line : {Rect{image.left, y, block.left, y + 1}, Rect{block.right, y, image.right, y + 1},
                                 Rect{x, image.top, x + 1, block.top}, Rect{x, block.bottom, x + 1, image.bottom}})
            canvas.Fill(line.Intersection(image), color);
    }
}

// The factor, "×6", in a small framed label in the picture's top-left corner; none in a picture
// too small for it.
void DrawFactor(Canvas& canvas, const RulerView& view) {
    const std::string text = std::string(kTimes) + std::to_string(view.magnifier.factor);
    const int inset = view.layout.boxInset;
    const Rect& image = view.magnifier.image;
    const Rect label{image.left, image.top, image.left + canvas.TextWidth(text) + 2 * inset,
                     image.top + canvas.TextHeight() + 2 * inset};
    if (!image.Contains(label)) return;
    DrawFramedBox(canvas, label, view.palette);
    canvas.TextAt({label.left + inset, label.top + inset}, text);
}

// The held copy at the current factor: the pane's background where the picture now reaches
// beyond it.
void DrawHeldPicture(Canvas& canvas, const MagnifierGeometry& g, const Rect& held, Color background) {
    canvas.Fill(g.image, background);
    const Rect part = g.source.Intersection(held);
    if (part.IsEmpty()) return;
    const int f = g.factor;
    const int left = g.dest.left + (part.left - g.source.left) * f;
    const int top = g.dest.top + (part.top - g.source.top) * f;
    canvas.StretchFromCopy({left, top, left + part.Width() * f, top + part.Height() * f}, part, g.image);
}

// A one-pixel outline just inside `block`.
void DrawOutline(Canvas& canvas, const Rect& block, Color color) {
    canvas.Fill({block.left, block.top, block.right, block.top + 1}, color);
    canvas.Fill({block.left, block.bottom - 1, block.right, block.bottom}, color);
    canvas.Fill({block.left, block.top, block.left + 1, block.bottom}, color);
    canvas.Fill({block.right - 1, block.top, block.right, block.bottom}, color);
}

}  // namespace

void DrawMagnifierPane(Canvas& canvas, const RulerView& view) {
    const Rect pane = view.layout.magnifier;
    if (pane.IsEmpty()) {
        return;
    }
    const MagnifierGeometry& geometry = view.magnifier;
    const Rect clip = canvas.ClipBox();
    // The frame's right and bottom lines lie one pixel past the pane.
    if (!Rect{pane.left, pane.top, pane.right + 1, pane.bottom + 1}.Intersects(clip)) {
        return;
    }
    // The timer's repaint covers only the frame's inside: it leaves the one-pixel lines of
    // the frame as the last larger repaint drew them.
    if (!pane.Inflated(-1, -1).Contains(clip)) {
        DrawRaisedFrame(canvas, pane);
    }
    // The picture stays inside the frame: its last blocks are cut at the image's edge. The
    // grid alternates black and white, so it shows on any picture.
    if (geometry.Copies() && geometry.image.Intersects(clip)) {
        if (view.held) {
            DrawHeldPicture(canvas, geometry, view.heldSource, view.palette.surface);
        } else {
            canvas.StretchFromScreen(geometry.dest, geometry.source, geometry.image);
        }
        for (const Rect& line : GridLines(geometry))
            canvas.FillChecker(line, {geometry.image.left, geometry.image.top});
    }
    for (const Rect& edge : SpanEdgesInPicture(geometry, view.subject.spanX, view.subject.spanY))
        canvas.Fill(edge, view.palette.spanEnds);
    const Color crosshair = view.held ? view.palette.heldCrosshair : view.palette.crosshair;
    if (!view.picked.IsEmpty()) DrawOutline(canvas, view.picked, crosshair);
    DrawCrosshair(canvas, geometry, crosshair, view.palette.box);
    DrawFactor(canvas, view);
}
