#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "ruler/Canvas.h"
#include "ruler/CursorTracking.h"
#include "ruler/DpiScale.h"
#include "ruler/ReadoutText.h"
#include "ruler/RulerLayout.h"
#include "ruler/ScalePainter.h"

// Readable points and rectangles in the messages of failed expectations.
inline void PrintTo(Point p, std::ostream* out) { *out << '(' << p.x << ',' << p.y << ')'; }
inline void PrintTo(const Rect& r, std::ostream* out) { *out << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}'; }

namespace {

// A Canvas that records the scale's lines and centred texts in order, so that tests can
// check what was painted without a device context.
class RecordingCanvas : public Canvas {
public:
    enum class Kind { Line, TextCentred };
    struct Call {
        Kind kind{};
        Point from{}, to{};  // a line's ends, `to` excluded
        Rect box{};          // a text's box
        std::string text{};
        friend bool operator==(const Call& a, const Call& b) {
            return std::tie(a.kind, a.from, a.to, a.box, a.text) == std::tie(b.kind, b.from, b.to, b.box, b.text);
        }
        friend void PrintTo(const Call& c, std::ostream* out) { *out << testing::PrintToString(std::tie(c.from, c.to, c.box, c.text)); }
    };
    // Large enough to hold any ruler, small enough that Width() cannot overflow.
    static constexpr Rect kEverything{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};

    explicit RecordingCanvas(Rect clip = kEverything) : m_clip(clip) {}
    std::vector<Call> calls;

    Rect ClipBox() const override { return m_clip; }
    void Line(Point from, Point to) override { calls.push_back({Kind::Line, from, to}); }
    void TextCentred(const Rect& box, std::string_view text) override { calls.push_back({Kind::TextCentred, {}, {}, box, std::string(text)}); }
    void SelectPen(Color) override {}
    void SelectFont(Font) override {}
    void SelectTextColor(Color) override {}
    void TextAt(Point, std::string_view) override {}
    void Fill(const Rect&, Color) override {}
    void StretchFromScreen(const Rect&, const Rect&) override {}

private:
    Rect m_clip;
};

using Kind = RecordingCanvas::Kind;
using Call = RecordingCanvas::Call;
using Texts = std::vector<std::pair<std::string, Rect>>;
constexpr Rect kAll = RecordingCanvas::kEverything;

std::vector<Call> DrawRuler(const Rect& client, RulerUnit unit, std::int32_t zoom = 100, const Rect& clip = kAll, int dpi = 96) {
    RecordingCanvas canvas(clip);
    return DrawRulerScale(canvas, client, unit, zoom, dpi), canvas.calls;
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
        if (c.kind == Kind::Line && (left ? c.from.x : c.from.y) == -1 && (left ? c.to.y == c.from.y : c.to.x == c.from.x))
            ticks[at] = std::max(ticks[at], length);
    }
    return ticks;
}

// Each unit's marks along the top of a 400x40 ruler (its scale's rectangle reaches one pixel
// past each edge): pixels every 5 by series of 3, 5, 8 and 10 pixels, also along the sides
// whose extent of 42 is above the step, and at the bottom; millimetres (5, 8 and 10) at the
// zoomed resolution, numbered in whole centimetres; inches every eighth (3, 5, 8, 10). Above 70
// pixels across, numbers stand at both edges, the side's right box reaching to the very edge.
TEST(DrawScale, MarksAndNumbersEachUnit) {
    const std::vector<Call> calls = DrawRuler({0, 0, 400, 40}, UnitPixel);
    EXPECT_EQ(Ticks(calls, true), (std::map<int, int>{{5, 3}, {10, 5}, {15, 3}, {20, 5}, {25, 3}, {30, 5}, {35, 3}, {40, 5}}));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), Call{Kind::Line, {5, 38}, {5, 41}}), 1);
    const struct { RulerUnit unit; std::int32_t zoom; std::map<int, int> ticks; Texts texts; } units[] = {
        {UnitCentimetre, 100, {{0, 10}, {3, 5}, {7, 5}, {18, 8}, {37, 10}}, {{"0", {-15, 10, 15, 30}}, {"1", {22, 10, 52, 30}}}},
        {UnitCentimetre, 120, {{0, 10}, {4, 5}, {22, 8}, {45, 10}}, {{"0", {-15, 10, 15, 30}}, {"1", {30, 10, 60, 30}}}},
        {UnitInch, 100, {{0, 10}, {12, 3}, {24, 5}, {48, 8}, {96, 10}}, {{"0", {-15, 10, 15, 30}}, {"1", {81, 10, 111, 30}}}},
        {UnitPixel, 100, {{0, 10}, {5, 3}, {10, 5}, {50, 8}, {100, 10}, {400, 10}}, {{"0", {-15, 10, 15, 30}}, {"100", {85, 10, 115, 30}}}},
    };
    for (const auto& u : units) {
        const std::vector<Call> drawn = DrawRuler({0, 0, 400, 40}, u.unit, u.zoom);
        const std::map<int, int> ticks = Ticks(drawn);
        for (const auto& [x, length] : u.ticks) EXPECT_EQ(ticks.count(x) ? ticks.at(x) : 0, length) << u.unit << " at " << x;
        const Texts texts = TextsOf(drawn);
        EXPECT_EQ(Texts(texts.begin(), texts.begin() + 2), u.texts) << u.unit;
    }
    EXPECT_EQ(TextsOf(DrawRuler({0, 0, 69, 150}, UnitPixel)), (Texts{{"0", {-15, 9, 15, 29}}, {"0", {-15, 121, 15, 141}},
                                                                            {"100", {9, 85, 39, 115}}, {"100", {30, 85, 70, 115}}}));
}

