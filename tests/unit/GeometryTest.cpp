#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <vector>

#include "platform/Placement.h"
#include "ruler/DpiScale.h"
#include "ruler/MagnifierGeometry.h"
#include "ruler/MagnifierWatch.h"
#include "ruler/Monitors.h"
#include "ruler/Nudge.h"
#include "ruler/Rotation.h"
#include "ruler/RulerLayout.h"

// Readable points and rectangles in the messages of failed expectations.
inline void PrintTo(Point p, std::ostream* out) { *out << '(' << p.x << ',' << p.y << ')'; }
inline void PrintTo(const Rect& r, std::ostream* out) { *out << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}'; }

namespace {
using Rule = Rect (*)(const Rect&, int);
constexpr Rule kRules[] = {PositionPaneRect, DistancePaneRect, ColorPaneRect, MagnifierPaneRect, MagnifierSliderRect};

// Which panes a ruler of each size shows at 96 dpi, and where; boundaries first.
TEST(RulerLayout, GivesEachPaneOrTheEmptyRectangleAt96Dpi) {
    constexpr Rect kNo{}, kPos{38, 28, 83, 81}, kDis{45, 14, 85, 34}, kCol{83, 28, 168, 61};
    const struct { Rect client, position, distance, colour, magnifier, slider; } cases[] = {
        {{0, 0, 99, 100}, kNo, kNo, kNo, kNo, kNo}, {{0, 0, 100, 100}, kPos, kNo, kNo, kNo, kNo},
        {{0, 0, 149, 100}, kPos, kDis, kNo, kNo, kNo}, {{0, 0, 199, 100}, kPos, kDis, kCol, kNo, kNo},
        {{0, 0, 250, 83}, kNo, kDis, kNo, kNo, kNo}, {{0, 0, 200, 100}, kPos, kDis, kCol, {170, 28, 162, 72}, {135, 58, 165, 72}},
        {{0, 0, 209, 100}, kPos, kDis, kCol, {170, 28, 171, 72}, {135, 58, 165, 72}},
        {{0, 0, 250, 84}, kPos, kDis, kCol, {170, 28, 212, 56}, {135, 58, 165, 56}},
        {{10, 20, 260, 120}, {48, 48, 93, 101}, {55, 34, 95, 54}, {93, 48, 178, 81}, {180, 48, 222, 92}, {145, 78, 175, 92}},
    };
    for (const auto& c : cases) {
        const Rect expected[] = {c.position, c.distance, c.colour, c.magnifier, c.slider};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(kRules[i](c.client, 96), expected[i]) << testing::PrintToString(c.client) << i;
    }
    constexpr int kMax = 2147483647;  // wider than an int can count: still wider than high
    EXPECT_EQ(DistancePaneRect({-kMax - 1, 0, kMax, 100}, 96), (Rect{-kMax + 44, 14, -kMax + 84, 34}));
}

Rect ScaledRect(const Rect& r, int dpi) { return {Scaled(r.left, dpi), Scaled(r.top, dpi), Scaled(r.right, dpi), Scaled(r.bottom, dpi)}; }

bool WithinAPixel(const Rect& a, const Rect& b) {
    return std::max({std::abs(a.left - b.left), std::abs(a.top - b.top), std::abs(a.right - b.right), std::abs(a.bottom - b.bottom)}) <= 1;
}

// A ruler of the scaled size at 120, 144 or 192 dpi has every rectangle of the 96-dpi ruler,
// scaled to within the rounding of a pixel; sizes and thresholds scale alike.
TEST(RulerLayout, EveryRectangleScalesWithTheResolution) {
    for (const int dpi : {120, 144, 192}) {
        SCOPED_TRACE(testing::Message() << dpi << " dpi");
        for (const Rect& client : {Rect{0, 0, 489, 41}, Rect{0, 0, 400, 120}, Rect{0, 0, 300, 300}, Rect{0, 0, 220, 90}}) {
            for (const Rule rule : kRules)
                EXPECT_TRUE(WithinAPixel(rule(ScaledRect(client, dpi), dpi), ScaledRect(rule(client, 96), dpi))) << testing::PrintToString(client);
            EXPECT_TRUE(WithinAPixel(MagnifierInterior(ScaledRect(client, dpi), dpi), ScaledRect(MagnifierInterior(client, 96), dpi)));
        }
        const int tall = Scaled(83, dpi) + 1, wide = Scaled(100, dpi);  // the tall panes' thresholds
        EXPECT_TRUE(PositionPaneRect({0, 0, wide, tall - 1}, dpi).IsEmpty());
        EXPECT_TRUE(PositionPaneRect({0, 0, wide - 1, tall}, dpi).IsEmpty());
        EXPECT_FALSE(PositionPaneRect({0, 0, wide, tall}, dpi).IsEmpty());
        EXPECT_EQ(AlphaSliderRect(dpi), ScaledRect(AlphaSliderRect(96), dpi));
        EXPECT_EQ(MinimumTrackSize(dpi), (Point{Scaled(45, dpi), Scaled(40, dpi)}));
        EXPECT_EQ(CloseButtonOrigin(1000, 30, dpi), (Point{970 - Scaled(5, dpi), Scaled(5, dpi)}));
        EXPECT_EQ(SymbolFontHeight(dpi), Scaled(SymbolFontHeight(96), dpi));
        EXPECT_NEAR(DialogFontHeight(dpi), Scaled(DialogFontHeight(96), dpi), 1);
        // The close button's faces are never stretched nor cut: those of the resolution, of the
        // nearest lower one, or lower still when the button is too small for them.
        constexpr Point kRoomy{100, 100};
        EXPECT_EQ(CloseFaceDpi(dpi, kRoomy), dpi);
        EXPECT_EQ(CloseFaceDpi(dpi - 1, kRoomy), dpi == 120 ? 96 : dpi == 144 ? 120 : 144);
        EXPECT_EQ(CloseFaceDpi(dpi, {Scaled(12, dpi), Scaled(13, dpi) - 1}), CloseFaceDpi(dpi - 1, kRoomy));
    }
}

// Arrows move the ruler by one pixel, Shift by ten; with Ctrl they move its right or bottom
// edge, shrinking never below the smallest size.
TEST(Nudge, MovesOrResizesByOneOrTenPixels) {
    constexpr Rect kRuler{100, 200, 400, 240}, kTurned{100, 200, 140, 500};  // kTurned is narrower than 45
    using K = NudgeKey;
    const struct { Rect window; K key; bool shift, ctrl; Rect after; } cases[] = {
        {kRuler, K::Right, false, false, {101, 200, 401, 240}}, {kRuler, K::Left, true, false, {90, 200, 390, 240}},
        {kRuler, K::Down, true, false, {100, 210, 400, 250}}, {kRuler, K::Up, false, false, {100, 199, 400, 239}},
        {kRuler, K::Right, false, true, {100, 200, 401, 240}}, {kRuler, K::Left, true, true, {100, 200, 390, 240}},
        {kRuler, K::Down, false, true, {100, 200, 400, 241}}, {kRuler, K::Up, false, true, kRuler},  // 40 high
        {{100, 200, 150, 250}, K::Left, true, true, {100, 200, 145, 250}}, {{100, 200, 150, 250}, K::Up, true, true, {100, 200, 150, 240}},
        {kTurned, K::Left, false, true, kTurned}, {kTurned, K::Right, false, true, {100, 200, 141, 500}}, {kTurned, K::Up, true, true, {100, 200, 140, 490}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NudgedWindowRect(c.window, c.key, c.shift, c.ctrl, {45, 40}), c.after) << int(c.key) << c.shift << c.ctrl;
}

// A wide ruler turns clockwise about the click, a tall or square one counter-clockwise; the
// click keeps its place, no size limit applies, and turning back restores the ruler.
TEST(Rotation, TurnsAboutTheClickAndBack) {
    EXPECT_EQ(RotatedWindowRect({100, 100, 400, 140}, {150, 120}), (Rect{130, 70, 170, 370}));
    EXPECT_EQ(RotatedWindowRect({130, 70, 170, 370}, {150, 120}), (Rect{100, 100, 400, 140}));
    const Rect square{10, 20, 110, 120}, once = RotatedWindowRect(square, {30, 90});
    EXPECT_EQ(once, (Rect{-40, 10, 60, 110}));  // the old top edge is now the left edge
    EXPECT_EQ(RotatedWindowRect(RotatedWindowRect(RotatedWindowRect(once, {30, 90}), {30, 90}), {30, 90}), square);
}

// A 1280x1024 monitor left of the primary 1024x768 one, reaching 200 pixels higher, and a
// 1920x1080 one above the primary.
constexpr Rect kLeft{-1280, -200, 0, 824}, kPrimary{0, 0, 1024, 768}, kAbove{-300, -1280, 1620, -200};
const std::vector<Rect> kMonitors{kPrimary, kLeft, kAbove};
const Rect kPane = MagnifierPaneRect({0, 0, 400, 120}, 96);  // image 176, 34, 356, 86

// Each screen pixel becomes a block of `factor` pixels; the source stays on the monitor under
// the mouse, wherever that lies, the lower bound tested first.
TEST(MagnifierGeometry, CopiesAroundTheMouseFromItsMonitorOnly) {
    const struct { int factor; Point cursor; Rect source, dest; } cases[] = {
        {2, {500, 300}, {455, 287, 546, 314}, {176, 34, 358, 88}}, {20, {500, 300}, {495, 299, 505, 302}, {176, 34, 376, 94}},
        {1, {500, 300}, {410, 274, 591, 327}, {176, 34, 357, 87}}, {0, {500, 300}, {410, 274, 591, 327}, {176, 34, 357, 87}},
        {2, {10, 5}, {0, 0, 91, 27}, {176, 34, 358, 88}},          {2, {1020, 760}, {933, 741, 1024, 768}, {176, 34, 358, 88}},
        {2, {-5, 300}, {-91, 287, 0, 314}, {}},                     {2, {-1275, -195}, {-1280, -200, -1189, -173}, {}},
        {2, {-600, 815}, {-645, 797, -554, 824}, {}},               {2, {1000, -205}, {955, -227, 1046, -200}, {}},
    };
    for (const auto& c : cases) {
        const MagnifierGeometry g = MagnifierGeometryFor(kPane, c.factor, c.cursor, MonitorAt(c.cursor, kMonitors), 96);
        EXPECT_EQ(g.source, c.source) << testing::PrintToString(c.cursor);
        if (!c.dest.IsEmpty()) EXPECT_EQ(g.dest, c.dest) << testing::PrintToString(c.cursor);
        EXPECT_EQ(g.crosshair, (Point{266, 60}));
    }
    // A source wider than the monitor: centred at its first half below it, at the last above.
    EXPECT_EQ(MagnifierGeometryFor(kPane, 1, {89, 25}, {0, 0, 51, 11}, 96).source, (Rect{0, 0, 181, 53}));
    EXPECT_EQ(MagnifierGeometryFor(kPane, 1, {90, 26}, {0, 0, 51, 11}, 96).source, (Rect{-130, -42, 51, 11}));
    for (int size = 1; size <= 13; ++size)  // panes up to 12 pixels leave no image: nothing is copied
        EXPECT_EQ(MagnifierGeometryFor({170, 28, 170 + size, 92}, 2, {500, 300}, kPrimary, 96).Copies(), size == 13) << size;
    EXPECT_EQ(MagnifierGeometryFor(MagnifierPaneRect({0, 0, 800, 240}, 192), 2, {500, 300}, kPrimary, 192).image,
              (Rect{352, 68, 712, 172}));  // twice as far at 192 dpi
}

// The monitor under a point, or the nearest one between and outside them.
TEST(Monitors, TheMonitorUnderAPointOrTheNearest) {
    const std::pair<Point, Rect> cases[] = {
        {{0, 0}, kPrimary},   {{-1, 0}, kLeft},         {{1023, 767}, kPrimary}, {{500, -201}, kAbove}, {{1100, 300}, kPrimary},
        {{-1400, 900}, kLeft}, {{1700, -500}, kAbove}, {{1024, 768}, kPrimary},
    };
    for (const auto& [point, monitor] : cases) EXPECT_EQ(MonitorAt(point, kMonitors), monitor) << testing::PrintToString(point);
    EXPECT_EQ(MonitorAt({5, 5}, {}), Rect{});
}

// A dialog is centred over its owner and kept in the work area of the owner's monitor.
TEST(Monitors, DialogStaysInTheWorkAreaOfItsOwnersMonitor) {
    constexpr Rect kLeftWork{-1280, -200, 0, 784};
    const struct { Rect owner, work; Point origin; } cases[] = {
        {{-900, 100, -500, 140}, kLeftWork, {-800, -30}}, {{-150, 100, 50, 140}, kLeftWork, {-200, -30}},
        {{-1300, 760, -1100, 800}, kLeftWork, {-1280, 484}}, {{100, 300, 500, 340}, {0, 0, 1024, 728}, {200, 170}},
        {kLeftWork, kLeftWork, {-740, 142}},
    };
    for (const auto& c : cases) EXPECT_EQ(CentredOrigin({0, 0, 200, 300}, c.owner, c.work), c.origin) << testing::PrintToString(c.owner);
}

// The magnifier repaints when its picture changed: any differing pixel, another source area
// or another destination; never for the same picture again.
TEST(MagnifierWatch, ChangedByAnyPixelTheSourceOrTheDestination) {
    MagnifierWatch watch;
    std::vector<std::uint32_t> pixels(91 * 27, 0x336699);
    auto changed = [&](const Rect& source, const Rect& dest) { return watch.Changed(source, dest, pixels.data(), pixels.size()); };
    const Rect source{455, 287, 546, 314}, dest{176, 34, 358, 88};
    EXPECT_TRUE(changed(source, dest));
    EXPECT_FALSE(changed(source, dest));
    for (const std::size_t at : {std::size_t{0}, pixels.size() / 2, pixels.size() - 1}) {
        pixels[at] ^= 1;
        EXPECT_TRUE(changed(source, dest)) << at;
        EXPECT_FALSE(changed(source, dest)) << at;
    }
    EXPECT_TRUE(changed({456, 287, 547, 314}, dest));
    EXPECT_TRUE(changed({456, 287, 547, 314}, {176, 34, 359, 88}));
    EXPECT_FALSE(changed({456, 287, 547, 314}, {176, 34, 359, 88}));
}

}  // namespace
