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
#include "ruler/PaneLayout.h"
#include "ruler/RulerLayout.h"
#include "ruler/CloseFaces.h"
#include "tests/unit/TestCanvas.h"

namespace {

PaneLayout Layout(const Rect& client, RulerUnit unit = UnitPixel, int dpi = 96) {
    return LayoutPanes(client, dpi, MeasureReadouts(FixedMeasure(dpi), unit, dpi));
}

// A 640x170 ruler in pixels at 96 dpi, its readouts in framed boxes sized from the widest
// texts (here every character 6 pixels wide): the distance right of the zero edge, below it
// position and colour (the swatch at its right, a third line below for the contrast), then
// the slider and the magnifier. Wider texts move everything after them along.
TEST(PaneLayout, BoxesSizedFromTheWidestTextsAndTheRestMovesAlong) {
    EXPECT_EQ(MeasureReadouts(FixedMeasure(), UnitPixel, 96).distance, 9 * 6);  // "-99999 px"
    const PaneLayout l = Layout({0, 0, 640, 170});
    EXPECT_EQ(l.distance.box, (Rect{43, 12, 101, 29}));
    EXPECT_EQ(l.position.box, (Rect{36, 32, 112, 64}));
    EXPECT_EQ(l.color.box, (Rect{116, 32, 210, 64}));
    EXPECT_EQ(l.swatch, (Rect{188, 34, 208, 62}));
    EXPECT_EQ(l.colorWithContrast.box, (Rect{116, 32, 210, 79}));
    EXPECT_EQ(l.magnifierSlider, (Rect{214, 58, 244, 142}));
    EXPECT_EQ(l.magnifier, (Rect{249, 28, 602, 142}));
    const PaneLayout cm = Layout({0, 0, 640, 170}, UnitCentimetre);  // "-26458.0 mm": two characters more
    EXPECT_EQ(cm.position.box.Height() - l.position.box.Height(), 15) << "a third line";
    const std::pair<int, int> moved[] = {{cm.distance.box.right, l.distance.box.right}, {cm.position.box.right, l.position.box.right},
                                         {cm.color.box.right, l.color.box.right}, {cm.magnifier.left, l.magnifier.left}};
    for (const auto& [wider, narrower] : moved) EXPECT_EQ(wider - 12, narrower);
}

// Each box only where it fits inside the ruler, the tall ones from 84 pixels high, the
// contrast's line from 100; no distance on a square. A turned ruler wide enough keeps the
// distance box at its place; a narrower one centres a box as wide as its text below its top
// edge, and shows none when its text is wider than the ruler.
TEST(PaneLayout, ShowsWhatFitsInsideTheRuler) {
    const struct { Rect client; bool distance, position, colour, contrast, magnifier, slider; } cases[] = {
        {{0, 0, 489, 41}, true, false, false, false, false, false},  {{0, 0, 250, 83}, true, false, false, false, false, false},
        {{0, 0, 250, 84}, true, true, true, false, false, false},    {{0, 0, 112, 84}, true, true, false, false, false, false},
        {{0, 0, 111, 84}, true, false, false, false, false, false},  {{0, 0, 150, 150}, false, true, false, false, false, false},
        {{0, 0, 287, 100}, true, true, true, true, false, false},    {{0, 0, 288, 100}, true, true, true, true, true, true},
        {{0, 0, 288, 86}, true, true, true, false, true, false},     {{0, 0, 300, 489}, true, true, true, true, true, true},
        {{0, 0, 41, 489}, true, false, false, false, false, false},
    };
    for (const auto& c : cases) {
        const PaneLayout l = Layout(c.client);
        const bool shown[] = {!l.distance.box.IsEmpty(), !l.position.box.IsEmpty(), !l.color.box.IsEmpty(),
                              !l.colorWithContrast.box.IsEmpty(), !l.magnifier.IsEmpty(), !l.magnifierSlider.IsEmpty()};
        const bool expected[] = {c.distance, c.position, c.colour, c.contrast, c.magnifier, c.slider};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(shown[i], expected[i]) << testing::PrintToString(c.client) << " box " << i;
    }
    EXPECT_EQ(Layout({0, 0, 300, 489}).distance.box, Layout({0, 0, 489, 300}).distance.box);
    const PaneLayout turned = Layout({0, 0, 41, 489});
    EXPECT_EQ(DistanceBox(turned, 30).box, (Rect{3, 43, 37, 60}));
    EXPECT_EQ(DistanceBox(turned, 30).text, (Point{5, 45}));
    EXPECT_EQ(DistanceBox(turned, 37).box, (Rect{0, 43, 41, 60}));
    EXPECT_TRUE(DistanceBox(turned, 38).box.IsEmpty());
}

Rect ScaledRect(const Rect& r, int dpi) { return {Scaled(r.left, dpi), Scaled(r.top, dpi), Scaled(r.right, dpi), Scaled(r.bottom, dpi)}; }

bool WithinThreePixels(const Rect& a, const Rect& b) {
    return std::max({std::abs(a.left - b.left), std::abs(a.top - b.top), std::abs(a.right - b.right), std::abs(a.bottom - b.bottom)}) <= 3;
}

// A ruler of the scaled size at 120, 144 or 192 dpi, with a font scaled alike, has every box of
// the 96-dpi ruler scaled, to within the rounding of a few pixels (a box's frame stays one
// device pixel); sizes and limits scale too.
TEST(PaneLayout, EveryRectangleScalesWithTheResolution) {
    for (const int dpi : {120, 144, 192}) {
        SCOPED_TRACE(testing::Message() << dpi << " dpi");
        for (const Rect& client : {Rect{0, 0, 489, 41}, Rect{0, 0, 640, 170}, Rect{0, 0, 300, 489}}) {
            const PaneLayout at96 = Layout(client), scaled = Layout(ScaledRect(client, dpi), UnitPixel, dpi);
            const Rect pairs[][2] = {{at96.distance.box, scaled.distance.box}, {at96.position.box, scaled.position.box},
                                     {at96.colorWithContrast.box, scaled.colorWithContrast.box}, {at96.swatch, scaled.swatch},
                                     {at96.magnifier, scaled.magnifier}, {at96.magnifierSlider, scaled.magnifierSlider},
                                     {at96.MagnifierInterior(), scaled.MagnifierInterior()}};
            for (const auto& [small, large] : pairs) EXPECT_TRUE(WithinThreePixels(ScaledRect(small, dpi), large)) << testing::PrintToString(large);
        }
        EXPECT_EQ(AlphaSliderRect(dpi), ScaledRect(AlphaSliderRect(96), dpi));
        EXPECT_EQ(MinimumTrackSize(dpi), (Point{Scaled(45, dpi), Scaled(40, dpi)}));
        EXPECT_EQ(CloseButtonOrigin(1000, 30, dpi), (Point{970 - Scaled(5, dpi), Scaled(5, dpi)}));
        EXPECT_NEAR(DialogFontHeight(dpi), Scaled(DialogFontHeight(96), dpi), 1);
        // The close button's faces: those of the resolution, else those of the nearest lower one.
        EXPECT_EQ(CloseFaceFor(dpi).dpi, dpi);
        EXPECT_EQ(CloseFaceFor(dpi - 1).dpi, dpi == 120 ? 96 : dpi == 144 ? 120 : 144);
    }
    EXPECT_EQ(CloseFaceFor(72).dpi, 96);
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
const std::vector<MonitorArea> kMonitors{{kPrimary, kPrimary}, {kLeft, kLeft}, {kAbove, kAbove}};
constexpr Rect kPane{170, 28, 362, 92};  // image 176, 34, 356, 86

// Each screen pixel becomes a block of `factor` pixels, as many as the image shows; the source
// stays on the monitor under the mouse, wherever that lies, the lower bound tested first.
TEST(MagnifierGeometry, CopiesAroundTheMouseFromItsMonitorOnly) {
    const struct { int factor; Point cursor; Rect source, dest; } cases[] = {
        {2, {500, 300}, {455, 287, 545, 313}, {176, 34, 356, 86}}, {20, {500, 300}, {496, 299, 505, 302}, {176, 34, 356, 94}},
        {1, {500, 300}, {410, 274, 590, 326}, {176, 34, 356, 86}}, {0, {500, 300}, {410, 274, 590, 326}, {176, 34, 356, 86}},
        {7, {500, 300}, {487, 296, 513, 304}, {176, 34, 358, 90}}, {2, {10, 5}, {0, 0, 90, 26}, {176, 34, 356, 86}},
        {2, {1023, 767}, {934, 742, 1024, 768}, {}},                {2, {-5, 300}, {-90, 287, 0, 313}, {}},
        {2, {-1275, -195}, {-1280, -200, -1190, -174}, {}},        {2, {-600, 815}, {-645, 798, -555, 824}, {}},
        {2, {1000, -205}, {955, -226, 1045, -200}, {}},
    };
    for (const auto& c : cases) {
        const MagnifierGeometry g = MagnifierGeometryFor(kPane, c.factor, c.cursor, MonitorAt(c.cursor, kMonitors), 96);
        EXPECT_EQ(g.source, c.source) << testing::PrintToString(c.cursor);
        if (!c.dest.IsEmpty()) EXPECT_EQ(g.dest, c.dest) << testing::PrintToString(c.cursor);
    }
    // A source longer than the monitor: it starts at the monitor for a cursor in its first half.
    EXPECT_EQ(MagnifierGeometryFor(kPane, 1, {89, 25}, {0, 0, 51, 11}, 96).source, (Rect{0, 0, 180, 52}));
    EXPECT_EQ(MagnifierGeometryFor(kPane, 1, {90, 26}, {0, 0, 51, 11}, 96).source, (Rect{-129, -41, 51, 11}));
    for (int size = 1; size <= 13; ++size)  // panes up to 12 pixels leave no image: nothing is copied
        EXPECT_EQ(MagnifierGeometryFor({170, 28, 170 + size, 92}, 2, {500, 300}, kPrimary, 96).Copies(), size == 13) << size;
    EXPECT_EQ(MagnifierGeometryFor({340, 56, 724, 184}, 2, {500, 300}, kPrimary, 192).image,
              (Rect{352, 68, 712, 172}));  // inset twice as far at 192 dpi
}

// At every factor and for odd and even images the crosshair crosses the block of the
// cursor's pixel, the one whose colour the readouts show, also where the monitor's edge holds
// the source; every block of the source is at least partly seen.
TEST(MagnifierGeometry, TheCrosshairCrossesTheCursorsPixel) {
    for (int f = 1; f <= 20; ++f) {
        for (const Point size : {Point{180, 52}, Point{181, 53}, Point{161, 60}, Point{200, 41}}) {
            for (const Point cursor : {Point{500, 300}, Point{0, 0}, Point{1023, 767}, Point{3, 766}}) {
                const Rect pane{170, 28, 170 + size.x + 12, 28 + size.y + 12};
                const MagnifierGeometry g = MagnifierGeometryFor(pane, f, cursor, kPrimary, 96);
                const std::string what = testing::PrintToString(std::make_tuple(f, size, cursor));
                EXPECT_TRUE(g.image.Contains(g.crosshair) && g.cursorBlock.Contains(g.crosshair)) << what;
                EXPECT_EQ((Point{g.source.left + (g.crosshair.x - g.dest.left) / f, g.source.top + (g.crosshair.y - g.dest.top) / f}), cursor) << what;
                EXPECT_TRUE(g.dest.right - g.image.right < f && g.dest.bottom - g.image.bottom < f) << what;
            }
        }
    }
}

// Every point of the picture maps back to the screen pixel its block shows, also on monitors
// left of and above the primary one, and the cursor's block to the cursor; a point on a grid
// line belongs to the block the line starts. From factor 6 up a grid line starts each block.
TEST(MagnifierGeometry, PointsOfThePictureMapBackToTheirScreenPixels) {
    for (const int f : {1, 2, 5, 6, 9, 20}) {
        for (const Point cursor : {Point{500, 300}, Point{-1275, -195}, Point{1000, -205}}) {
            const MagnifierGeometry g = MagnifierGeometryFor(kPane, f, cursor, MonitorAt(cursor, kMonitors), 96);
            EXPECT_EQ(SourcePixelAt(g, g.crosshair), cursor) << f;
            EXPECT_FALSE(SourcePixelAt(g, {g.image.left - 1, g.image.top}) || SourcePixelAt(g, {g.image.right, g.image.bottom - 1}));
            for (int x = g.image.left; x < g.image.right; x += 7) {
                for (int y = g.image.top; y < g.image.bottom; y += 5) {
                    const Point pixel = SourcePixelAt(g, {x, y}).value();
                    EXPECT_TRUE(g.source.Contains(pixel) && BlockOf(g, pixel).Contains({x, y})) << f << ' ' << x << ',' << y;
                }
            }
            const std::vector<Rect> lines = GridLines(g);
            EXPECT_EQ(lines.size(), f < 6 ? 0u : std::size_t((g.image.Width() + f - 1) / f + (g.image.Height() + f - 1) / f)) << f;
            for (const Rect& line : lines) {
                const Point start{line.left, line.top};
                EXPECT_TRUE(line.Width() == 1 || line.Height() == 1);
                EXPECT_EQ(BlockOf(g, SourcePixelAt(g, start).value()).left, line.Width() == 1 ? start.x : g.image.left) << f;
            }
        }
    }
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
    auto changed = [&](const Rect& source, const Rect& dest) { return watch.NoteCopy(source, dest, pixels.data(), pixels.size()); };
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
