#include <gtest/gtest.h>

#include "ruler/CursorTracking.h"
#include "ruler/PaneLayout.h"

namespace {

constexpr Rect kTall{0, 0, 400, 120};
constexpr Rect kTemplate{0, 0, 489, 40};  // as created: only the distance pane

TEST(CursorTracking, MoveInvalidatesReadoutsThenMagnifierInside) {
    CursorTracker tracker;
    const CursorTick tick = tracker.OnSample(Point{500, 300}, kTall);
    const std::vector<Invalidation> panes{{PositionPaneRect(kTall), true},
                                          {DistancePaneRect(kTall), true}};
    EXPECT_EQ(tick.panes, panes);
    EXPECT_TRUE(tick.sampleColor);
    EXPECT_EQ(tick.magnifier, (Invalidation{{172, 30, 360, 90}, false}));
    EXPECT_EQ(tracker.LastCursor(), (Point{500, 300}));
    EXPECT_EQ(tracker.OnColor(0x123456, kTall), (Invalidation{{83, 28, 168, 61}, true}));
    EXPECT_EQ(tracker.LastColor(), 0x123456u);
}

TEST(CursorTracking, RestingOrUnreadCursorRefreshesOnlyTheMagnifier) {
    CursorTracker tracker;
    // At rest on the initial position (0, 0), then with the cursor query failing.
    const std::optional<Point> samples[] = {Point{0, 0}, std::nullopt};
    for (const std::optional<Point>& sample : samples) {
        const CursorTick tick = tracker.OnSample(sample, kTall);
        EXPECT_TRUE(tick.panes.empty());
        EXPECT_FALSE(tick.sampleColor);
        EXPECT_EQ(tick.magnifier, (Invalidation{{172, 30, 360, 90}, false}));
    }
    tracker.OnSample(Point{1, 0}, kTall);
    tracker.OnSample(std::nullopt, kTall);
    EXPECT_EQ(tracker.LastCursor(), (Point{1, 0}));
    EXPECT_EQ(tracker.LastColor(), 0xFFFFFFFFu);
}

TEST(CursorTracking, ColourPaneOnlyWhenTheColourChanged) {
    CursorTracker tracker;
    tracker.OnSample(Point{5, 5}, kTall);
    EXPECT_FALSE(tracker.OnColor(0xFFFFFFFF, kTall));  // the initial value, read again
    EXPECT_TRUE(tracker.OnColor(0x00FFFFFF, kTall));   // differs in the fourth byte only
    tracker.OnSample(Point{6, 5}, kTall);
    EXPECT_FALSE(tracker.OnColor(0x00FFFFFF, kTall));
}

TEST(CursorTracking, HiddenPanesArePassedAsEmptyRectangles) {
    CursorTracker tracker;
    const CursorTick tick = tracker.OnSample(Point{7, 7}, kTemplate);
    const std::vector<Invalidation> panes{{{}, true}, {{45, 14, 85, 34}, true}};
    EXPECT_EQ(tick.panes, panes);
    EXPECT_EQ(tick.magnifier, (Invalidation{{2, 2, -2, -2}, false}));
    EXPECT_EQ(tracker.OnColor(0, kTemplate), (Invalidation{{}, true}));
}

}  // namespace
