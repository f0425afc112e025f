#include "ruler/scale/ScalePainter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "base/DpiScale.h"

namespace {

// Coordinates and tick lengths beyond this are refused, which keeps every sum below in int.
constexpr int kMaxCoordinate = 1 << 24;
// A run ends after this many marks whatever its step: far more than any screen holds (a mark
// every 0.04 pixels across 40000 pixels), and a bound on the work for absurdly small steps.
constexpr int kMaxMarksPerRun = 1 << 20;

bool IsPositiveFinite(double value) { return std::isfinite(value) && value > 0.0; }

bool IsWithinRange(int coordinate) {
    return -kMaxCoordinate <= coordinate && coordinate <= kMaxCoordinate;
}

bool IsWithinRange(const Rect& r) {
    return IsWithinRange(r.left) && IsWithinRange(r.top) && IsWithinRange(r.right) &&
           IsWithinRange(r.bottom);
}

// Anything else would loop without end or leave the int range: it draws nothing.
bool IsDrawable(const Rect& area, const ScaleSeries& series, const UnitMetrics& metrics) {
    return IsPositiveFinite(series.step) && IsPositiveFinite(metrics.pixelsPerUnitX) &&
           IsPositiveFinite(metrics.pixelsPerUnitY) && series.tickLength >= 0 &&
           IsWithinRange(series.tickLength) && IsWithinRange(area);
}

bool Touches(const Rect& box, const Rect& clip) { return !box.IsEmpty() && box.Intersects(clip); }

// Whether `a` comes closer than `gap` to `b`.
bool Near(const Rect& a, const Rect& b, int gap) { return a.Inflated(gap, gap).Intersects(b); }

// The sizes of the numbers' boxes and the extents a pass needs, at the window's resolution.
struct Boxes {
    explicit Boxes(int dpi)
        : half(Scaled(15, dpi)), depth(Scaled(20, dpi)), width(Scaled(30, dpi)),
          centredHalf(Scaled(10, dpi)), minAcross(Scaled(30, dpi)), minDown(Scaled(40, dpi)),
          twoRows(Scaled(70, dpi)) {}
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
    std::vector<Rect> placedAcross;  // numbers along the top and bottom that lie by the sides' columns
    std::vector<Rect> sideColumns;   // where the numbers of the left and right edges stand

