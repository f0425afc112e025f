#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "ruler/PaneLayout.h"

TEST(PaneLayout, GivesEachPaneOrTheEmptyRectangle) {
    constexpr Rect kNo{};
    constexpr Rect kPos{38, 28, 83, 81};
    constexpr Rect kDis{45, 14, 85, 34};
    constexpr Rect kCol{83, 28, 168, 61};
    const struct { Rect client, position, distance, colour, magnifier, slider; } cases[] = {
        {{0, 0, 489, 40}, kNo, kDis, kNo, kNo, kNo}, {{0, 0, 99, 100}, kNo, kNo, kNo, kNo, kNo},
        {{0, 0, 100, 100}, kPos, kNo, kNo, kNo, kNo}, {{0, 0, 149, 100}, kPos, kDis, kNo, kNo, kNo},
        {{0, 0, 150, 100}, kPos, kDis, kCol, kNo, kNo},
        {{0, 0, 199, 100}, kPos, kDis, kCol, kNo, kNo}, {{0, 0, 250, 83}, kNo, kDis, kNo, kNo, kNo},
        {{0, 0, 200, 100}, kPos, kDis, kCol, {170, 28, 162, 72}, {135, 58, 165, 72}},
        {{0, 0, 208, 100}, kPos, kDis, kCol, {170, 28, 170, 72}, {135, 58, 165, 72}},
        {{0, 0, 209, 100}, kPos, kDis, kCol, {170, 28, 171, 72}, {135, 58, 165, 72}},
        {{0, 0, 250, 84}, kPos, kDis, kCol, {170, 28, 212, 56}, {135, 58, 165, 56}},
        {{0, 0, 250, 86}, kPos, kDis, kCol, {170, 28, 212, 58}, {135, 58, 165, 58}},
        {{0, 0, 250, 87}, kPos, kDis, kCol, {170, 28, 212, 59}, {135, 58, 165, 59}},
        {{10, 20, 260, 120}, {48, 48, 93, 101}, {55, 34, 95, 54}, {93, 48, 178, 81},
         {180, 48, 222, 92}, {145, 78, 175, 92}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.client));
        EXPECT_EQ(PositionPaneRect(c.client), c.position);
        EXPECT_EQ(DistancePaneRect(c.client), c.distance);
        EXPECT_EQ(ColorPaneRect(c.client), c.colour);
        EXPECT_EQ(MagnifierPaneRect(c.client), c.magnifier);
        EXPECT_EQ(MagnifierSliderRect(c.client), c.slider);
    }
    constexpr int kMax = 2147483647;
    // Upside down, so "higher than wide" fails and the distance pane lies past the int range.
    EXPECT_EQ(DistancePaneRect({kMax - 10, kMax - 10, kMax, 0}), (Rect{kMax, kMax, kMax, kMax}));
    // Wider than an int can count: still wider than high.
    EXPECT_EQ(DistancePaneRect({-kMax - 1, 0, kMax, 100}), (Rect{-kMax + 44, 14, -kMax + 84, 34}));
    // The close button keeps 5 pixels from the right and the top.
    EXPECT_EQ(CloseButtonOrigin(489, 12), (Point{472, 5}));
    EXPECT_EQ(CloseButtonOrigin(40, 12), (Point{23, 5}));
    EXPECT_EQ(CloseButtonOrigin(0, 12), (Point{-17, 5}));
}
