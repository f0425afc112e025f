#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "ruler/ChangeThrottle.h"

namespace {

// What a listener hears of a changing value: a step feeds a value at a time (a null value is
// a tick) and says whether an announcement comes then.
TEST(ChangeThrottle, AnnouncesChangesAtLeast250MsApartAndNoneTwice) {
    struct Step { std::uint32_t at; const char* value; bool announced; };
    constexpr std::uint32_t kDay = 86'400'000, kWrap = 0xFFFF'FFFF;
    const struct { const char* what; std::vector<Step> steps; } cases[] = {
        {"a change at once, the next held back until 250 ms after it",
         {{1000, "1", true}, {1010, "1", false}, {1100, "2", false}, {1249, nullptr, false}, {1250, nullptr, true},
          {1251, nullptr, false}, {1400, "3", false}, {1499, "3", false}, {1500, nullptr, true}}},
        {"250 ms after the last one a change is announced at once", {{1000, "1", true}, {1250, "2", true}, {1499, "3", false}, {1500, "3", true}}},
        {"the empty value it starts with is no change", {{0, "", false}, {5, nullptr, false}, {6, "8", true}}},
        {"back to the announced value before its turn", {{1000, "1", true}, {1100, "2", false}, {1200, "1", false}, {1300, nullptr, false}, {1400, "2", true}}},
        {"272 ms across the wrap of the count", {{kWrap - 0xFF, "1", true}, {0x10, "2", true}}},
        {"96 ms across the wrap", {{kWrap - 0xF, "1", true}, {0x50, "2", false}, {0xE9, nullptr, false}, {0xEA, nullptr, true}}},
        {"49.7 days later the count is where it was", {{1000, "1", true}, {2000, nullptr, false}, {30 * kDay, nullptr, false}, {1100, "2", true}}},
    };
    for (const auto& c : cases) {
        ChangeThrottle throttle;
        for (const Step& s : c.steps)
            EXPECT_EQ(s.value ? throttle.Update(s.value, s.at) : throttle.Tick(s.at), s.announced) << c.what << ", at " << s.at;
    }
    // Across a wrap of the count, a value that changes every 7 ms for 3 s, ticks every 10 ms:
    // an announcement every 250 ms, and the last value's once it is due.
    ChangeThrottle throttle;
    std::vector<std::uint32_t> times;
    for (std::uint32_t i = 0, t = kWrap - 1000; i < 4000; ++i, ++t)
        if ((i % 7 == 0 && throttle.Update(std::to_string(std::min(i, 3000u) / 7), t)) || (i % 10 == 0 && throttle.Tick(t))) times.push_back(i);
    std::vector<std::uint32_t> expected;
    for (std::uint32_t i = 0; i <= 3000; i += 250) expected.push_back(i);
    EXPECT_EQ(times, expected);
}

}  // namespace
