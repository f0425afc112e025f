// Tests of the scale, the readouts' texts and painting, and cursor tracking.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ruler/readouts/CursorTracking.h"
#include "ruler/layout/PaneLayout.h"
#include "base/DpiScale.h"
#include "ruler/readouts/ReadoutPainter.h"
#include "ruler/readouts/ReadoutText.h"
#include "ruler/scale/ScalePainter.h"
#include "tests/unit/TestCanvas.h"

namespace {

using Kind = RecordingCanvas::Kind;
using Call = RecordingCanvas::Call;
using Texts = std::vector<std::pair<std::string, Rect>>;
constexpr Rect kAll = RecordingCanvas::kEverything;

std::vector<Call> DrawRuler(const Rect& client, RulerUnit unit, std::int32_t zoom = 100, const Rect& clip = kAll,
                            int dpi = 96, const NumberRoom& room = {}) {
    RecordingCanvas canvas(clip, dpi);
    return DrawRulerScale(canvas, client, {unit, dpi, zoom}, room), canvas.calls;
}

// The numbers and their boxes, and the longest tick at each position along the top edge (or
// the left edge): what the user sees.
Texts TextsOf(const std::vector<Call>& calls) {
    Texts texts;
    for (const Call& c : calls)
        if (c.kind == Kind::TextCentred) texts.emplace_back(c.text, c.box);
    return texts;
}
std::map<int, int> Ticks(const std::vector<Call>& calls, bool left = false) {
    std::map<int, int> ticks;
    for (const Call& c : calls) {
        const int at = left ? c.from.y : c.from.x, length = left ? c.to.x + 1 : c.to.y + 1;
        if (c.kind == Kind::Line && (left ? c.from.x : c.from.y) == -1 &&
            (left ? c.to.y == c.from.y : c.to.x == c.from.x))
            ticks[at] = std::max(ticks[at], length);
    }
    return ticks;
}

// Each unit's marks along the top of a 400x40 ruler (its scale's rectangle reaches one pixel
// past each edge): pixels every 5 by series of 3, 5, 8 and 10 pixels, also along the sides
// whose extent of 42 is above the step, and at the bottom; millimetres (5, 8 and 10) at the
// zoomed resolution, numbered in whole centimetres; inches every eighth (3, 5, 8, 10). The zero
// edge's number stands beside the side's ticks. Above 70
// pixels across, numbers stand at both edges, the side's right box reaching to the very edge.
TEST(DrawScale, MarksAndNumbersEachUnit) {
    const std::vector<Call> calls = DrawRuler({0, 0, 400, 40}, UnitPixel);
    EXPECT_EQ(Ticks(calls, true),
              (std::map<int, int>{{5, 3}, {10, 5}, {15, 3}, {20, 5}, {25, 3}, {30, 5}, {35, 3}, {40, 5}}));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), Call{Kind::Line, {5, 38}, {5, 41}}), 1);
    const struct {
        RulerUnit unit;
        std::int32_t zoom;
        std::map<int, int> ticks;
        Texts texts;
    } units[] = {
        {UnitCentimetre,
         100,
         {{0, 10}, {3, 5}, {7, 5}, {18, 8}, {37, 10}},
         {{"0", {-3, 10, 27, 30}}, {"1", {22, 10, 52, 30}}}},
        {UnitCentimetre, 120, {{0, 10}, {4, 5}, {22, 8}, {45, 10}}, {{"0", {-3, 10, 27, 30}}, {"1", {30, 10, 60, 30}}}},
        {UnitInch,
         100,
         {{0, 10}, {12, 3}, {24, 5}, {48, 8}, {96, 10}},
         {{"0", {-3, 10, 27, 30}}, {"1", {81, 10, 111, 30}}}},
        {UnitPixel,
         100,
         {{0, 10}, {5, 3}, {10, 5}, {50, 8}, {100, 10}, {400, 10}},
         {{"0", {-8, 10, 22, 30}}, {"100", {85, 10, 115, 30}}}},
    };
    for (const auto& u : units) {
        const std::vector<Call> drawn = DrawRuler({0, 0, 400, 40}, u.unit, u.zoom);
        const std::map<int, int> ticks = Ticks(drawn);
        for (const auto& [x, length] : u.ticks)
            EXPECT_EQ(ticks.count(x) ? ticks.at(x) : 0, length) << u.unit << " at " << x;
        const Texts texts = TextsOf(drawn);
        EXPECT_EQ(Texts(texts.begin(), texts.begin() + 2), u.texts) << u.unit;
    }
    EXPECT_EQ(TextsOf(DrawRuler({0, 0, 400, 40}, UnitCentimetre, 120))[5].first, "5")
        << "whole centimetres at any zoom";
    EXPECT_EQ(
        TextsOf(DrawRuler({0, 0, 69, 150}, UnitPixel)),
        (Texts{
            {"0", {-3, 9, 27, 29}}, {"0", {-3, 121, 27, 141}}, {"100", {9, 85, 39, 115}}, {"100", {30, 85, 70, 115}}}));
}

