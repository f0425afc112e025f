// Painting the readouts in their framed boxes.
#include "ruler/readouts/ReadoutPainter.h"

#include <cstddef>
#include <string>

#include "base/DpiScale.h"
#include "ruler/readouts/ReadoutText.h"

namespace {

bool Visible(const Canvas& canvas, const Rect& box) { return !box.IsEmpty() && box.Intersects(canvas.ClipBox()); }

std::string DistanceShown(const RulerView& view) {
    return WithUnit(view.texts.distance, UnitSuffix(view.measure.unit));
}

// The colour box, grown by the contrast's line while there is a reference.
const TextBox& ColorBox(const RulerView& view) {
    const bool contrast = view.reference && !view.layout.colorWithContrast.box.IsEmpty();
    return contrast ? view.layout.colorWithContrast : view.layout.color;
}

}  // namespace

// A box of its own colour with a one-pixel frame in the scale's colour, which sets the
// readout apart from the scale's numbers.
void DrawFramedBox(Canvas& canvas, const Rect& box, const Palette& palette) {
    canvas.Fill(box, palette.ink);
    canvas.Fill(box.Inflated(-1, -1), palette.box);
}

std::vector<std::pair<Point, Point>> ArrowStrokes(Point origin, bool vertical, int lineHeight, int dpi) {
    const int length = Scaled(11, dpi);
    const int head = Scaled(3, dpi) + 1;  // a head's strokes end one pixel past their last
    // Along the arrow from `first` to `last` (both drawn), across it at `middle`.
    const int first = vertical ? origin.y + (lineHeight - length) / 2 : origin.x;
    const int last = first + length - 1;
    const int middle = vertical ? origin.x + length / 2 : origin.y + lineHeight / 2;
    const auto at = [vertical](int along, int across) {
        return vertical ? Point{across, along} : Point{along, across};
    };
    return {{at(first, middle), at(last + 1, middle)},
            {at(first, middle), at(first + head, middle - head)},
            {at(first, middle), at(first + head, middle + head)},
            {at(last, middle), at(last - head, middle - head)},
            {at(last, middle), at(last - head, middle + head)}};
}

void DrawPositionPane(Canvas& canvas, const RulerView& view) {
    const PaneLayout& layout = view.layout;
    if (!Visible(canvas, layout.position.box)) return;
    DrawFramedBox(canvas, layout.position.box, view.palette);
    canvas.SelectPen(view.palette.text);
    const int lineHeight = canvas.TextHeight();
    for (const bool vertical : {false, true}) {
        const Point origin{layout.position.text.x, layout.position.text.y + (vertical ? layout.lineSpacing : 0)};
        for (const auto& [from, to] : ArrowStrokes(origin, vertical, lineHeight, view.measure.dpi))
            canvas.Line(from, to);
    }
    for (std::size_t i = 0; i < view.texts.position.size(); ++i) {
        const Point at{layout.positionLines.x, layout.positionLines.y + static_cast<int>(i) * layout.lineSpacing};
        canvas.TextAt(at, WithUnit(view.texts.position[i], PositionSuffix(view.measure.unit, i)));
    }
}

void DrawDistancePane(Canvas& canvas, const RulerView& view) {
    if (view.texts.distance.empty()) return;
    const std::string text = DistanceShown(view);
    const TextBox box = DistanceBox(view.layout, canvas.TextWidth(text));
    if (!Visible(canvas, box.box)) return;
    DrawFramedBox(canvas, box.box, view.palette);
    canvas.TextAt(box.text, text);
}

void DrawColorPane(Canvas& canvas, const RulerView& view) {
    const PaneLayout& layout = view.layout;
    const TextBox& box = ColorBox(view);
    if (!Visible(canvas, box.box)) return;
    DrawFramedBox(canvas, box.box, view.palette);
    const Point text = layout.color.text;
    canvas.TextAt(text, view.texts.color[0]);
    canvas.TextAt({text.x, text.y + layout.lineSpacing}, view.texts.color[1]);
    if (&box == &layout.colorWithContrast)
        canvas.TextAt({text.x, text.y + 2 * layout.lineSpacing}, view.texts.contrast);
    // Framed in the text's colour, a swatch of the ruler's own colour stays visible.
    canvas.Fill(layout.swatch, view.palette.text);
    const Rect inside = layout.swatch.Inflated(-1, -1);
    canvas.Fill(inside, view.subject.color);
    if (view.reference)
        canvas.Fill({inside.left, inside.top + inside.Height() / 2, inside.right, inside.bottom}, *view.reference);
}
