#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "RecordingCanvas.h"
#include "ruler/CursorTracking.h"
#include "ruler/MagnifierWatch.h"
#include "ruler/RulerLayout.h"

namespace {

using Panes = std::vector<Invalidation>;

constexpr Rect kTall{0, 0, 400, 120};
const Invalidation kPosition{PositionPaneRect(kTall, 96), true};
const Invalidation kDistance{DistancePaneRect(kTall, 96), true};

ReadoutContext At(Point windowOrigin, RulerUnit unit = UnitPixel) { return {kTall, windowOrigin, unit, 96}; }

// A pane is invalidated exactly when its text changes; the colour is sampled after a move and
// its pane invalidated only when the colour differs (all 32 bits compared).
TEST(CursorTracking, InvalidatesExactlyThePanesWhoseTextChanged) {
    CursorTracker tracker;
    const struct { std::optional<Point> cursor; ReadoutContext context; Panes panes; bool sample; } ticks[] = {
        {Point{500, 300}, At({100, 200}), {kPosition, kDistance}, true},
        {Point{500, 300}, At({100, 200}), {}, false},                        // at rest
        {Point{500, 301}, At({100, 200}), {kPosition}, true},                // y alone: the distance stays
        {Point{510, 311}, At({110, 210}), {kPosition}, true},                // dragged along: so does it
        {std::nullopt, At({110, 210}), {}, false},                           // unread: nothing stored
        {Point{510, 311}, At({110, 210}, UnitInch), {kPosition, kDistance}, false},
        {Point{511, 311}, At({110, 210}, UnitInch), {kPosition}, true},      // 4.2 in at 400 and 401 px
        {Point{511, 311}, At({100, 210}, UnitInch), {kPosition, kDistance}, false},  // the ruler moved
    };
    for (const auto& tick : ticks) {
        const CursorTick result = tracker.OnSample(tick.cursor, tick.context);
        EXPECT_EQ(result.panes, tick.panes) << testing::PrintToString(tracker.LastCursor());
        EXPECT_EQ(result.sampleColor, tick.sample) << testing::PrintToString(tracker.LastCursor());
    }
    EXPECT_EQ(tracker.LastCursor(), (Point{511, 311}));
    EXPECT_FALSE(tracker.OnColor(0xFFFFFFFF, kTall, 96));  // the initial value, read again
    EXPECT_EQ(tracker.OnColor(0x00FFFFFF, kTall, 96), (Invalidation{{83, 28, 168, 61}, true}));
    EXPECT_FALSE(tracker.OnColor(0x00FFFFFF, kTall, 96));
    EXPECT_EQ(tracker.LastColor(), 0x00FFFFFFu);
    // A ruler too small for a pane still reports its change, as the empty rectangle.
    CursorTracker thin;
    EXPECT_EQ(thin.OnSample(Point{7, 7}, {{0, 0, 489, 40}, {}, UnitPixel, 96}).panes,
              (Panes{{{}, true}, {{45, 14, 85, 34}, true}}));
}

// The magnifier repaints when its picture changed: any differing pixel, another source area
// or another destination; never for the same picture again.
TEST(MagnifierWatch, ChangedByAnyPixelTheSourceOrTheDestination) {
    MagnifierWatch watch;
    const Rect source{455, 287, 546, 314};
    const Rect dest{176, 34, 358, 88};
    std::vector<std::uint32_t> pixels(91 * 27, 0x336699);
    auto changed = [&](const Rect& s, const Rect& d) { return watch.Changed(s, d, pixels.data(), pixels.size()); };
    EXPECT_TRUE(changed(source, dest));  // the first picture
    EXPECT_FALSE(changed(source, dest));
    for (const std::size_t at : {std::size_t{0}, pixels.size() / 2, pixels.size() - 1}) {
        pixels[at] ^= 1;
        EXPECT_TRUE(changed(source, dest)) << at;
        EXPECT_FALSE(changed(source, dest)) << at;
    }
    EXPECT_TRUE(changed({456, 287, 547, 314}, dest));  // the cursor moved one pixel
    EXPECT_TRUE(changed({456, 287, 547, 314}, {176, 34, 359, 88}));
    EXPECT_FALSE(changed({456, 287, 547, 314}, {176, 34, 359, 88}));
}

}  // namespace
