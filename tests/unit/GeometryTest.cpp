// Tests of the close button's faces, the magnifier's geometry and the monitors.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ruler/view/CloseFaces.h"
#include "ruler/magnifier/MagnifierGeometry.h"
#include "base/Monitors.h"
#include "tests/unit/TestCanvas.h"

namespace {

// The close button's faces: those of the resolution, else those of the nearest lower one.
TEST(CloseFaces, ThoseOfTheResolutionOrOfTheNearestLowerOne) {
    const std::pair<int, int> cases[] = {{72, 96},   {96, 96},   {119, 96},  {120, 120}, {143, 120},
                                         {144, 144}, {191, 144}, {192, 192}, {400, 192}};
    for (const auto& [dpi, drawn] : cases) EXPECT_EQ(CloseFaceFor(dpi).dpi, drawn) << dpi;
}

// A 1280x1024 monitor left of the primary 1024x768 one, reaching 200 pixels higher, and a
// 1920x1080 one above the primary.
constexpr Rect kLeft{-1280, -200, 0, 824}, kPrimary{0, 0, 1024, 768}, kAbove{-300, -1280, 1620, -200};
const std::vector<MonitorArea> kMonitors{{kPrimary, kPrimary}, {kLeft, kLeft}, {kAbove, kAbove}};
constexpr Rect kPane{170, 28, 362, 92};  // image 176, 34, 356, 86

// Each screen pixel becomes a block of `factor` pixels, as many as the image shows; the source
// stays on the monitor under the mouse, wherever that lies, the lower bound tested first.
TEST(MagnifierGeometry, CopiesAroundTheMouseFromItsMonitorOnly) {
    const struct {
        int factor;
        Point cursor;
        Rect source, dest;
    } cases[] = {
        {2, {500, 300}, {455, 287, 545, 313}, {176, 34, 356, 86}},
        {20, {500, 300}, {496, 299, 505, 302}, {176, 34, 356, 94}},
        {1, {500, 300}, {410, 274, 590, 326}, {176, 34, 356, 86}},
        {0, {500, 300}, {410, 274, 590, 326}, {176, 34, 356, 86}},
        {7, {500, 300}, {487, 296, 513, 304}, {176, 34, 358, 90}},
        {2, {10, 5}, {0, 0, 90, 26}, {176, 34, 356, 86}},
        {2, {1023, 767}, {934, 742, 1024, 768}, {}},
        {2, {-5, 300}, {-90, 287, 0, 313}, {}},
        {2, {-1275, -195}, {-1280, -200, -1190, -174}, {}},
        {2, {-600, 815}, {-645, 798, -555, 824}, {}},
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
        EXPECT_EQ(MagnifierGeometryFor({170, 28, 170 + size, 92}, 2, {500, 300}, kPrimary, 96).Copies(), size == 13)
            << size;
    EXPECT_EQ(MagnifierGeometryFor({340, 56, 724, 184}, 2, {500, 300}, kPrimary, 192).image,
              (Rect{352, 68, 712, 172}));  // inset twice as far at 192 dpi
}

// At every factor, for odd and even images and on every monitor, also where its edge holds the
// source: each point of the picture maps back to the screen pixel its block shows, the
// crosshair's to the cursor; every block of the source is at least partly seen. A point on a
// grid line belongs to the block the line starts; from factor 6 up a line starts each block.
TEST(MagnifierGeometry, PointsOfThePictureMapBackToTheirScreenPixels) {
    for (int f = 1; f <= 20; ++f) {
        for (const Point size : {Point{180, 52}, Point{181, 53}, Point{161, 60}}) {
            for (const Point cursor : {Point{500, 300}, Point{0, 0}, Point{1023, 767}, Point{3, 766},
                                       Point{-1275, -195}, Point{1000, -205}}) {
                const MagnifierGeometry g = MagnifierGeometryFor({170, 28, 170 + size.x + 12, 28 + size.y + 12}, f,
                                                                 cursor, MonitorAt(cursor, kMonitors), 96);
                const std::string what = testing::PrintToString(std::make_tuple(f, size, cursor));
                EXPECT_TRUE(g.image.Contains(g.crosshair) && g.cursorBlock.Contains(g.crosshair)) << what;
                EXPECT_EQ(SourcePixelAt(g, g.crosshair), cursor) << what;
                EXPECT_TRUE(g.dest.right - g.image.right < f && g.dest.bottom - g.image.bottom < f) << what;
                EXPECT_FALSE(SourcePixelAt(g, {g.image.left - 1, g.image.top}) ||
                             SourcePixelAt(g, {g.image.right, g.image.bottom - 1}))
                    << what;
                for (int x = g.image.left; x < g.image.right; x += 7) {
                    for (int y = g.image.top; y < g.image.bottom; y += 5) {
                        const Point pixel = SourcePixelAt(g, {x, y}).value();
                        EXPECT_TRUE(g.source.Contains(pixel) && BlockOf(g, pixel).Contains(Point{x, y}))
                            << what << ' ' << x << ',' << y;
                    }
                }
                const std::vector<Rect> lines = GridLines(g);
                EXPECT_EQ(lines.size(),
                          f < 6 ? 0u : std::size_t((g.image.Width() + f - 1) / f + (g.image.Height() + f - 1) / f))
                    << what;
                for (const Rect& line : lines) {
                    const Point start{line.left, line.top};
                    EXPECT_TRUE(line.Width() == 1 || line.Height() == 1);
                    EXPECT_EQ(BlockOf(g, SourcePixelAt(g, start).value()).left,
                              line.Width() == 1 ? start.x : g.image.left)
                        << what;
                }
            }
        }
    }
}

// The monitor under a point, or the nearest one between and outside them.
TEST(Monitors, TheMonitorUnderAPointOrTheNearest) {
    const std::pair<Point, Rect> cases[] = {
        {{0, 0}, kPrimary},      {{-1, 0}, kLeft},      {{1023, 767}, kPrimary}, {{500, -201}, kAbove},
        {{1100, 300}, kPrimary}, {{-1400, 900}, kLeft}, {{1700, -500}, kAbove},  {{1024, 768}, kPrimary},
    };
    for (const auto& [point, monitor] : cases)
        EXPECT_EQ(MonitorAt(point, kMonitors), monitor) << testing::PrintToString(point);
    EXPECT_EQ(MonitorAt({5, 5}, {}), Rect{});
}

}  // namespace
