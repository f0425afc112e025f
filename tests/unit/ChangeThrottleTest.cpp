// Tests of when changes are announced, and of the wheel's notches.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "base/ChangeThrottle.h"
#include "ruler/input/WheelSteps.h"

namespace {

// What a listener hears of a changing value: a step feeds a value at a time (a null value is a
// tick) and says whether an announcement comes then. Announcements keep 250 ms apart, also
// across the wrap of the 32-bit tick count after 49.7 days, and never go silent after it.
TEST(ChangeThrottle, AnnouncesChangesAtLeast250MsApartAlsoAcrossTheWrapOfTheCount) {
    struct Step {
        std::uint32_t at;
        const char* value;
        bool announced;
    };
    constexpr std::uint32_t kDay = 86'400'000, kWrap = 0xFFFF'FFFF;
    const struct {
        const char* what;
        std::vector<Step> steps;
    } cases[] = {
        {"a change at once, the next held back until 250 ms after it",
         {{1000, "1", true},
          {1010, "1", false},
          {1100, "2", false},
          {1249, nullptr, false},
          {1250, nullptr, true},
          {1251, nullptr, false}}},
        {"the empty value it starts with is no change", {{0, "", false}, {5, nullptr, false}, {6, "8", true}}},
        {"back to the announced value before its turn",
         {{1000, "1", true}, {1100, "2", false}, {1200, "1", false}, {1400, nullptr, false}}},
        {"272 ms across the wrap of the count", {{kWrap - 0xFF, "1", true}, {0x10, "2", true}}},
        {"96 ms across the wrap",
         {{kWrap - 0xF, "1", true}, {0x50, "2", false}, {0xE9, nullptr, false}, {0xEA, nullptr, true}}},
        {"49.7 days later the count is where it was",
         {{1000, "1", true}, {2000, nullptr, false}, {30 * kDay, nullptr, false}, {1100, "2", true}}},
    };
    for (const auto& c : cases) {
        ChangeThrottle throttle;
        for (const Step& s : c.steps)
            EXPECT_EQ(s.value ? throttle.Update(s.value, s.at) : throttle.Tick(s.at), s.announced)
                << c.what << ", at " << s.at;
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