// At 192 dpi a ruler twice as large has the inch scale at twice the places, its ticks and
// number boxes twice as large.
TEST(DrawScale, FollowsTheResolution) {
    std::map<int, int> doubled;
    for (const auto& [x, length] : Ticks(DrawRuler({0, 0, 400, 120}, UnitInch))) doubled[2 * x] = 2 * length;
    EXPECT_EQ(Ticks(DrawRuler({0, 0, 800, 240}, UnitInch, 100, kAll, 192)), doubled);
    const Rect one = TextsOf(DrawRuler({0, 0, 400, 120}, UnitInch))[1].second;
    const Rect two = TextsOf(DrawRuler({0, 0, 800, 240}, UnitInch, 100, kAll, 192))[1].second;
    EXPECT_EQ((Point{two.Width(), two.Height()}), (Point{2 * one.Width(), 2 * one.Height()}));
}

// Logical pixels: marks every 5, 10, 50 and 100 logical pixels, each at round(q × dpi / 96)
// device pixels with the pixel unit's tick lengths, numbered every 100; at 96 dpi exactly the
// pixel unit's scale. The mouse on a mark reads that mark's value.
TEST(DrawScale, LogicalPixelsStandWhereTheirReadoutsSayAtEveryResolution) {
    const Rect client{0, 0, 1000, 120};
    EXPECT_EQ(DrawRuler(client, UnitLogical), DrawRuler(client, UnitPixel));
    for (const int dpi : {96, 120, 144, 192}) {
        const std::vector<Call> calls = DrawRuler({0, 0, 1000, Scaled(120, dpi)}, UnitLogical, 100, kAll, dpi);
        std::map<int, int> ticks, expected;
        for (const auto& [x, length] : Ticks(calls)) ticks[x] = x <= 1000 ? length : 0;
        for (int q = 0; Rescaled(q, 96, dpi) <= 1000; q += 5) {
            const int x = Rescaled(q, 96, dpi);
            expected[x] = Scaled(q % 100 == 0 ? 10 : q % 50 == 0 ? 8 : q % 10 == 0 ? 5 : 3, dpi);
            EXPECT_EQ(DistanceText(x, {UnitLogical, dpi}), std::to_string(q)) << dpi;
        }
        for (auto& [x, length] : ticks) length = x <= 1000 ? length : expected[x];
        EXPECT_EQ(ticks, expected) << dpi;
        std::vector<std::string> numbers;  // along the top and bottom, centred on their marks
        for (const auto& [text, box] : TextsOf(calls)) {
            if (box.Height() != Scaled(20, dpi)) continue;
            numbers.push_back(text);
            if (text != "0") EXPECT_EQ(box.left + box.Width() / 2, Rescaled(std::stoi(text), 96, dpi)) << dpi;
        }
        EXPECT_EQ(std::vector<std::string>(numbers.begin(), numbers.begin() + 4),
                  (std::vector<std::string>{"0", "0", "100", "100"}))
            << dpi;
    }
}

// A number that would come closer than the gap to a readout is left out (how numbers keep
// clear of each other is checked with the real fonts). A series whose marks would stand
// closer than 3 pixels is not drawn at all.
TEST(DrawScale, NumbersKeepClearOfReadoutsAndCrowdedSeriesGo) {
    const NumberRoom room{{{43, 12, 101, 29}}, 3};  // the distance box of a thin ruler
    const Texts thin = TextsOf(DrawRuler({0, 0, 489, 41}, UnitPixel, 100, kAll, 96, room));
    EXPECT_EQ(thin.size(), 4u);
    EXPECT_EQ(thin[1].first, "200") << "'100' comes too close to the readout";
    std::map<int, int> every378, ticks;  // at zoom 10 only the centimetres are marked, 3.78 pixels apart
    for (int i = 0; 3.78 * i < 400; ++i) every378[static_cast<int>(3.7795275590551185 * i)] = 10;
    for (const auto& [x, length] : Ticks(DrawRuler({0, 0, 400, 40}, UnitCentimetre, 10)))
        if (x < 400) ticks[x] = length;
    EXPECT_EQ(ticks, every378);
    EXPECT_TRUE(DrawRuler({0, 0, 400, 40}, UnitCentimetre, 5).empty()) << "no dark band at zoom 5";
}

