#include <gtest/gtest.h>

#include <string>

#include "RecordingCanvas.h"
#include "ruler/PaneLayout.h"

namespace {

struct LayoutCase {
    const char* name;
    Rect client;
    Rect position, distance, colour, magnifier, slider;
    bool magnifierShown, sliderShown;  // rectangle with area
};

constexpr Rect kNone{};
constexpr Rect kPosition{38, 28, 83, 81};
constexpr Rect kDistance{45, 14, 85, 34};
constexpr Rect kColour{83, 28, 168, 61};

const LayoutCase kLayoutCases[] = {
    {"Template", {0, 0, 489, 40}, kNone, kDistance, kNone, kNone, kNone, false, false},
    {"TooNarrowForPosition", {0, 0, 99, 100}, kNone, kNone, kNone, kNone, kNone, false, false},
    {"Square", {0, 0, 100, 100}, kPosition, kNone, kNone, kNone, kNone, false, false},
    {"NarrowForColour", {0, 0, 149, 100}, kPosition, kDistance, kNone, kNone, kNone, false, false},
    {"Colour", {0, 0, 150, 100}, kPosition, kDistance, kColour, kNone, kNone, false, false},
    {"NoMagnifier", {0, 0, 199, 100}, kPosition, kDistance, kColour, kNone, kNone, false, false},
    {"SliderOnly", {0, 0, 200, 100}, kPosition, kDistance, kColour, {170, 28, 162, 72},
     {135, 58, 165, 72}, false, true},
    {"LastWithoutMagnifier", {0, 0, 208, 100}, kPosition, kDistance, kColour,
     {170, 28, 170, 72}, {135, 58, 165, 72}, false, true},
    {"Magnifier", {0, 0, 209, 100}, kPosition, kDistance, kColour, {170, 28, 171, 72},
     {135, 58, 165, 72}, true, true},
    {"TooLow", {0, 0, 250, 83}, kNone, kDistance, kNone, kNone, kNone, false, false},
    {"TallEnough", {0, 0, 250, 84}, kPosition, kDistance, kColour, {170, 28, 212, 56},
     {135, 58, 165, 56}, true, false},
    {"SliderStillEmpty", {0, 0, 250, 86}, kPosition, kDistance, kColour, {170, 28, 212, 58},
     {135, 58, 165, 58}, true, false},
    {"SliderShown", {0, 0, 250, 87}, kPosition, kDistance, kColour, {170, 28, 212, 59},
     {135, 58, 165, 59}, true, true},
    {"Offset", {10, 20, 260, 120}, {48, 48, 93, 101}, {55, 34, 95, 54}, {93, 48, 178, 81},
     {180, 48, 222, 92}, {145, 78, 175, 92}, true, true},
};

void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }

class PaneLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(PaneLayout, GivesEachPaneOrTheEmptyRectangle) {
    const LayoutCase& c = GetParam();
    EXPECT_EQ(PositionPaneRect(c.client), c.position);
    EXPECT_EQ(DistancePaneRect(c.client), c.distance);
    EXPECT_EQ(ColorPaneRect(c.client), c.colour);
    EXPECT_EQ(MagnifierPaneRect(c.client), c.magnifier);
    EXPECT_EQ(MagnifierSliderRect(c.client), c.slider);
    EXPECT_EQ(!MagnifierPaneRect(c.client).IsEmpty(), c.magnifierShown);
    EXPECT_EQ(!MagnifierSliderRect(c.client).IsEmpty(), c.sliderShown);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PaneLayout, testing::ValuesIn(kLayoutCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PaneLayoutExtremes, StayWithinTheIntRange) {
    constexpr int kMax = 2147483647;
    // Upside down, so "higher than wide" fails and the distance pane lies past the int range.
    EXPECT_EQ(DistancePaneRect({kMax - 10, kMax - 10, kMax, 0}), (Rect{kMax, kMax, kMax, kMax}));
    // Wider than an int can count: still wider than high.
    EXPECT_EQ(DistancePaneRect({-kMax - 1, 0, kMax, 100}), (Rect{-kMax + 44, 14, -kMax + 84, 34}));
}

TEST(CloseButton, KeepsFivePixelsFromTheRightAndTop) {
    EXPECT_EQ(CloseButtonOrigin(489, 12), (Point{472, 5}));
    EXPECT_EQ(CloseButtonOrigin(40, 12), (Point{23, 5}));
    EXPECT_EQ(CloseButtonOrigin(0, 12), (Point{-17, 5}));
}

}  // namespace
