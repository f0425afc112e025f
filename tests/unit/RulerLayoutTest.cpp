#include <gtest/gtest.h>

#include <cstdlib>

#include "RecordingCanvas.h"
#include "ruler/CursorTracking.h"
#include "ruler/DpiScale.h"
#include "ruler/Nudge.h"
#include "ruler/RulerLayout.h"

TEST(RulerLayout, GivesEachPaneOrTheEmptyRectangleAt96Dpi) {
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
        EXPECT_EQ(PositionPaneRect(c.client, 96), c.position);
        EXPECT_EQ(DistancePaneRect(c.client, 96), c.distance);
        EXPECT_EQ(ColorPaneRect(c.client, 96), c.colour);
        EXPECT_EQ(MagnifierPaneRect(c.client, 96), c.magnifier);
        EXPECT_EQ(MagnifierSliderRect(c.client, 96), c.slider);
    }
    constexpr int kMax = 2147483647;
    // Upside down, so "higher than wide" fails and the distance pane lies past the int range.
    EXPECT_EQ(DistancePaneRect({kMax - 10, kMax - 10, kMax, 0}, 96), (Rect{kMax, kMax, kMax, kMax}));
    // Wider than an int can count: still wider than high.
    EXPECT_EQ(DistancePaneRect({-kMax - 1, 0, kMax, 100}, 96), (Rect{-kMax + 44, 14, -kMax + 84, 34}));
    // The close button keeps 5 pixels from the right and the top.
    EXPECT_EQ(CloseButtonOrigin(489, 12, 96), (Point{472, 5}));
    EXPECT_EQ(CloseButtonOrigin(40, 12, 96), (Point{23, 5}));
    EXPECT_EQ(CloseButtonOrigin(0, 12, 96), (Point{-17, 5}));
}

namespace {

Rect ScaledRect(const Rect& r, int dpi) {
    return {Scaled(r.left, dpi), Scaled(r.top, dpi), Scaled(r.right, dpi), Scaled(r.bottom, dpi)};
}

bool WithinAPixel(const Rect& a, const Rect& b) {
    return std::abs(a.left - b.left) <= 1 && std::abs(a.top - b.top) <= 1 && std::abs(a.right - b.right) <= 1 &&
           std::abs(a.bottom - b.bottom) <= 1;
}

}  // namespace

// A ruler of the scaled size at 120, 144 or 192 dpi has every rectangle of the 96-dpi ruler,
// scaled (to within the rounding of one pixel); sizes and thresholds scale alike.
TEST(RulerLayout, EveryRectangleScalesWithTheResolution) {
    using Rule = Rect (*)(const Rect&, int);
    const Rule rules[] = {PositionPaneRect, DistancePaneRect, ColorPaneRect, MagnifierPaneRect, MagnifierSliderRect,
                          MagnifierInterior};
    const Rect clients[] = {{0, 0, 489, 41}, {0, 0, 400, 120}, {0, 0, 300, 300}, {0, 0, 220, 90}};
    for (const int dpi : {120, 144, 192}) {
        SCOPED_TRACE(testing::Message() << dpi << " dpi");
        for (const Rect& client : clients) {
            for (const Rule rule : rules) {
                const Rect scaled = rule(ScaledRect(client, dpi), dpi);
                EXPECT_TRUE(WithinAPixel(scaled, ScaledRect(rule(client, 96), dpi)))
                    << testing::PrintToString(client) << " gives " << testing::PrintToString(scaled);
            }
        }
        // The tall panes start one pixel above the scaled threshold of 83, the position pane
        // at the scaled width of 100.
        const int tall = Scaled(83, dpi) + 1;
        const int wide = Scaled(100, dpi);
        EXPECT_TRUE(PositionPaneRect({0, 0, wide, tall - 1}, dpi).IsEmpty());
        EXPECT_TRUE(PositionPaneRect({0, 0, wide - 1, tall}, dpi).IsEmpty());
        EXPECT_FALSE(PositionPaneRect({0, 0, wide, tall}, dpi).IsEmpty());
        EXPECT_EQ(AlphaSliderRect(dpi), ScaledRect(AlphaSliderRect(96), dpi));
        EXPECT_EQ(MinimumTrackSize(dpi), (Point{Scaled(45, dpi), Scaled(40, dpi)}));
        EXPECT_EQ(CloseButtonOrigin(1000, 30, dpi), (Point{970 - Scaled(5, dpi), Scaled(5, dpi)}));
        EXPECT_EQ(SymbolFontHeight(dpi), Scaled(SymbolFontHeight(96), dpi));
        EXPECT_NEAR(DialogFontHeight(dpi), Scaled(DialogFontHeight(96), dpi), 1);
        // The close button's faces are never stretched: those of the nearest lower resolution,
        // or of a lower one still when the button is too small for them.
        constexpr Point kRoomy{100, 100};
        EXPECT_EQ(CloseFaceDpi(dpi - 1, kRoomy), dpi == 120 ? 96 : dpi == 144 ? 120 : 144);
        EXPECT_EQ(CloseFaceDpi(dpi, kRoomy), dpi);
        EXPECT_EQ(CloseFaceDpi(dpi, {Scaled(12, dpi), Scaled(13, dpi) - 1}), CloseFaceDpi(dpi - 1, kRoomy));
    }
    EXPECT_EQ(AlphaSliderRect(96), (Rect{10, 10, 80, 25}));
    EXPECT_EQ(MinimumTrackSize(96), (Point{45, 40}));
    EXPECT_EQ(SymbolFontHeight(96), -15);
    EXPECT_EQ(DialogFontHeight(96), -11);  // the template's 8 points
    EXPECT_EQ(CloseFaceDpi(72, {100, 100}), 96);
    EXPECT_EQ(CloseFaceDpi(96, {0, 0}), 96);
}

// Arrows move the ruler by one pixel, Shift by ten; with Ctrl they move its right or bottom
// edge, shrinking never below the smallest size.
TEST(Nudge, MovesOrResizesByOneOrTenPixels) {
    constexpr Rect kRuler{100, 200, 400, 240};
    constexpr Point kMinimum{45, 40};
    constexpr Rect kTurned{100, 200, 140, 500};  // 40 wide: narrower than the smallest size
    using K = NudgeKey;
    const struct { Rect window; K key; bool shift, ctrl; Rect after; } cases[] = {
        {kRuler, K::Right, false, false, {101, 200, 401, 240}}, {kRuler, K::Left, true, false, {90, 200, 390, 240}},
        {kRuler, K::Down, true, false, {100, 210, 400, 250}},   {kRuler, K::Up, false, false, {100, 199, 400, 239}},
        {kRuler, K::Right, false, true, {100, 200, 401, 240}},  {kRuler, K::Left, true, true, {100, 200, 390, 240}},
        {kRuler, K::Down, false, true, {100, 200, 400, 241}},   {kRuler, K::Up, false, true, kRuler},  // 40 high
        {{100, 200, 150, 250}, K::Left, true, true, {100, 200, 145, 250}},  // stops at 45 wide
        {{100, 200, 150, 250}, K::Up, true, true, {100, 200, 150, 240}},    // and at 40 high
        {kTurned, K::Left, false, true, kTurned},  {kTurned, K::Right, false, true, {100, 200, 141, 500}},
        {kTurned, K::Up, true, true, {100, 200, 140, 490}},  {kTurned, K::Left, false, false, {99, 200, 139, 500}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NudgedWindowRect(c.window, c.key, c.shift, c.ctrl, kMinimum), c.after)
            << static_cast<int>(c.key) << (c.shift ? " shift" : "") << (c.ctrl ? " ctrl" : "");
    }
}