// Marks that cannot touch the clip box are left out: a timer's repaint of the magnifier draws
// no scale at all.
TEST(DrawScale, DrawsExactlyWhatTouchesTheClipBox) {
    const std::pair<Rect, Rect> cases[] = {{{0, 0, 400, 120}, {195, 0, 205, 12}}, {{0, 0, 400, 120}, {112, 20, 113, 21}},
                                           {{0, 0, 400, 300}, {0, 95, 30, 130}}, {{0, 0, 500, 200}, {0, 180, 500, 200}}};
    for (const auto& [client, clip] : cases) {
        for (const RulerUnit unit : {UnitPixel, UnitCentimetre, UnitInch}) {
            std::vector<Call> kept;
            for (const Call& l : DrawRuler(client, unit)) {
                const Rect extent = l.kind == Kind::TextCentred ? l.box : Rect{l.from.x, l.from.y, std::max(l.to.x, l.from.x + 1), std::max(l.to.y, l.from.y + 1)};
                if (extent.Intersects(clip)) kept.push_back(l);
            }
            EXPECT_EQ(DrawRuler(client, unit, 100, clip), kept) << testing::PrintToString(clip);
        }
    }
}

// At 192 dpi a ruler twice as large has the inch scale at twice the places, its ticks and
// number boxes twice as large. Pixels stay device pixels: at 144 dpi their marks are spaced
// twice as far, so a tick still falls on pixel 100 and the numbers keep their room.
TEST(DrawScale, FollowsTheResolution) {
    std::map<int, int> doubled;
    for (const auto& [x, length] : Ticks(DrawRuler({0, 0, 400, 120}, UnitInch))) doubled[2 * x] = 2 * length;
    EXPECT_EQ(Ticks(DrawRuler({0, 0, 800, 240}, UnitInch, 100, kAll, 192)), doubled);
    const Rect one = TextsOf(DrawRuler({0, 0, 400, 120}, UnitInch))[1].second;
    const Rect two = TextsOf(DrawRuler({0, 0, 800, 240}, UnitInch, 100, kAll, 192))[1].second;
    EXPECT_EQ((Point{two.Width(), two.Height()}), (Point{2 * one.Width(), 2 * one.Height()}));
    const std::vector<Call> pixels = DrawRuler({0, 0, 600, 60}, UnitPixel, 100, kAll, 144);
    EXPECT_EQ(TextsOf(pixels), (Texts{{"0", {-23, 15, 23, 45}}, {"200", {177, 15, 223, 45}}, {"400", {377, 15, 423, 45}},
                                      {"600", {577, 15, 623, 45}}}));
    EXPECT_EQ(Ticks(pixels).at(100), 12);
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
            EXPECT_EQ(DistanceText({x, 7}, {0, 0}, UnitLogical, dpi), std::to_string(q)) << dpi;
        }
        for (auto& [x, length] : ticks) length = x <= 1000 ? length : expected[x];
        EXPECT_EQ(ticks, expected) << dpi;
        std::vector<std::string> numbers;  // along the top and bottom, centred on their marks
        for (const auto& [text, box] : TextsOf(calls)) {
            if (box.Height() != Scaled(20, dpi)) continue;
            numbers.push_back(text);
            EXPECT_EQ(box.left + box.Width() / 2, Rescaled(std::stoi(text), 96, dpi)) << dpi;
        }
        EXPECT_EQ(std::vector<std::string>(numbers.begin(), numbers.begin() + 4), (std::vector<std::string>{"0", "0", "100", "100"})) << dpi;
    }
}

