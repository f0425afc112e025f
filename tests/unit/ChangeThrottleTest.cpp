// Tests of when changes are announced, and of the wheel's notches.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#include "base/ChangeThrottle.h"
#include "ruler/input/WheelSteps.h"

namespace {

// What a listener hears of a changing value: a step feeds a value at a time (a null value is a
// tick) and says whether an announcement comes then. Announcements keep 250 ms apart, also
// across the wrap of the 32-bit tick count after 49.7 days, and never go silent after it.
TEST(ChangeThrottle, AnnouncesChangesAtLeast250MsApartAlsoAcrossTheWrapOfTheCount) {
    // When, what value (none for a tick) and whether it is announced then.
    using Step = std::tuple<std::uint32_t, const char*, bool>;
    constexpr std::uint32_t kDay = 86'400'000, kLast = 0xFFFF'FFFF;
    const std::vector<Step> cases[] = {
        // A change at once, the next held back until 250 ms after it.
        {{1000, "1", 1}, {1010, "1", 0}, {1100, "2", 0}, {1249, nullptr, 0}, {1250, nullptr, 1}, {1251, nullptr, 0}},
        // The empty value it starts with is no change.
        {{0, "", 0}, {5, nullptr, 0}, {6, "8", 1}},
        // Back to the announced value before its turn.
        {{1000, "1", 1}, {1100, "2", 0}, {1200, "1", 0}, {1400, nullptr, 0}},
        // 272 ms across the wrap of the count, then 96 ms.
        {{kLast - 0xFF, "1", 1}, {0x10, "2", 1}},
        {{kLast - 0xF, "1", 1}, {0x50, "2", 0}, {0xE9, nullptr, 0}, {0xEA, nullptr, 1}},
        // 49.7 days later the count is where it was.
        {{1000, "1", 1}, {2000, nullptr, 0}, {30 * kDay, nullptr, 0}, {1100, "2", 1}},
    };
    for (const auto& steps : cases) {
        ChangeThrottle throttle;
        for (const auto& [at, value, announced] : steps)
            EXPECT_EQ(value ? throttle.Update(value, at) : throttle.Tick(at), announced)
                << "case " << &steps - cases << " at " << at;
    }
}

// A precision touchpad sends less than a notch at a time: the factor changes once its deltas add
// up to a notch, either way, and what is left over counts towards the next.
TEST(WheelSteps, DeltasBelowANotchAddUpToOne) {
    WheelSteps wheel;
    const std::pair<int, int> deltas[] = {{40, 0},   {40, 0},  {40, 1},    {-30, 0},
                                          {-90, -1}, {250, 2}, {-130, -1}, {-120, -1}};
    for (const auto& [delta, steps] : deltas) EXPECT_EQ(wheel.Steps(delta), steps) << delta;
}

}  // namespace
