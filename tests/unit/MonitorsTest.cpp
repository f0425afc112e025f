#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "platform/Placement.h"
#include "ruler/MagnifierGeometry.h"
#include "ruler/Monitors.h"

namespace {

// A 1280x1024 monitor left of the primary 1024x768 one, reaching 200 pixels higher, and a
// 1920x1080 monitor above the primary one.
constexpr Rect kLeft{-1280, -200, 0, 824};
constexpr Rect kPrimary{0, 0, 1024, 768};
constexpr Rect kAbove{-300, -1280, 1620, -200};
const std::vector<Rect> kMonitors{kPrimary, kLeft, kAbove};

TEST(Monitors, TheMonitorUnderAPointOrTheNearest) {
    const std::pair<Point, Rect> cases[] = {
        {{0, 0}, kPrimary},       {{-1, 0}, kLeft},          {{-1280, -200}, kLeft},    {{1023, 767}, kPrimary},
        {{500, -201}, kAbove},    {{-300, -1280}, kAbove},   {{1100, 300}, kPrimary},   {{-1400, 900}, kLeft},
        {{1700, -500}, kAbove},   {{1024, 768}, kPrimary},
    };
    for (const auto& [point, monitor] : cases) {
        EXPECT_EQ(MonitorAt(point, kMonitors), monitor) << testing::PrintToString(point);
    }
    EXPECT_EQ(MonitorAt({5, 5}, {}), Rect{});
}

// The magnifier copies from the monitor under the mouse and never past its edges, whatever
// lies beside it; a 400x120 ruler at factor 2 copies 91x27 pixels.
TEST(Monitors, MagnifierSourceStaysOnTheMonitorUnderTheMouse) {
    const Rect pane{170, 28, 362, 92};
    const std::pair<Point, Rect> cases[] = {
        {{-5, 300}, {-91, 287, 0, 314}},           // at the left monitor's right edge
        {{-1275, -195}, {-1280, -200, -1189, -173}},  // its top-left corner
        {{-600, 815}, {-645, 797, -554, 824}},     // its bottom, below the primary's
        {{3, 700}, {0, 687, 91, 714}},             // the primary's left edge
        {{1020, 10}, {933, 0, 1024, 27}},          // the primary's top-right corner
        {{1000, -205}, {955, -227, 1046, -200}},   // the bottom of the monitor above
        {{500, 300}, {455, 287, 546, 314}},        // nowhere near an edge
    };
    for (const auto& [cursor, source] : cases) {
        const Rect monitor = MonitorAt(cursor, kMonitors);
        EXPECT_EQ(MagnifierGeometryFor(pane, 2, cursor, monitor, 96).source, source) << testing::PrintToString(cursor);
    }
}

// A dialog is centred over its owner and kept in the work area of the owner's monitor,
// wherever that lies.
TEST(Monitors, DialogStaysInTheWorkAreaOfItsOwnersMonitor) {
    constexpr Rect kLeftWork{-1280, -200, 0, 784};  // a task bar along its bottom
    const Rect dialog{0, 0, 200, 300};
    const struct { Rect owner, work; Point origin; } cases[] = {
        {{-900, 100, -500, 140}, kLeftWork, {-800, -30}},
        {{-150, 100, 50, 140}, kLeftWork, {-200, -30}},     // pulled left of the primary
        {{-1300, 760, -1100, 800}, kLeftWork, {-1280, 484}},  // up and right into its corner
        {{100, 300, 500, 340}, {0, 0, 1024, 728}, {200, 170}},
        {kLeftWork, kLeftWork, {-740, 142}},                // no owner: the work area's middle
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CentredOrigin(dialog, c.owner, c.work), c.origin) << testing::PrintToString(c.owner);
    }
}

}  // namespace
