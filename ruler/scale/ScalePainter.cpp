// Drawing the scale's ticks and numbers along the four edges.
#include "ruler/scale/ScalePainter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "base/DpiScale.h"

namespace {

// Marks closer than this many device pixels would merge into a dark band.
constexpr double kClosestMarks = 3.0;
// Coordinates and tick lengths beyond this are refused, which keeps every sum below in int.
constexpr int kMaxCoordinate = 1 << 24;
// A run ends after this many marks whatever its step: far more than any screen holds (a mark
// every 0.04 pixels across 40000 pixels), and a bound on the work for absurdly small steps.
constexpr int kMaxMarksPerRun = 1 << 20;

bool IsPositiveFinite(double value) { return std::isfinite(value) && value > 0.0; }

bool IsWithinRange(int coordinate) { return -kMaxCoordinate <= coordinate && coordinate <= kMaxCoordinate; }

bool IsWithinRange(const Rect& r) {
    return IsWithinRange(r.left) && IsWithinRange(r.top) && IsWithinRange(r.right) && IsWithinRange(r.bottom);
}

// Anything else would loop without end or leave the int range: it draws nothing.
bool IsDrawable(const Rect& area, const ScaleSeries& series, const UnitMetrics& metrics) {
    return IsPositiveFinite(series.step) && IsPositiveFinite(metrics.pixelsPerUnitX) &&
           IsPositiveFinite(metrics.pixelsPerUnitY) && series.tickLength >= 0 && IsWithinRange(series.tickLength) &&
           IsWithinRange(area);
}

bool Touches(const Rect& box, const Rect& clip) { return !box.IsEmpty() && box.Intersects(clip); }

// Whether `a` comes closer than `gap` to `b`.
bool Near(const Rect& a, const Rect& b, int gap) { return a.Inflated(gap, gap).Intersects(b); }

// The sizes of the numbers' boxes and the extents a pass needs, at the window's resolution.
struct Boxes {
    explicit Boxes(int dpi)
        : half(Scaled(15, dpi)), depth(Scaled(20, dpi)), width(Scaled(30, dpi)), centredHalf(Scaled(10, dpi)),
          minAcross(Scaled(30, dpi)), minDown(Scaled(40, dpi)), twoRows(Scaled(70, dpi)) {}
    int half;         // half a box's width along the top and bottom, or height along the sides
    int depth;        // a box's depth below or above the ticks of the top and bottom
    int width;        // a box's width beside the ticks of the sides
    int centredHalf;  // half the short side of the one box of a thin ruler
    int minAcross;    // the extent above which the top and bottom are marked
    int minDown;      // the extent above which the sides are marked
    int twoRows;      // the extent above which each number is drawn at both edges
};

// One series on one area, and the clip box the marks are culled against.
struct Run {
    Canvas& canvas;
    Rect clip;
    const ScaleSeries& series;
    RulerUnit unit;
    std::int32_t zoom;
    const UnitMetrics& metrics;
    int tickLength;
    Boxes boxes;
    const NumberRoom& room;
    Rect within;                     // between the ticks of the edges: numbers stand wholly inside it
    std::vector<Rect> placedAcross;  // numbers along the top and bottom that lie by the sides' columns
    std::vector<Rect> sideColumns;   // where the numbers of the left and right edges stand

    // A tick at `along` from `from` to `to` (excluded) across the edge, on the top and bottom
    // (`across`) or on the sides, when it reaches into the clip box.
    void Tick(bool across, int along, int from, int to) const {
        const Rect line = across ? Rect{along, from, along + 1, to} : Rect{from, along, to, along + 1};
        if (Touches(line, clip)) canvas.Line({line.left, line.top}, across ? Point{along, to} : Point{to, along});
    }

    // Centimetres count whole centimetres, not the millimetres of q.
    std::string NumberText(double q) const {
        const double value = unit == UnitCentimetre ? q * 0.1 / zoom * 100 : q;
        char text[32];
        std::snprintf(text, sizeof text, "%.0f", value);
        return text;
    }

    // Where the text stands in its box: centred both ways, as the canvas draws it.
    Rect Ink(const Rect& box, const std::string& text) const {
        const int width = canvas.TextWidth(text);
        const int height = canvas.TextHeight();
        const int left = box.left + (box.Width() - width) / 2;
        const int top = box.top + (box.Height() - height) / 2;
        return {left, top, left + width, top + height};
    }

