// Tests of the scale, the readouts' texts and painting, and cursor tracking.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/DpiScale.h"
#include "ruler/layout/PaneLayout.h"
#include "ruler/readouts/CursorTracking.h"
#include "ruler/readouts/ReadoutPainter.h"
#include "ruler/readouts/ReadoutText.h"
#include "ruler/scale/ScalePainter.h"
#include "tests/unit/TestCanvas.h"

namespace {

using Kind = RecordingCanvas::Kind;
using Call = RecordingCanvas::Call;

std::vector<Call> DrawRuler(const Rect& client, const UnitOfMeasure& unit) {
    RecordingCanvas canvas(unit.dpi);
    DrawRulerScale(canvas, client, unit, {});
    return canvas.calls;
}

// The longest tick at each place along the top edge (or down the left one): what the user sees.
std::map<int, int> Ticks(const std::vector<Call>& calls, bool left = false) {
    std::map<int, int> ticks;
    for (const Call& c : calls) {
        const Point from = left ? Point{c.from.y, c.from.x} : c.from, to = left ? Point{c.to.y, c.to.x} : c.to;
        if (c.kind == Kind::Line && from.y == -1 && to.x == from.x) ticks[from.x] = std::max(ticks[from.x], to.y + 1);
    }
    return ticks;
}

// Each unit's marks along the top of a 400x40 ruler (its scale's rectangle reaches one pixel past
// each edge), the longest tick at each place (0 for none), and the first numbers along the top
// and bottom: pixels every 5 by series of 3, 5, 8 and 10 pixels, at 192 dpi every 10 device
// pixels; millimetres at the zoomed resolution, numbered in whole centimetres, only the
// centimetres at zoom 10 (3.78 pixels apart) and nothing at zoom 5, where the marks would make a
// dark band; inches every eighth; logical pixels at round(q × dpi / 96); ticks and boxes larger
// at a higher resolution. Each number stands centred on its mark, but the zero edge's, which
// moves in beside the side's ticks; above 70 pixels high at both edges.
TEST(DrawScale, EachUnitsMarksAndNumbers) {
    // Down the sides of a 400x150 ruler the top's marks from the first step on, and the numbers at
    // both edges, the far one's box reaching to the edge itself; along the bottom the top's marks.
    const std::vector<Call> tall = DrawRuler({0, 0, 400, 150}, {UnitPixel, 96});
    const std::map<int, int> top = Ticks(tall);
    EXPECT_EQ(Ticks(tall, true), (std::map<int, int>(std::next(top.begin()), top.upper_bound(151))));
    EXPECT_EQ(std::count(tall.begin(), tall.end(), Call{Kind::Line, {5, 148}, {5, 151}}), 1);
    std::vector<Rect> sides;
    for (const Call& c : tall)
        if (c.kind == Kind::TextCentred && c.box.Height() == 30) sides.push_back(c.box);
    EXPECT_EQ(sides, (std::vector<Rect>{{9, 85, 39, 115}, {361, 85, 401, 115}}));
    using Numbers = std::vector<std::string>;
    const std::tuple<UnitOfMeasure, int, std::map<int, int>, Numbers> cases[] = {
        {{UnitPixel, 96}, 40, {{0, 10}, {5, 3}, {10, 5}, {50, 8}, {100, 10}, {400, 10}}, {"0", "100", "200", "300"}},
        {{UnitPixel, 96}, 120, {{0, 10}, {5, 3}, {100, 10}}, {"0", "0", "100", "100", "200", "200"}},
        {{UnitPixel, 192}, 40, {{0, 20}, {5, 0}, {10, 6}, {20, 10}, {100, 16}, {200, 20}}, {"0", "200", "400"}},
        {{UnitCentimetre, 96, 100}, 40, {{0, 10}, {3, 5}, {7, 5}, {18, 8}, {37, 10}}, {"0", "1", "2", "3"}},
        {{UnitCentimetre, 96, 150}, 40, {{0, 10}, {5, 5}, {28, 8}, {56, 10}, {113, 10}}, {"0", "1", "2", "3"}},
        {{UnitCentimetre, 96, 10}, 40, {{0, 10}, {1, 0}, {2, 0}, {3, 10}, {7, 10}, {11, 10}}, {"0"}},
        {{UnitCentimetre, 96, 5}, 40, {{0, 0}, {1, 0}, {3, 0}}, {}},
        {{UnitInch, 96}, 40, {{0, 10}, {12, 3}, {24, 5}, {48, 8}, {96, 10}}, {"0", "1", "2", "3"}},
        {{UnitInch, 192}, 40, {{0, 20}, {24, 6}, {48, 10}, {96, 16}, {192, 20}}, {"0", "1", "2", "3"}},
        {{UnitLogical, 144}, 40, {{0, 15}, {8, 5}, {15, 8}, {23, 5}, {75, 12}, {150, 15}}, {"0", "100", "200"}},
    };
    for (const auto& [unit, height, expected, first] : cases) {
        const int dpi = unit.dpi;
        const std::vector<Call> calls = DrawRuler({0, 0, Scaled(400, dpi), Scaled(height, dpi)}, unit);
        const std::string what = testing::PrintToString(std::make_tuple(unit.unit, dpi, unit.zoom, height));
        std::map<int, int> ticks = Ticks(calls);
        for (const auto& [x, length] : expected) EXPECT_EQ(ticks[x], length) << what << " at " << x;
        Numbers numbers;
        for (const Call& call : calls) {
            if (call.kind != Kind::TextCentred || call.box.Height() != Scaled(20, dpi)) continue;
            numbers.push_back(call.text);
            if (call.text != "0") EXPECT_EQ(ticks[call.box.left + call.box.Width() / 2], Scaled(10, dpi)) << what;
        }
        numbers.resize(std::min(numbers.size(), first.size()));
        EXPECT_EQ(numbers, first) << what;
    }
}

// Logical pixels: the mouse on each mark reads a multiple of 5 logical pixels, the next mark 5
// more, at every resolution, so no mark is missing or out of place; at 96 dpi the scale is the
// pixels' one.
TEST(DrawScale, TheMouseOnALogicalPixelMarkReadsItsValue) {
    EXPECT_EQ(DrawRuler({0, 0, 1000, 120}, {UnitLogical, 96}), DrawRuler({0, 0, 1000, 120}, {UnitPixel, 96}));
    for (const int dpi : {120, 144, 192}) {
        const UnitOfMeasure unit{UnitLogical, dpi};
        int q = 0;
        for (const auto& [x, length] : Ticks(DrawRuler({0, 0, 1000, Scaled(120, dpi)}, unit))) {
            EXPECT_EQ(DistanceText(x, unit), std::to_string(q)) << dpi << " at " << x;
            q += 5;
        }
        EXPECT_GT(q, 1000 * 96 / dpi) << dpi;
    }
}

// What the readouts show, each number with its unit: pixels give absolute screen coordinates
// and the distance from the zero edge (the left edge, or the top one on a turned ruler);
// millimetres are calibrated by the zoom as the scale is (the mouse on the mark numbered 1 reads
// about 10 mm), inches follow the resolution alone, and a negative offset that rounds to zero
// keeps its sign; logical pixels round halves away from zero. The colour's fourth byte is
// ignored; a reference colour adds the contrast.
TEST(ReadoutText, EachNumberWithItsUnit) {
    using Lines = std::vector<std::string>;
    const UnitOfMeasure px{UnitPixel, 96}, in{UnitInch, 96}, mm{UnitCentimetre, 96};
    const std::tuple<UnitOfMeasure, Point, Point, bool, Lines, const char*> cases[] = {
        {px, {150, 210}, {100, 200}, false, {"150 px", "210 px"}, "50 px"},
        {in, {148, 392}, {100, 200}, false, {"0.5 in", "2.0 in", "48 px"}, "0.5 in"},
        {in, {-4, -1}, {0, 0}, false, {"-0.0 in", "-0.0 in", "-4 px"}, "-0.0 in"},
        {{UnitInch, 144}, {244, 488}, {100, 200}, true, {"1.0 in", "2.0 in", "144 px"}, "2.0 in"},
        {mm, {100, 45}, {0, 0}, false, {"26.5 mm", "11.9 mm", "100 px"}, "26.5 mm"},
        {mm, {INT_MIN, 0}, {1, 0}, false, {"568188381.6 mm", "0.0 mm", "2147483647 px"}, "568188381.6 mm"},
        {{UnitCentimetre, 96, 120}, {45, 45}, {0, 0}, false, {"9.9 mm", "9.9 mm", "45 px"}, "9.9 mm"},
        {{UnitCentimetre, 96, 150}, {57, 0}, {0, 0}, false, {"10.1 mm", "0.0 mm", "57 px"}, "10.1 mm"},
        {{UnitCentimetre, 144, 50}, {28, 0}, {0, 0}, false, {"9.9 mm", "0.0 mm", "28 px"}, "9.9 mm"},
        {{UnitLogical, 144}, {460, 200}, {100, 100}, false, {"240 lpx", "67 lpx", "360 px"}, "240 lpx"},
        {{UnitLogical, 192}, {-3, -1}, {0, 0}, false, {"-2 lpx", "-1 lpx", "-3 px"}, "-2 lpx"},
        {{UnitLogical, 192}, {3, 1}, {0, 0}, true, {"2 lpx", "1 lpx", "3 px"}, "1 lpx"},
    };
    for (const auto& [unit, at, origin, turned, position, distance] : cases) {
        const ReadoutTexts texts = ReadoutTextsFor({at, origin, 0, {}, {}}, unit, turned, std::nullopt);
        Lines drawn;
        for (std::size_t i = 0; i < texts.position.size(); ++i)
            drawn.push_back(WithUnit(texts.position[i], PositionSuffix(unit.unit, i)));
        EXPECT_EQ(drawn, position) << testing::PrintToString(at);
        EXPECT_EQ(WithUnit(texts.distance, UnitSuffix(unit.unit)), distance) << testing::PrintToString(at);
    }
    EXPECT_EQ(ReadoutTextsFor({{}, {}, 0x777777, {}, {}}, {}, false, Rgb(255, 255, 255)).contrast, "4.47:1");
    EXPECT_EQ(ColorLines(0xAB804020), (std::array<std::string, 2>{"032-064-128", "20-40-80"}));  // red is the low byte
}

// The arrows of the position lines are drawn, not typed: at 192 dpi each stroke twice as long,
// to within the pixel that ends it.
TEST(ReadoutPainter, ArrowsScaleWithTheResolution) {
    for (const bool vertical : {false, true}) {
        const auto small = ArrowStrokes({0, 0}, vertical, 13, 96), large = ArrowStrokes({0, 0}, vertical, 26, 192);
        ASSERT_EQ(small.size(), large.size());
        for (std::size_t i = 0; i < small.size(); ++i) {
            const Point a{small[i].second.x - small[i].first.x, small[i].second.y - small[i].first.y};
            const Point b{large[i].second.x - large[i].first.x, large[i].second.y - large[i].first.y};
            EXPECT_LE(std::abs(b.x - 2 * a.x) + std::abs(b.y - 2 * a.y), 2) << vertical << i;
        }
    }
}

// A box is repainted exactly when its text changes, all of them at the first tick; the colour
// box also when the contrast comes or goes. A cursor that cannot be read leaves the last one.
TEST(CursorTracking, RepaintsExactlyTheBoxesWhoseTextChanged) {
    const PaneLayout layout = LayoutPanes({0, 0, 640, 170}, 96, MeasureReadouts(WineFont(96), {}), {});
    const Rect distance = layout.distance.box, position = layout.position.box, colour = layout.colorWithContrast.box;
    const auto texts = [](Point at, Point origin, Color color, std::optional<Color> reference = std::nullopt) {
        return ReadoutTextsFor({at, origin, color, {}, {}}, {}, false, reference);
    };
    const std::pair<ReadoutTexts, std::vector<Rect>> ticks[] = {
        {texts({500, 300}, {100, 200}, 0x336699), {distance, position, colour}},
        {texts({500, 300}, {100, 200}, 0x336699), {}},
        {texts({500, 301}, {100, 200}, 0x336699), {position}},  // y alone: the distance stays
        {texts({510, 311}, {110, 210}, 0x336699), {position}},  // dragged along: so does it
        {texts({511, 311}, {110, 210}, 0x336699), {distance, position}},
        {texts({511, 311}, {110, 210}, 0x336698), {colour}},
        {texts({511, 311}, {110, 210}, 0x336698, Rgb(0, 0, 0)), {colour}},  // a contrast appears
    };
    CursorTracker tracker;
    for (const auto& [shown, repainted] : ticks)
        EXPECT_EQ(tracker.OnTexts(shown, layout), repainted) << shown.position[1];
    EXPECT_TRUE(tracker.OnCursor(Point{5, 5}));
    EXPECT_FALSE(tracker.OnCursor(Point{5, 5}));
    EXPECT_FALSE(tracker.OnCursor(std::nullopt));
    EXPECT_EQ(tracker.LastCursor(), (Point{5, 5}));
}

}  // namespace