    // Line from x, top down to bottom (excluded), when it reaches into the clip box.
    void VerticalLine(int x, int top, int bottom) const {
        if (Touches({x, top, x + 1, bottom}, clip)) canvas.Line({x, top}, {x, bottom});
    }
    void HorizontalLine(int y, int left, int right) const {
        if (Touches({left, y, right, y + 1}, clip)) canvas.Line({left, y}, {right, y});
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
        return std::any_of(room.readouts.begin(), room.readouts.end(), near) ||
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
            const Rect ink = Ink(*boxes[i], text);
            if (Crowded(ink, across)) continue;
            if (byColumns(*boxes[i])) placedAcross.push_back(ink);
            if (Touches(*boxes[i], clip)) canvas.TextCentred(*boxes[i], text);
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
bool IsPast(const Run& run, double position, double farEdge) {
    return position - run.boxes.half >= farEdge;
}

// The widest number a run along `extent` pixels can show: that of its last mark.
int WidestNumber(const Run& run, int extent, double pixelsPerUnit) {
    const double lastQ = std::floor(extent / pixelsPerUnit / run.series.step) * run.series.step;
    return run.canvas.TextWidth(run.NumberText(lastQ));
}

// Ticks down from the top and up from the bottom, starting at 0.
void DrawAcross(Run& run, const Rect& a, double pixelsPerUnit) {
    const int extent = a.right - a.left;
    const Boxes& b = run.boxes;
    if (extent <= b.minAcross) return;
    const int len = run.tickLength;
    const int middle = a.top + (a.bottom - a.top) / 2;
    const bool twoRows = a.bottom - a.top > b.twoRows;
    const bool numbers = run.series.numbers;
    // The numbers' run goes to the far edge, so the sides see every number by their columns.
    const double farEdge = numbers ? a.right : std::min(a.right, run.clip.right);
    const int every = numbers ? Every(std::floor(run.series.step * pixelsPerUnit), WidestNumber(run, extent, pixelsPerUnit), run.room.gap) : 1;
    int marks = 0;
    // q accumulates by addition; a product k * step rounds differently and moves some marks.
    for (double q = 0.0; extent > q && marks < kMaxMarksPerRun; q += run.series.step, ++marks) {
        const double position = MarkOffset(q, pixelsPerUnit, run.metrics);
        if (IsPast(run, position, farEdge)) break;
        const int x = static_cast<int>(position);
        run.VerticalLine(x, a.bottom - len, a.bottom);
        run.VerticalLine(x, a.top, a.top + len);
        if (!numbers || marks % every != 0) continue;
        const int left = x - b.half;
        const int right = x + b.half;
        if (twoRows) {
            run.Numbers(q, {left, a.top + len, right, a.top + len + b.depth},
                        {left, a.bottom - len - b.depth, right, a.bottom - len}, true);
        } else {
            run.Numbers(q, {left, middle - b.centredHalf, right, middle + b.centredHalf}, {}, true);
        }
    }
}

// Where the numbers of the left and right edges stand, across.
std::vector<Rect> SideColumns(const Run& run, const Rect& a) {
    const Boxes& b = run.boxes;
    const int len = run.tickLength;
    if (a.right - a.left > b.twoRows)
        return {{a.left + len, a.top, a.left + len + b.width, a.bottom}, {a.right - len - b.width, a.top, a.right, a.bottom}};
    const int middle = a.left + (a.right - a.left) / 2;
    return {{middle - b.centredHalf, a.top, middle + b.centredHalf, a.bottom}};
}

// Ticks in from the left and right, starting at the first step: 0 is the top's business.
void DrawDown(Run& run, const Rect& a, double pixelsPerUnit) {
    const int extent = a.bottom - a.top;
    const Boxes& b = run.boxes;
    if (extent <= b.minDown) return;
    const int len = run.tickLength;
    const int middle = a.left + (a.right - a.left) / 2;
    const bool twoColumns = a.right - a.left > b.twoRows;
    const double farEdge = std::min(a.bottom, run.clip.bottom);
    const int every = Every(std::floor(run.series.step * pixelsPerUnit), run.canvas.TextHeight(), run.room.gap);
    int marks = 0;
    // Starting at q = step, the loop condition also demands an extent above the step.
    for (double q = run.series.step; extent > q && marks < kMaxMarksPerRun;
         q += run.series.step, ++marks) {
        const double position = MarkOffset(q, pixelsPerUnit, run.metrics);
        if (IsPast(run, position, farEdge)) break;
        const int y = static_cast<int>(position);
        run.HorizontalLine(y, a.left, a.left + len);
        run.HorizontalLine(y, a.right - len, a.right);
        if (!run.series.numbers || (marks + 1) % every != 0) continue;
        const int top = y - b.half;
        const int bottom = y + b.half;
        if (twoColumns) {
            // The right box reaches to the edge itself, so its number sits nearer the edge.
            run.Numbers(q, {a.left + len, top, a.left + len + b.width, bottom},
                        {a.right - len - b.width, top, a.right, bottom}, false);
        } else {
            run.Numbers(q, {middle - b.centredHalf, top, middle + b.centredHalf, bottom}, {}, false);
        }
    }
}

// Marks closer than this many device pixels would merge into a dark band.
constexpr double kClosestMarks = 3.0;

}  // namespace

void DrawScale(Canvas& canvas, const Rect& area, const ScaleSeries& series, RulerUnit unit, std::int32_t zoom,
               const UnitMetrics& metrics, int dpi, const NumberRoom& room) {
    if (!IsDrawable(area, series, metrics)) return;
    Run run{canvas, canvas.ClipBox(), series, unit, zoom, metrics, Scaled(series.tickLength, dpi), Boxes(dpi), room, {}, {}};
    run.sideColumns = SideColumns(run, area);
    if (series.step * metrics.pixelsPerUnitX >= kClosestMarks) DrawAcross(run, area, metrics.pixelsPerUnitX);
    if (series.step * metrics.pixelsPerUnitY >= kClosestMarks) DrawDown(run, area, metrics.pixelsPerUnitY);
}

void DrawRulerScale(Canvas& canvas, const Rect& client, RulerUnit unit, std::int32_t zoom, int dpi,
                    const NumberRoom& room) {
    if (!IsWithinRange(client)) return;
    const Rect area = client.Inflated(1, 1);
    const UnitMetrics metrics = MetricsFor(unit, dpi);
    for (const ScaleSeries& series : SeriesFor(unit, zoom, dpi)) {
        DrawScale(canvas, area, series, unit, zoom, metrics, dpi, room);
    }
}