    bool Crowded(const Rect& ink, bool across) const {
        const auto near = [&](const Rect& other) { return Near(ink, other, room.gap); };
        return std::any_of(room.parts.begin(), room.parts.end(), near) ||
               (!across && std::any_of(placedAcross.begin(), placedAcross.end(), near));
    }

    // The number of the mark at q into each of its boxes that has room for it; an empty box
    // receives nothing. Numbers along the top and bottom by the sides' columns are kept for
    // the sides to keep clear of, whether drawn or not; the rest is formatted only when shown.
    void Numbers(double q, const Rect& first, const Rect& second, bool across) {
        const auto byColumns = [&](const Rect& box) {
            return across && std::any_of(sideColumns.begin(), sideColumns.end(),
                                         [&](const Rect& column) { return Near(box, column, room.gap); });
        };
        const bool needed[] = {Touches(first, clip) || byColumns(first), Touches(second, clip) || byColumns(second)};
        if (!needed[0] && !needed[1]) return;
        const std::string text = NumberText(q);
        const Rect* boxes[] = {&first, &second};
        for (int i = 0; i < 2; ++i) {
            if (!needed[i] || boxes[i]->IsEmpty()) continue;
            // The zero edge's number moves in to stand beside the side's ticks, not across them.
            const int in = q == 0 ? std::max(0, within.left - Ink(*boxes[i], text).left) : 0;
            const Rect box{boxes[i]->left + in, boxes[i]->top, boxes[i]->right + in, boxes[i]->bottom};
            const Rect ink = Ink(box, text);
            if (!within.Contains(ink) || Crowded(ink, across)) continue;
            if (byColumns(box)) placedAcross.push_back(ink);
            if (Touches(box, clip)) canvas.TextCentred(box, text);
        }
    }
};

// Numbers stand at every `Every`th mark so that each keeps `gap` from the next: the marks
// are `spacing` pixels apart and a number takes `size` pixels along the edge.
int Every(double spacing, int size, int gap) {
    const double needed = static_cast<double>(size) + gap;
    return spacing >= needed ? 1 : static_cast<int>(std::min(std::ceil(needed / spacing), double(kMaxMarksPerRun)));
}

// Marks of one run stop mattering once their number boxes start at or past `farEdge`.
bool IsPast(const Run& run, double position, double farEdge) { return position - run.boxes.half >= farEdge; }

// The widest number a run along `extent` pixels can show: that of its last mark.
int WidestNumber(const Run& run, int extent, double pixelsPerUnit) {
    const double lastQ = std::floor(extent / pixelsPerUnit / run.series.step) * run.series.step;
    return run.canvas.TextWidth(run.NumberText(lastQ));
}

// A rectangle given by its extent along an edge and across it: along the top and bottom
// (`across`) the x extent is along, else the y extent.
Rect Oriented(bool across, int alongFrom, int acrossFrom, int alongTo, int acrossTo) {
    return across ? Rect{alongFrom, acrossFrom, alongTo, acrossTo} : Rect{acrossFrom, alongFrom, acrossTo, alongTo};
}

// Where the numbers of the left and right edges stand, across.
std::vector<Rect> SideColumns(const Run& run, const Rect& a) {
    const Boxes& b = run.boxes;
    const int len = run.tickLength;
    if (a.right - a.left > b.twoRows)
        return {{a.left + len, a.top, a.left + len + b.width, a.bottom},
                {a.right - len - b.width, a.top, a.right, a.bottom}};
    const int middle = a.left + (a.right - a.left) / 2;
    return {{middle - b.centredHalf, a.top, middle + b.centredHalf, a.bottom}};
}

// One pair of opposite edges: ticks down from the top and up from the bottom (`across`),
// starting at 0, or in from the left and right, starting at the first step (0 is the top's).
void DrawEdges(Run& run, const Rect& a, double pixelsPerUnit, bool across) {
    const Boxes& b = run.boxes;
    const int start = across ? a.left : a.top, end = across ? a.right : a.bottom;
    const int near = across ? a.top : a.left, far = across ? a.bottom : a.right;
    const int extent = end - start;
    if (extent <= (across ? b.minAcross : b.minDown)) return;
    const int len = run.tickLength;
    const int middle = near + (far - near) / 2;
    const bool twoRows = far - near > b.twoRows;
    const bool numbers = run.series.numbers;
    // The numbers along the top and bottom go to the far edge, so the sides see every number by
    // their columns.
    const double farEdge = numbers && across ? end : std::min(end, across ? run.clip.right : run.clip.bottom);
    const int size = across ? (numbers ? WidestNumber(run, extent, pixelsPerUnit) : 0) : run.canvas.TextHeight();
    const int every = numbers ? Every(std::floor(run.series.step * pixelsPerUnit), size, run.room.gap) : 1;
    // Across the sides a number's box is wider, and the far one reaches to the edge itself, so
    // its number sits nearer the edge.
    const int depth = across ? b.depth : b.width;
    const int farBoxEnd = across ? far - len : far;
    // q accumulates by addition; a product k * step rounds differently and moves some marks.
    int k = across ? 0 : 1;  // steps from the zero edge
    for (double q = k * run.series.step; extent > q && k < kMaxMarksPerRun; q += run.series.step, ++k) {
        const double position = MarkOffset(q, pixelsPerUnit, run.metrics);
        if (IsPast(run, position, farEdge)) break;
        const int at = static_cast<int>(position);
        run.Tick(across, at, near, near + len);
        run.Tick(across, at, far - len, far);
        if (!numbers || k % every != 0) continue;
        if (twoRows) {
            run.Numbers(q, Oriented(across, at - b.half, near + len, at + b.half, near + len + depth),
                        Oriented(across, at - b.half, far - len - depth, at + b.half, farBoxEnd), across);
        } else {
            run.Numbers(q, Oriented(across, at - b.half, middle - b.centredHalf, at + b.half, middle + b.centredHalf),
                        {}, across);
        }
    }
}

// Draws one series along the four edges of `area`: ticks, and numbers that stand wholly within
// `within` and keep clear of the room's parts.
void DrawScale(Canvas& canvas, const Rect& area, const Rect& within, const ScaleSeries& series, RulerUnit unit,
               std::int32_t zoom, const UnitMetrics& metrics, int dpi, const NumberRoom& room) {
    if (!IsDrawable(area, series, metrics)) return;
    Run run{canvas, canvas.ClipBox(), series, unit, zoom, metrics, Scaled(series.tickLength, dpi), Boxes(dpi),
            room,   within,           {},     {}};
    run.sideColumns = SideColumns(run, area);
    if (series.step * metrics.pixelsPerUnitX >= kClosestMarks) DrawEdges(run, area, metrics.pixelsPerUnitX, true);
    if (series.step * metrics.pixelsPerUnitY >= kClosestMarks) DrawEdges(run, area, metrics.pixelsPerUnitY, false);
}

// Where the numbers may stand: inside the client rectangle and between the ticks of the edges
// that are marked, which reach in one pixel less than their length.
Rect NumberArea(const Rect& client, const std::vector<ScaleSeries>& series, const UnitMetrics& metrics, int dpi) {
    const Boxes b(dpi);
    const int across = client.Width() + 2, down = client.Height() + 2;  // the scale's area's extents
    int top = 0, side = 0;
    for (const ScaleSeries& s : series) {
        const int reach = Scaled(s.tickLength, dpi) - 1;
        if (s.step * metrics.pixelsPerUnitX >= kClosestMarks && across > b.minAcross) top = std::max(top, reach);
        if (s.step * metrics.pixelsPerUnitY >= kClosestMarks && down > b.minDown && down > s.step)
            side = std::max(side, reach);
    }
    return client.Inflated(-side, -top);
}

}  // namespace

void DrawRulerScale(Canvas& canvas, const Rect& client, const UnitOfMeasure& unit, const NumberRoom& room) {
    if (!IsWithinRange(client)) return;
    const Rect area = client.Inflated(1, 1);
    const UnitMetrics metrics = MetricsFor(unit.unit, unit.dpi);
    const std::vector<ScaleSeries> series = SeriesFor(unit.unit, unit.zoom, unit.dpi);
    const Rect within = NumberArea(client, series, metrics, unit.dpi);
    for (const ScaleSeries& one : series)
        DrawScale(canvas, area, within, one, unit.unit, unit.zoom, metrics, unit.dpi, room);
}
