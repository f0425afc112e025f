// Tests of where the ruler starts and how far the keys take it.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <tuple>
#include <vector>

#include "ruler/placement/Nudge.h"
#include "ruler/placement/WindowPlacement.h"
#include "tests/unit/TestCanvas.h"

namespace {

// A 1024x768 primary monitor at 96 dpi with its taskbar below, and a 1280x1024 one at 144 dpi
// left of and above it, touching it only at a corner.
const MonitorArea kPrimary{{0, 0, 1024, 768}, {0, 0, 1024, 728}, 96};
const MonitorArea kUpLeft{{-1280, -1024, 0, 0}, {-1280, -1024, 0, -40}, 144};

// The ruler starts where it was, rescaled to its monitor's resolution, unless less than
// 40x20 pixels of it would lie on the work areas: then centred on the primary monitor.
TEST(WindowPlacement, StartsWhereItWasOrCentredOnThePrimaryMonitor) {
    constexpr Rect kCentred{267, 343, 756, 384};  // 489x41 at 96 dpi
    const std::tuple<StoredPlacement, int, bool, Rect> cases[] = {
        {{{267, 363, 756, 404}, 96}, 96, false, {267, 363, 756, 404}},
        {{{100, 100, 589, 141}, 96}, 144, false, {100, 100, 834, 162}},
        {{{-1000, -500, -266, -438}, 144}, 144, false, {-1000, -500, -266, -438}},
        {{{-1000, -500, -266, -438}, 144}, 96, true, kCentred},
        {{{-3000, -500, -2266, -438}, 144}, 144, false, kCentred},
        {{{984, 708, 1473, 749}, 96}, 96, false, {984, 708, 1473, 749}},  // exactly 40x20 on the primary
        {{{985, 708, 1474, 749}, 96}, 96, false, kCentred},
        {{{984, 709, 1473, 750}, 96}, 96, false, kCentred},
        {{{-449, -21, 40, 20}, 96}, 96, false, {-449, -21, 40, 20}},
        {{{-450, -21, 39, 20}, 96}, 96, false, kCentred},
        {{{100, 100, 110, 105}, 96}, 96, false, {100, 100, 145, 140}},
        {{{100, 100, 110, 105}, 144}, 144, false, {100, 100, 168, 160}},
        {{{100, 100, 141, 589}, 96}, 96, false, {100, 100, 141, 589}},
        {{{100, 100, 130, 589}, 96}, 96, false, {100, 100, 140, 589}},
        {{{-2000, -2000, 3000, 3000}, 96}, 96, false, {-2000, -2000, 304, -208}},  // cut to the virtual screen
        {{{-2000, -2000, 3000, 3000}, 96}, 96, true, {0, 0, 1024, 728}},           // and to the work area
        {{{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 96}, 96, false, {0, 0, 1024, 728}},
    };
    for (const auto& [stored, dpi, upLeftGone, start] : cases) {
        PlacementScreen screen{{kPrimary, kUpLeft}, kPrimary, dpi, {-1280, -1024, 1024, 768}};
        if (upLeftGone) screen.monitors.pop_back(), screen.virtualScreen = kPrimary.monitor;
        EXPECT_EQ(RestoredWindowRect(stored, screen), start) << testing::PrintToString(stored) << " to " << dpi;
    }
}

// An arrow key moves or resizes the ruler only as far as leaves 40x20 pixels of it on the
// work areas, which may hold it together; a ruler already out of sight only comes back. Z puts
// the zero edge on the mouse's pixel: the left edge of a wide ruler, the top of a turned one.
TEST(WindowPlacement, KeysKeepAPieceOfTheRulerOnTheWorkAreas) {
    const std::vector<Rect> kOne{{0, 0, 1024, 768}}, kTwo{{0, 0, 1024, 768}, {1024, 0, 2048, 768}}, kNone;
    using K = NudgeKey;
    const std::tuple<Rect, K, int, bool, const std::vector<Rect>&, Rect> cases[] = {
        {{-449, 100, 40, 141}, K::Left, 1, 0, kOne, {-449, 100, 40, 141}},
        {{-445, 100, 44, 141}, K::Left, 10, 0, kOne, {-449, 100, 40, 141}},
        {{980, 100, 1469, 141}, K::Right, 10, 0, kOne, {984, 100, 1473, 141}},
        {{100, -15, 589, 26}, K::Up, 10, 0, kOne, {100, -21, 589, 20}},
        {{100, 745, 589, 786}, K::Down, 10, 0, kOne, {100, 748, 589, 789}},
        {{-440, 100, 49, 141}, K::Left, 10, 1, kOne, {-440, 100, 40, 141}},
        {{100, -470, 141, 25}, K::Up, 10, 1, kOne, {100, -470, 141, 20}},
        {{100, 100, 589, 141}, K::Right, 10, 0, kOne, {110, 100, 599, 141}},
        {{994, 100, 1483, 141}, K::Right, 10, 0, kTwo, {1004, 100, 1493, 141}},
        {{984, 100, 1025, 589}, K::Right, 1, 0, kTwo, {985, 100, 1026, 589}},  // 39 + 1 pixels wide
        {{984, 100, 1025, 589}, K::Right, 1, 0, kOne, {984, 100, 1025, 589}},
        {{-460, 100, 29, 141}, K::Right, 1, 0, kOne, {-459, 100, 30, 141}},
        {{-460, 100, 29, 141}, K::Left, 1, 0, kOne, {-460, 100, 29, 141}},
        {{-449, 100, 40, 141}, K::Left, 1, 0, kNone, {-450, 100, 39, 141}},
        // Growing stops at the far edge of the work areas beside the ruler, across both monitors.
        {{100, 100, 1018, 141}, K::Right, 10, 1, kOne, {100, 100, 1024, 141}},
        {{100, 100, 1018, 141}, K::Right, 10, 1, kTwo, {100, 100, 1028, 141}},
        {{100, 700, 589, 765}, K::Down, 10, 1, kOne, {100, 700, 589, 768}},
        // A turned ruler, narrower than the smallest width: Ctrl+Left never widens it, Ctrl+Up lowers it.
        {{100, 100, 141, 589}, K::Left, 1, 1, kOne, {100, 100, 141, 589}},
        {{100, 100, 141, 589}, K::Up, 10, 1, kOne, {100, 100, 141, 579}},
    };
    const auto nudged = [](const Rect& before, K key, int step, bool ctrl, const std::vector<Rect>& areas, int dpi) {
        return LimitedNudge(before, NudgedWindowRect(before, key, step == 10, ctrl, MinimumTrackSize(dpi)), areas, dpi);
    };
    for (const auto& [before, key, step, ctrl, areas, after] : cases)
        EXPECT_EQ(nudged(before, key, step, ctrl, areas, 96), after)
            << testing::PrintToString(before) << int(key) << step << ctrl;
    // At 144 dpi 60x30 pixels stay.
    EXPECT_EQ(nudged({-670, 100, 64, 162}, K::Left, 10, false, kOne, 144), (Rect{-674, 100, 60, 162}));
    EXPECT_EQ(ZeroedWindowRect({100, 200, 589, 241}, {340, 700}), (Rect{340, 200, 829, 241}));
    EXPECT_EQ(ZeroedWindowRect({100, 200, 141, 689}, {340, 700}), (Rect{100, 700, 141, 1189}));
}

}  // namespace
