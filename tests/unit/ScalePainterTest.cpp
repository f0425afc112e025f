#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "RecordingCanvas.h"
#include "ruler/ScalePainter.h"

namespace {

using Kind = RecordingCanvas::Kind;
using Call = RecordingCanvas::Call;
using Texts = std::vector<std::pair<std::string, Rect>>;

constexpr UnitMetrics kPixels{1.0, 1.0};
constexpr Rect kAll = RecordingCanvas::kEverything;

// Marks of the top and bottom edges are vertical lines, those of the sides horizontal.
bool IsVertical(const Call& line) { return line.from.x == line.to.x; }

std::vector<Call> Draw(const Rect& area, const ScaleSeries& series,
                       const UnitMetrics& metrics = kPixels, const Rect& clip = kAll) {
    RecordingCanvas canvas(clip);
    DrawScale(canvas, area, series, UnitPixel, 100, metrics, 96);
    return canvas.Calls();
}

// The whole scale of a ruler, at 96 dots per inch unless told.
std::vector<Call> DrawRuler(const Rect& client, RulerUnit unit, std::int32_t zoom = 100,
                            const Rect& clip = kAll, int dpi = 96) {
    RecordingCanvas canvas(clip);
    DrawRulerScale(canvas, client, unit, zoom, dpi);
    return canvas.Calls();
}

Texts TextsOf(const std::vector<Call>& calls) {
    Texts texts;
    for (const Call& c : calls) {
        if (c.kind == Kind::TextCentred) texts.emplace_back(c.text, c.box);
    }
    return texts;
}

TEST(DrawScale, PassesRunOnlyWhenTheExtentAllows) {
    constexpr ScaleSeries kFive{5, 3, false};
    constexpr ScaleSeries kCm{50, 10, true};  // the numbered centimetres at zoom 500
    // Whether marks run along the top and bottom, and along the sides.
    const struct { Rect area; ScaleSeries series; std::pair<bool, bool> drawn; } cases[] = {
        {{0, 0, 30, 20}, kFive, {false, false}}, {{0, 0, 31, 20}, kFive, {true, false}},
        {{0, 0, 20, 40}, kFive, {false, false}}, {{0, 0, 20, 41}, kFive, {false, true}},
        // Down the sides the extent must also exceed the step.
        {{0, 0, 20, 41}, {41, 3, false}, {false, false}},
        {{0, 0, 20, 41}, {40.5, 3, false}, {false, true}},
        {{-1, -1, 401, 49}, kCm, {true, false}}, {{-1, -1, 401, 50}, kCm, {true, true}},
    };
    for (const auto& c : cases) {
        std::pair<bool, bool> drawn;
        for (const Call& l : Draw(c.area, c.series)) {
            if (l.kind == Kind::Line) (IsVertical(l) ? drawn.first : drawn.second) = true;
        }
        EXPECT_EQ(drawn, c.drawn) << testing::PrintToString(c.area) << " step " << c.series.step;
    }
}

TEST(DrawScale, PixelRuler400By40) {
    const std::vector<Call> calls = DrawRuler({0, 0, 400, 40}, UnitPixel);
    std::set<std::pair<int, int>> top, left;  // (position, tick length)
    for (const Call& l : calls) {
        if (l.kind == Kind::Line && l.from.y == -1) top.insert({l.from.x, l.to.y + 1});
        if (l.kind == Kind::Line && l.from.x == -1) left.insert({l.from.y, l.to.x + 1});
    }
    auto count = [&](Point from, Point to) {
        return std::count(calls.begin(), calls.end(), Call{Kind::Line, 0, from, to});
    };
    for (int x = 0; x <= 400; x += 5) {
        EXPECT_EQ(count({x, 38}, {x, 41}), 1) << x;
        EXPECT_EQ(count({x, -1}, {x, 2}), 1) << x;
    }
    EXPECT_EQ(top.size(), 81u + 41 + 9 + 5);
    EXPECT_EQ(top.rbegin()->first, 400);
    EXPECT_EQ(left, (decltype(left){{5, 3}, {10, 3}, {15, 3}, {20, 3}, {25, 3}, {30, 3}, {35, 3},
                                    {40, 3}, {10, 5}, {20, 5}, {30, 5}, {40, 5}}));
    const Texts texts = TextsOf(calls);
    // Each mark also at the opposite edge, and nothing else.
    EXPECT_EQ(calls.size(), 2 * (top.size() + left.size()) + texts.size());
    EXPECT_EQ(texts, (Texts{{"0", {-15, 10, 15, 30}}, {"100", {85, 10, 115, 30}},
                            {"200", {185, 10, 215, 30}}, {"300", {285, 10, 315, 30}},
                            {"400", {385, 10, 415, 30}}}));
}

// Numbers count whole units at truncated positions, in one box or, above 70 pixels across,
// in two boxes, one by each edge.
TEST(DrawScale, NumbersCountWholeUnitsInOneBoxOrTwo) {
    const struct { RulerUnit unit; std::int32_t zoom; std::vector<int> xs; } cases[] = {
        {UnitCentimetre, 100, {0, 37, 75, 113}},
        {UnitCentimetre, 120, {0, 45, 90, 136}},
        {UnitInch, 100, {0, 96, 192, 288, 384}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "unit " << c.unit << " zoom " << c.zoom);
        const Texts texts = TextsOf(DrawRuler({0, 0, 400, 40}, c.unit, c.zoom));
        ASSERT_GE(texts.size(), c.xs.size());
        for (std::size_t i = 0; i < c.xs.size(); ++i) {
            EXPECT_EQ(texts[i].first, std::to_string(i));
            EXPECT_EQ(texts[i].second, (Rect{c.xs[i] - 15, 10, c.xs[i] + 15, 30})) << i;
        }
    }
    const struct { Rect area; const char* text; std::vector<Rect> boxes; } boxes[] = {
        {{0, 0, 200, 70}, "0", {{-15, 25, 15, 45}}},
        {{0, 0, 200, 71}, "0", {{-15, 10, 15, 30}, {-15, 41, 15, 61}}},
        {{0, 0, 70, 150}, "100", {{25, 85, 45, 115}}},
        {{0, 0, 71, 150}, "100", {{10, 85, 40, 115}, {31, 85, 71, 115}}},  // right box to the edge
    };
    for (const auto& b : boxes) {
        std::vector<Rect> drawn;
        for (const auto& [text, box] : TextsOf(Draw(b.area, {100, 10, true}))) {
            if (text == b.text) drawn.push_back(box);
        }
        EXPECT_EQ(drawn, b.boxes) << testing::PrintToString(b.area);
    }
}

// At 96 dots per inch the eighth inches lie 12 pixels apart, up to the last whose number box
// could still reach the far edge; nothing lies past it, along either edge.
TEST(DrawScale, StopsAtTheFarEdgeOfALongInchRuler) {
    std::vector<int> eighths, twelves;
    for (const Call& c : DrawRuler({0, 0, 2000, 2000}, UnitInch)) {
        const Point at = c.kind == Kind::Line ? c.from : Point{c.box.left + 15, c.box.top + 15};
        EXPECT_LT(std::max(at.x, at.y) - 15, 2001);
        if (c.kind == Kind::Line && c.from.y == -1 && c.to.y == 2) eighths.push_back(c.from.x);
    }
    for (int x = 0; x <= 2004; x += 12) twelves.push_back(x);
    EXPECT_EQ(eighths, twelves);
}

// At 192 dpi a ruler twice as large has the inch scale of the 96-dpi ruler at twice the
// places, its ticks twice as long and its number boxes twice as large. Pixels stay device
// pixels: at 144 dpi their marks are spaced twice as far, so a tick still falls on pixel 100.
TEST(DrawScale, FollowsTheResolution) {
    std::vector<std::pair<Point, int>> doubled, at192;  // top ticks (x, length); boxes (centre, size)
    Texts texts96, texts192;
    for (const Call& c : DrawRuler({0, 0, 400, 120}, UnitInch, 100, kAll, 96)) {
        if (c.kind == Kind::Line && c.from.y == -1) doubled.push_back({{2 * c.from.x, 0}, 2 * (c.to.y - c.from.y)});
        if (c.kind == Kind::TextCentred) texts96.push_back({c.text, c.box});
    }
    for (const Call& c : DrawRuler({0, 0, 800, 240}, UnitInch, 100, kAll, 192)) {
        if (c.kind == Kind::Line && c.from.y == -1) at192.push_back({{c.from.x, 0}, c.to.y - c.from.y});
        if (c.kind == Kind::TextCentred) texts192.push_back({c.text, c.box});
    }
    EXPECT_EQ(at192, doubled);
    ASSERT_EQ(texts192.size(), texts96.size());
    for (std::size_t i = 0; i < texts96.size(); ++i) {
        const Rect& a = texts96[i].second;
        const Rect& b = texts192[i].second;
        // The scale's rectangle lies one device pixel outside the window at any resolution,
        // so a box's centre may lie a pixel off the doubled one.
        EXPECT_EQ(texts192[i].first, texts96[i].first);
        EXPECT_LE(std::abs(b.left + b.right - 2 * (a.left + a.right)), 2) << i;
        EXPECT_LE(std::abs(b.top + b.bottom - 2 * (a.top + a.bottom)), 2) << i;
        EXPECT_EQ((Point{b.Width(), b.Height()}), (Point{2 * a.Width(), 2 * a.Height()})) << i;
    }
    const std::vector<Call> pixels = DrawRuler({0, 0, 600, 60}, UnitPixel, 100, kAll, 144);
    EXPECT_EQ(TextsOf(pixels), (Texts{{"0", {-23, 15, 23, 45}}, {"200", {177, 15, 223, 45}},
                                      {"400", {377, 15, 423, 45}}, {"600", {577, 15, 623, 45}}}));
    EXPECT_TRUE(std::any_of(pixels.begin(), pixels.end(), [](const Call& c) { return c.from == Point{100, -1}; }));
}

TEST(DrawScale, UnusableInputDrawsNothingAndEnds) {
    constexpr Rect kSquare{-1, -1, 401, 401};
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const std::pair<double, UnitMetrics> series[] = {
        {0.0, kPixels}, {-5.0, kPixels}, {kNaN, kPixels}, {kInf, kPixels},
        {5.0, {0, 1.0}}, {5.0, {1, kNaN}}, {5.0, {1, -1.0}},
    };
    for (const auto& [step, m] : series) {
        EXPECT_TRUE(Draw(kSquare, {step, 3, true}, m).empty()) << step << ' ' << m.pixelsPerUnitY;
    }
    // Centimetres at a zoom below 1 have no usable step; an unknown unit has no series.
    const struct { RulerUnit unit; std::int32_t zoom; } rulers[] = {
        {UnitCentimetre, 0}, {UnitCentimetre, -5},
        {UnitCentimetre, std::numeric_limits<std::int32_t>::min()}, {RulerUnit{4}, 100}};
    for (const auto& r : rulers) EXPECT_TRUE(DrawRuler(kSquare, r.unit, r.zoom).empty()) << r.zoom;
    // A step too small to move a mark off 0, outside the clip: the run still ends.
    EXPECT_TRUE(Draw(kSquare, {1e-300, 3, false}, kPixels, {100, 100, 110, 110}).empty());
}

TEST(DrawScale, DrawsExactlyWhatTouchesTheClipBox) {
    const struct { Rect client; RulerUnit unit; Rect clip; } cases[] = {
        {{0, 0, 400, 120}, UnitPixel, {195, 0, 205, 12}},         // top middle
        {{0, 0, 400, 120}, UnitPixel, {112, 20, 113, 21}},        // inside a number box
        {{0, 0, 400, 300}, UnitPixel, {0, 95, 30, 130}},          // left side
        {{0, 0, 400, 120}, UnitCentimetre, {170, 28, 362, 92}},   // the magnifier
        {{0, 0, 300, 300}, UnitCentimetre, {280, 30, 300, 200}},  // right side
        {{0, 0, 500, 200}, UnitInch, {0, 180, 500, 200}},         // bottom
        {{0, 0, 400, 120}, UnitPixel, {900, 900, 950, 950}},      // outside
    };
    for (const auto& c : cases) {
        std::vector<Call> kept;
        for (const Call& l : DrawRuler(c.client, c.unit)) {
            // The pixels the text or the line (drawn towards larger coordinates) can change.
            const Rect extent = l.kind == Kind::TextCentred ? l.box : Rect{l.from.x, l.from.y,
                std::max(l.to.x, l.from.x + 1), std::max(l.to.y, l.from.y + 1)};
            if (extent.Intersects(c.clip)) kept.push_back(l);
        }
        EXPECT_EQ(DrawRuler(c.client, c.unit, 100, c.clip), kept) << testing::PrintToString(c.clip);
    }
}

}  // namespace