// What the readouts show, each number with its unit: pixels give absolute screen coordinates
// and the distance from the zero edge (the left edge, or the top one on a turned ruler);
// millimetres are calibrated by the zoom as the scale is, inches follow the resolution alone, and
// a negative offset that rounds to zero keeps its sign; logical pixels round halves away from
// zero. The colour's fourth byte is ignored; a reference colour adds the contrast.
TEST(ReadoutText, EachNumberWithItsUnit) {
    using Lines = std::vector<std::string>;
    const struct {
        UnitOfMeasure unit;
        Point at, origin;
        bool turned;
        Lines position;
        const char* distance;
    } cases[] = {
        {{UnitPixel, 96}, {150, 210}, {100, 200}, false, {"150 px", "210 px"}, "50 px"},
        {{UnitPixel, 96}, {150, 210}, {100, 200}, true, {"150 px", "210 px"}, "10 px"},
        {{UnitPixel, 96}, {90, -5}, {100, 200}, false, {"90 px", "-5 px"}, "-10 px"},
        {{UnitInch, 96}, {148, 392}, {100, 200}, false, {"0.5 in", "2.0 in", "48 px"}, "0.5 in"},
        {{UnitInch, 96}, {-4, -1}, {0, 0}, false, {"-0.0 in", "-0.0 in", "-4 px"}, "-0.0 in"},
        {{UnitInch, 144}, {244, 488}, {100, 200}, true, {"1.0 in", "2.0 in", "144 px"}, "2.0 in"},
        {{UnitCentimetre, 96}, {100, 45}, {0, 0}, false, {"26.5 mm", "11.9 mm", "100 px"}, "26.5 mm"},
        {{UnitLogical, 144}, {460, 200}, {100, 100}, false, {"240 lpx", "67 lpx", "360 px"}, "240 lpx"},
        {{UnitLogical, 192}, {-3, -1}, {0, 0}, false, {"-2 lpx", "-1 lpx", "-3 px"}, "-2 lpx"},
        {{UnitLogical, 192}, {3, 1}, {0, 0}, true, {"2 lpx", "1 lpx", "3 px"}, "1 lpx"},
        {{UnitCentimetre, 96},
         {-2147483647 - 1, 0},
         {1, 0},
         false,
         {"568188381.6 mm", "0.0 mm", "2147483647 px"},
         "568188381.6 mm"},
        {{UnitCentimetre, 96, 120}, {45, 45}, {0, 0}, false, {"9.9 mm", "9.9 mm", "45 px"}, "9.9 mm"},  // on the mark
                                                                                                        // numbered 1
        {{UnitCentimetre, 96, 150}, {57, 0}, {0, 0}, false, {"10.1 mm", "0.0 mm", "57 px"}, "10.1 mm"},
        {{UnitCentimetre, 144, 50}, {28, 0}, {0, 0}, false, {"9.9 mm", "0.0 mm", "28 px"}, "9.9 mm"},
    };
    for (const auto& c : cases) {
        const ReadoutTexts texts = ReadoutTextsFor({c.at, c.origin, 0}, c.unit, c.turned, std::nullopt);
        Lines drawn;
        for (std::size_t i = 0; i < texts.position.size(); ++i)
            drawn.push_back(WithUnit(texts.position[i], PositionSuffix(c.unit.unit, i)));
        EXPECT_EQ(drawn, c.position) << testing::PrintToString(c.at);
        EXPECT_EQ(WithUnit(texts.distance, UnitSuffix(c.unit.unit)), c.distance) << testing::PrintToString(c.at);
        EXPECT_EQ(texts.contrast, "");
    }
    const ReadoutTexts colour = ReadoutTextsFor({{0, 0}, {0, 0}, 0xAB777777}, {}, false, Rgb(255, 255, 255));
    EXPECT_EQ(colour.color, (std::array<std::string, 2>{"119-119-119", "77-77-77"}));
    EXPECT_EQ(colour.contrast, "4.47:1");
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
    const PaneLayout layout = LayoutPanes({0, 0, 640, 170}, 96, MeasureReadouts(FixedMeasure(), {}), {});
    const Rect distance = layout.distance.box, position = layout.position.box, colour = layout.colorWithContrast.box;
    const auto texts = [](Point at, Point origin, Color color, std::optional<Color> reference = std::nullopt) {
        return ReadoutTextsFor({at, origin, color}, {}, false, reference);
    };
    using Boxes = std::vector<Rect>;
    const std::pair<ReadoutTexts, Boxes> ticks[] = {
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
