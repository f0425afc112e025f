// Tests of the spans between edges: the edge search, how far it may reach, and the span's text.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "base/Color.h"
#include "ruler/readouts/ReadoutText.h"
#include "ruler/spans/EdgeSearch.h"

namespace {

// A row of grey levels, built from runs of `count` pixels starting at `level`, `step` darker or
// lighter each pixel.
struct Row {
    std::vector<std::uint32_t> pixels;
    Row& Add(int level, int count, int step = 0) {
        for (int i = 0; i < count; ++i) pixels.push_back(Rgb(level + i * step, level + i * step, level + i * step));
        return *this;
    }
    PixelRun Around(int at, int tolerance = 24) const {
        return RunAround(pixels.data(), static_cast<int>(pixels.size()), at, tolerance);
    }
};

// The run grows from the cursor's pixel to the first neighbours that differ by more than the
// tolerance in any channel: through a gradient and a soft shadow to the hard edge beyond them;
// a one-pixel line is an edge on both sides; the line's ends stop it. The line reaches over the
// monitor under the cursor, but stops where the ruler's window stands on it; over the window, or
// off the monitor, there is none.
TEST(EdgeSearch, RunsStopAtHardEdgesTheMonitorsEdgeAndTheRuler) {
    const Row button = Row().Add(255, 20).Add(51, 120).Add(255, 8).Add(51, 60).Add(255, 12);
    EXPECT_EQ(button.Around(20), (PixelRun{20, 140})) << "the cursor on the button's first pixel";
    EXPECT_EQ(button.Around(139), (PixelRun{20, 140}));
    EXPECT_EQ(button.Around(144), (PixelRun{140, 148})) << "the gap between two buttons";
    EXPECT_EQ(button.Around(0), (PixelRun{0, 20})) << "to the monitor's edge";
    EXPECT_EQ(button.Around(219), (PixelRun{208, 220}));
    const Row shadow = Row().Add(255, 10).Add(250, 10, -10).Add(0, 5).Add(255, 10);  // 250..160, then black
    EXPECT_EQ(shadow.Around(3), (PixelRun{0, 20})) << "a soft shadow is walked through to the hard edge";
    EXPECT_EQ(shadow.Around(12, 5), (PixelRun{12, 13})) << "unless the tolerance is below its steps";
    const Row line = Row().Add(200, 10).Add(0, 1).Add(200, 10);
    EXPECT_EQ(line.Around(10), (PixelRun{10, 11})) << "the line itself";
    EXPECT_EQ(line.Around(15, 255), (PixelRun{0, 21})) << "no edge at all at 255";
    const Row noise = Row().Add(100, 3).Add(101, 3);
    EXPECT_EQ(noise.Around(1, 0), (PixelRun{0, 3})) << "at 0 every difference is an edge";
    const std::uint32_t channels[] = {Rgb(10, 10, 10), Rgb(10, 10, 40), Rgb(10, 10, 40)};
    EXPECT_EQ(RunAround(channels, 3, 2, 24), (PixelRun{1, 3})) << "one channel is enough";
    EXPECT_TRUE(button.Around(-1).IsEmpty() && button.Around(220).IsEmpty() && RunAround(nullptr, 5, 1, 24).IsEmpty());
    const PixelRun monitor{0, 1024}, ruler{300, 789};
    EXPECT_EQ(Reach(299, monitor, ruler), (PixelRun{0, 300}));
    EXPECT_EQ(Reach(789, monitor, ruler), (PixelRun{789, 1024}));
    EXPECT_EQ(Reach(500, monitor, {}), monitor);
    EXPECT_TRUE(Reach(300, monitor, ruler).IsEmpty() && Reach(788, monitor, ruler).IsEmpty());
    EXPECT_TRUE(Reach(-1, monitor, ruler).IsEmpty() && Reach(1024, monitor, ruler).IsEmpty());
}

// A span reads as a distance does, in every unit: logical pixels round(d × 96 / dpi), millimetres
// calibrated by the zoom; a tall ruler's two as width by height.
TEST(SpanText, ReadsAsADistanceDoes) {
    const std::tuple<UnitOfMeasure, PixelRun, PixelRun, const char*> cases[] = {
        {{UnitPixel, 96}, {10, 130}, {}, "120"},
        {{UnitPixel, 144}, {}, {0, 150}, "150"},
        {{UnitLogical, 144}, {0, 150}, {}, "100"},
        {{UnitLogical, 96}, {0, 150}, {}, "150"},
        {{UnitCentimetre, 96}, {0, 378}, {}, "100.0"},
        {{UnitCentimetre, 144, 150}, {0, 85}, {}, "10.0"},
        {{UnitInch, 96}, {0, 144}, {}, "1.5"},
        {{UnitInch, 144}, {0, 144}, {}, "1.0"},
        {{UnitPixel, 96}, {10, 130}, {5, 37}, "120 \xC3\x97 32"},
        {{UnitLogical, 144}, {0, 150}, {0, 48}, "100 \xC3\x97 32"},
        {{UnitPixel, 96}, {}, {}, ""},
    };
    for (const auto& [unit, x, y, text] : cases) EXPECT_EQ(SpanText(x, y, unit), text) << unit.unit << ' ' << unit.dpi;
}

}  // namespace
