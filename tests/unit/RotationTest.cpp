#include <gtest/gtest.h>

#include "ruler/Rotation.h"

namespace {

TEST(Rotation, WideTurnsClockwiseAndBackAboutTheClick) {
    const Rect wide{100, 100, 400, 140};
    const Point click{150, 120};
    const Rect tall = RotatedWindowRect(wide, click);
    EXPECT_EQ(tall, (Rect{130, 70, 170, 370}));
    EXPECT_EQ(RotatedWindowRect(tall, click), wide);
}

TEST(Rotation, SquareTurnsCounterClockwiseFourTimesRound) {
    const Rect square{10, 20, 110, 120};
    const Point click{30, 90};
    Rect r = square;
    r = RotatedWindowRect(r, click);
    EXPECT_EQ(r, (Rect{-40, 10, 60, 110}));  // the old top edge is now the left edge
    r = RotatedWindowRect(r, click);
    EXPECT_EQ(r, (Rect{-50, 60, 50, 160}));  // two turns mirror it through the click
    r = RotatedWindowRect(RotatedWindowRect(r, click), click);
    EXPECT_EQ(r, square);
}

TEST(Rotation, AppliesNoSizeLimit) {
    const Rect low{0, 0, 45, 40};
    const Rect turned = RotatedWindowRect(low, {10, 10});
    EXPECT_EQ(turned.Width(), 40);
    EXPECT_EQ(turned.Height(), 45);
}

}  // namespace