// Pixels show absolute screen coordinates and measure the distance from the ruler's left
// edge; millimetres and inches use the resolution alone, never the zoom; a negative offset
// that rounds to zero keeps its sign. The colour's fourth byte is ignored.
TEST(ReadoutText, PositionDistanceAndColourTexts) {
    const struct { RulerUnit unit; Point at, origin; int dpi; std::vector<std::string> position; const char* distance; } cases[] = {
        {UnitPixel, {150, 210}, {100, 200}, 96, {"150", "210"}, "50"},  {UnitPixel, {90, -5}, {100, 200}, 96, {"90", "-5"}, "-10"},
        {UnitInch, {148, 392}, {100, 200}, 96, {"0.5", "2.0", "48"}, "0.5"}, {UnitInch, {-4, -1}, {0, 0}, 96, {"-0.0", "-0.0", "-4"}, "-0.0"},
        {UnitInch, {244, 488}, {100, 200}, 144, {"1.0", "2.0", "144"}, "1.0"},
        {UnitCentimetre, {100, 45}, {0, 0}, 96, {"26.5", "11.9", "100"}, "26.5"},
        {UnitLogical, {460, 200}, {100, 100}, 144, {"240", "67", "360"}, "240"},  // logical pixels round
        {UnitLogical, {-3, -1}, {0, 0}, 192, {"-2", "-1", "-3"}, "-2"}, {UnitLogical, {3, 1}, {0, 0}, 192, {"2", "1", "3"}, "2"},
        {UnitCentimetre, {-2147483647 - 1, 0}, {1, 0}, 96, {"568188381.6", "0.0", "2147483647"}, "568188381.6"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PositionLines(c.at, c.origin, c.unit, c.dpi), c.position) << testing::PrintToString(c.at);
        EXPECT_EQ(DistanceText(c.at, c.origin, c.unit, c.dpi), c.distance) << testing::PrintToString(c.at);
    }
    EXPECT_EQ(ColorLines(0xAB804020), (std::array<std::string, 2>{"032-064-128", "20-40-80"}));
    EXPECT_EQ(ColorCopyText(0xABCC6633), "#3366CC");  // red first although it is the low byte
}

// A pane is invalidated exactly when its text changes; the colour is sampled after a move and
// its pane invalidated only when the colour differs (all 32 bits compared).
TEST(CursorTracking, InvalidatesExactlyThePanesWhoseTextChanged) {
    constexpr Rect kTall{0, 0, 400, 120};
    const Invalidation position{PositionPaneRect(kTall, 96), true}, distance{DistancePaneRect(kTall, 96), true};
    auto at = [&](Point origin, RulerUnit unit = UnitPixel) { return ReadoutContext{kTall, origin, unit, 96}; };
    using Panes = std::vector<Invalidation>;
    const struct { std::optional<Point> cursor; ReadoutContext context; Panes panes; bool sample; } ticks[] = {
        {Point{500, 300}, at({100, 200}), {position, distance}, true}, {Point{500, 300}, at({100, 200}), {}, false},  // at rest
        {Point{500, 301}, at({100, 200}), {position}, true},           // y alone: the distance stays
        {Point{510, 311}, at({110, 210}), {position}, true},           // dragged along: so does it
        {std::nullopt, at({110, 210}), {}, false},                     // unread: nothing stored
        {Point{510, 311}, at({110, 210}, UnitInch), {position, distance}, false},
        {Point{511, 311}, at({110, 210}, UnitInch), {position}, true},  // 4.2 in at 400 and 401 px
        {Point{511, 311}, at({100, 210}, UnitInch), {position, distance}, false},  // the ruler moved
    };
    CursorTracker tracker;
    for (const auto& tick : ticks) {
        const CursorTick result = tracker.OnSample(tick.cursor, tick.context);
        EXPECT_EQ(std::pair(result.panes, result.sampleColor), std::pair(tick.panes, tick.sample)) << tracker.LastCursor().y;
    }
    EXPECT_FALSE(tracker.OnColor(0xFFFFFFFF, kTall, 96));  // the initial value, read again
    EXPECT_EQ(tracker.OnColor(0x00FFFFFF, kTall, 96), (Invalidation{{83, 28, 168, 61}, true}));
    EXPECT_FALSE(tracker.OnColor(0x00FFFFFF, kTall, 96));
}

}  // namespace
