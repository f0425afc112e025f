#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "ruler/Rotation.h"

// A wide ruler turns clockwise about the click, a tall or square one counter-clockwise; no
// size limit applies.
TEST(Rotation, TurnsAboutTheClickAndBack) {
    const Rect wide{100, 100, 400, 140};
    const Rect tall = RotatedWindowRect(wide, {150, 120});
    EXPECT_EQ(tall, (Rect{130, 70, 170, 370}));
    EXPECT_EQ(RotatedWindowRect(tall, {150, 120}), wide);
    EXPECT_EQ(RotatedWindowRect({0, 0, 45, 40}, {10, 10}), (Rect{-20, 0, 20, 45}));
    const Rect square{10, 20, 110, 120};
    const Point click{30, 90};
    const Rect once = RotatedWindowRect(square, click);
    EXPECT_EQ(once, (Rect{-40, 10, 60, 110}));  // the old top edge is now the left edge
    const Rect twice = RotatedWindowRect(once, click);
    EXPECT_EQ(twice, (Rect{-50, 60, 50, 160}));  // two turns mirror it through the click
    EXPECT_EQ(RotatedWindowRect(RotatedWindowRect(twice, click), click), square);
}
