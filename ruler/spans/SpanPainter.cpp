// Painting the span: its box, its ends on the scale and in the magnified picture.
#include "ruler/spans/SpanPainter.h"

#include "base/DpiScale.h"
#include "ruler/readouts/ReadoutPainter.h"
#include "ruler/readouts/ReadoutText.h"

void DrawSpanPane(Canvas& canvas, const RulerView& view) {
    if (view.texts.span.empty() && !view.tolerance) return;
    const std::string text = view.tolerance ? "\xC2\xB1" + std::to_string(*view.tolerance)  // "±"
                                            : WithUnit(view.texts.span, UnitSuffix(view.measure.unit));
    const TextBox box = SpanBox(view.layout, canvas.TextWidth(text));
    if (box.box.IsEmpty() || !box.box.Intersects(canvas.ClipBox())) return;
    DrawFramedBox(canvas, box.box, view.palette);
    canvas.TextAt(box.text, text);
}

void DrawSpanMarkers(Canvas& canvas, const RulerView& view) {
    const Rect& c = view.client;
    const bool turned = c.Height() > c.Width();
    const PixelRun& run = turned ? view.subject.spanY : view.subject.spanX;
    if (run.IsEmpty()) return;
    const int start = turned ? view.origin.y : view.origin.x;
    const int width = Scaled(3, view.measure.dpi), depth = Scaled(8, view.measure.dpi);
    const int extent = turned ? c.Height() : c.Width(), across = turned ? c.Width() : c.Height();
    for (const auto& [edge, outward] : {std::pair{run.begin - start, -width}, std::pair{run.end - start, width}}) {
        if (edge < 0 || edge > extent) continue;
        const int from = std::min(edge, edge + outward), to = std::max(edge, edge + outward);
        for (const int near : {0, across - depth}) {
            const Rect marker = turned ? Rect{near, from, near + depth, to} : Rect{from, near, to, near + depth};
            canvas.Fill(marker.Intersection(c), view.palette.spanEnds);
        }
    }
}

std::vector<Rect> SpanEdgesInPicture(const MagnifierGeometry& g, const PixelRun& x, const PixelRun& y) {
    std::vector<Rect> edges;
    if (!g.Copies()) return edges;
    const int f = g.factor;
    for (const int end : {x.begin, x.end}) {
        const int at = g.dest.left + (end - g.source.left) * f;
        if (!x.IsEmpty() && g.image.left <= at && at < g.image.right)
            edges.push_back({at, g.image.top, at + 1, g.image.bottom});
    }
    for (const int end : {y.begin, y.end}) {
        const int at = g.dest.top + (end - g.source.top) * f;
        if (!y.IsEmpty() && g.image.top <= at && at < g.image.bottom)
            edges.push_back({g.image.left, at, g.image.right, at + 1});
    }
    return edges;
}
