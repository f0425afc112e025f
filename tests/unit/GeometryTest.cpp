// Tests of the magnifier's geometry and the monitors.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ruler/magnifier/MagnifierGeometry.h"
#include "base/Monitors.h"
#include "tests/unit/TestCanvas.h"

namespace {

// A 1280x1024 monitor left of the primary 1024x768 one, reaching 200 pixels higher, and a
// 1920x1080 one above the primary.
constexpr Rect kLeft{-1280, -200, 0, 824}, kPrimary{0, 0, 1024, 768}, kAbove{-300, -1280, 1620, -200};
const std::vector<MonitorArea> kMonitors{{kPrimary, kPrimary}, {kLeft, kLeft}, {kAbove, kAbove}};
constexpr Rect kPane{170, 28, 362, 92};  // image 176, 34, 356, 86

// A source longer than its monitor starts at the monitor for a cursor in its first half and ends
// there otherwise; the picture is inset twice as far at 192 dpi; panes up to 12 pixels copy nothing.
TEST(MagnifierGeometry, LongSourcesHighResolutionsAndTinyPanes) {
    EXPECT_EQ(MagnifierGeometryFor(kPane, 1, {89, 25}, {0, 0, 51, 11}, 96).source, (Rect{0, 0, 180, 52}));
    EXPECT_EQ(MagnifierGeometryFor(kPane, 1, {90, 26}, {0, 0, 51, 11}, 96).source, (Rect{-129, -41, 51, 11}));
    EXPECT_EQ(MagnifierGeometryFor({340, 56, 724, 184}, 2, {500, 300}, kPrimary, 192).image, (Rect{352, 68, 712, 172}));
    for (int size = 1; size <= 13; ++size)
        EXPECT_EQ(MagnifierGeometryFor({170, 28, 170 + size, 92}, 2, {500, 300}, kPrimary, 96).Copies(), size == 13);
}

// At every factor (those outside 1 to 20 brought into it), for odd and even images and on every
// monitor, also where its edge holds the source: the source stays on the monitor, the cursor in
// its middle unless the monitor's edge holds it there; each point of the picture maps back to the
// screen pixel its block shows, the crosshair's to the cursor; every block of the source is at
// least partly seen. A point on a grid line belongs to the block the line starts; from factor 6
// up a line starts each block.
TEST(MagnifierGeometry, PointsOfThePictureMapBackToTheirScreenPixels) {
    const Point cursors[] = {{500, 300}, {0, 0}, {1023, 767}, {3, 766}, {-5, 300}, {-1275, -195}, {1000, -205}};
    for (int factor = 0; factor <= 21; ++factor)
        for (const Point size : {Point{180, 52}, Point{181, 53}, Point{161, 60}})
            for (const Point cursor : cursors) {
                const Rect monitor = MonitorAt(cursor, kMonitors), pane{170, 28, 182 + size.x, 40 + size.y};
                const MagnifierGeometry g = MagnifierGeometryFor(pane, factor, cursor, monitor, 96);
                const Rect& source = g.source;
                const int f = g.factor;
                const std::string what = testing::PrintToString(std::make_tuple(factor, size, cursor));
                EXPECT_EQ(f, std::clamp(factor, 1, 20));
                EXPECT_TRUE(monitor.Contains(source)) << what;
                const Point middle{source.left + source.Width() / 2, source.top + source.Height() / 2};
                EXPECT_TRUE((middle.x == cursor.x || source.left == monitor.left || source.right == monitor.right) &&
                            (middle.y == cursor.y || source.top == monitor.top || source.bottom == monitor.bottom))
                    << what;
                EXPECT_TRUE(g.image.Contains(g.crosshair) && g.cursorBlock.Contains(g.crosshair)) << what;
                EXPECT_EQ(SourcePixelAt(g, g.crosshair), cursor) << what;
                EXPECT_TRUE(g.dest.right - g.image.right < f && g.dest.bottom - g.image.bottom < f) << what;
                EXPECT_FALSE(SourcePixelAt(g, {g.image.left - 1, g.image.top}) ||
                             SourcePixelAt(g, {g.image.right, g.image.bottom - 1}))
                    << what;
                for (int x = g.image.left; x < g.image.right; x += 7)
                    for (int y = g.image.top; y < g.image.bottom; y += 5) {
                        const Point pixel = SourcePixelAt(g, {x, y}).value();
                        EXPECT_TRUE(source.Contains(pixel) && BlockOf(g, pixel).Contains(Point{x, y})) << what << x;
                    }
                const std::vector<Rect> lines = GridLines(g);
                const std::size_t blocks = (g.image.Width() + f - 1) / f + (g.image.Height() + f - 1) / f;
                EXPECT_EQ(lines.size(), f < 6 ? 0u : blocks) << what;
                for (const Rect& line : lines) {
                    const bool column = line.Width() == 1;
                    EXPECT_TRUE(column || line.Height() == 1);
                    EXPECT_EQ(BlockOf(g, SourcePixelAt(g, {line.left, line.top}).value()).left,
                              column ? line.left : g.image.left)
                        << what;
                }
            }
}

// The monitor under a point, or the nearest one between and outside them.
TEST(Monitors, TheMonitorUnderAPointOrTheNearest) {
    const std::pair<Point, Rect> cases[] = {
        {{0, 0}, kPrimary},       {{-1, 0}, kLeft},      {{1023, 767}, kPrimary}, {{500, -201}, kAbove},
        {{1025, -100}, kPrimary}, {{-1400, 900}, kLeft}, {{1700, -500}, kAbove},  {{1024, 768}, kPrimary},
    };
    for (const auto& [point, monitor] : cases)
        EXPECT_EQ(MonitorAt(point, kMonitors), monitor) << testing::PrintToString(point);
    EXPECT_EQ(MonitorAt({5, 5}, {}), Rect{});
}

}  // namespace
