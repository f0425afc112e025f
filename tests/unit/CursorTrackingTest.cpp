#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "ruler/CursorTracking.h"
#include "ruler/RulerLayout.h"

using Panes = std::vector<Invalidation>;

constexpr Rect kTall{0, 0, 400, 120};
constexpr Invalidation kMagnifierInside{{172, 30, 360, 90}, false};

// A move invalidates the readouts, then the colour pane if the colour changed (all 32 bits
// compared), then the magnifier's inside.
TEST(CursorTracking, MoveInvalidatesReadoutsColourOnChangeAndMagnifierInside) {
    CursorTracker tracker;
    const CursorTick tick = tracker.OnSample(Point{500, 300}, kTall, 96);
    EXPECT_EQ(tick.panes,
              (Panes{{PositionPaneRect(kTall, 96), true}, {DistancePaneRect(kTall, 96), true}}));
    EXPECT_TRUE(tick.sampleColor);
    EXPECT_EQ(tick.magnifier, kMagnifierInside);
    EXPECT_EQ(tracker.LastCursor(), (Point{500, 300}));
    EXPECT_FALSE(tracker.OnColor(0xFFFFFFFF, kTall, 96));  // the initial value, read again
    EXPECT_EQ(tracker.OnColor(0x00FFFFFF, kTall, 96), (Invalidation{{83, 28, 168, 61}, true}));
    EXPECT_EQ(tracker.LastColor(), 0x00FFFFFFu);
    tracker.OnSample(Point{501, 300}, kTall, 96);
    EXPECT_FALSE(tracker.OnColor(0x00FFFFFF, kTall, 96));
}

TEST(CursorTracking, RestingOrUnreadCursorRefreshesOnlyTheMagnifier) {
    CursorTracker tracker;
    // At rest on the initial position (0, 0), then with the cursor query failing.
    for (const auto& sample : {std::optional(Point{0, 0}), std::optional<Point>()}) {
        const CursorTick tick = tracker.OnSample(sample, kTall, 96);
        EXPECT_TRUE(tick.panes.empty());
        EXPECT_FALSE(tick.sampleColor);
        EXPECT_EQ(tick.magnifier, kMagnifierInside);
    }
    tracker.OnSample(Point{1, 0}, kTall, 96);
    tracker.OnSample(std::nullopt, kTall, 96);  // a failed sample stores nothing
    EXPECT_EQ(tracker.LastCursor(), (Point{1, 0}));
    EXPECT_EQ(tracker.LastColor(), 0xFFFFFFFFu);
}

TEST(CursorTracking, HiddenPanesArePassedAsEmptyRectangles) {
    CursorTracker tracker;
    const Rect asCreated{0, 0, 489, 40};  // only the distance pane
    const CursorTick tick = tracker.OnSample(Point{7, 7}, asCreated, 96);
    EXPECT_EQ(tick.panes, (Panes{{{}, true}, {{45, 14, 85, 34}, true}}));
    EXPECT_EQ(tick.magnifier, (Invalidation{{2, 2, -2, -2}, false}));
    EXPECT_EQ(tracker.OnColor(0, asCreated, 96), (Invalidation{{}, true}));
}
