#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "RecordingCanvas.h"
#include "ruler/ScalePainter.h"

namespace {

using Kind = RecordingCanvas::Kind;
using Call = RecordingCanvas::Call;

constexpr UnitMetrics kPixels{1.0, 1.0};
constexpr ScaleSeries kFive{5, 3, false};
constexpr ScaleSeries kHundreds{100, 10, true};

// Marks of the top and bottom edges are vertical lines, those of the sides horizontal.
bool IsVertical(const Call& line) { return line.from.x == line.to.x; }

std::vector<Call> Draw(const Rect& area, const ScaleSeries& series,
                       const UnitMetrics& metrics = kPixels, RulerUnit unit = UnitPixel) {
    RecordingCanvas canvas;
    DrawScale(canvas, area, series, unit, 100, metrics);
    return canvas.Calls();
}

std::vector<int> TopMarks(const std::vector<Call>& calls, int top) {
    std::vector<int> xs;
    for (const Call& c : calls) {
        if (c.kind == Kind::Line && IsVertical(c) && c.from.y == top) xs.push_back(c.from.x);
    }
    return xs;
}

std::vector<std::pair<std::string, Rect>> Texts(const std::vector<Call>& calls) {
    std::vector<std::pair<std::string, Rect>> texts;
    for (const Call& c : calls) {
        if (c.kind == Kind::TextCentred) texts.emplace_back(c.text, c.box);
    }
    return texts;
}

struct ExtentCase {
    const char* name;
    Rect area;
    ScaleSeries series;
    bool across, down;  // whether the top/bottom pass and the side pass draw anything
};

const ExtentCase kExtentCases[] = {
    {"Width30", {0, 0, 30, 20}, kFive, false, false},
    {"Width31", {0, 0, 31, 20}, kFive, true, false},
    {"Height40", {0, 0, 20, 40}, kFive, false, false},
    {"Height41", {0, 0, 20, 41}, kFive, false, true},
    {"StepEqualsHeight", {0, 0, 20, 41}, {41, 3, false}, false, false},
    {"StepBelowHeight", {0, 0, 20, 41}, {40.5, 3, false}, false, true},
    {"NumberedCentimetreAtZoom500", {-1, -1, 401, 49}, {50, 10, true}, true, false},
    {"NumberedCentimetreAtZoom500Taller", {-1, -1, 401, 50}, {50, 10, true}, true, true},
};

void PrintTo(const ExtentCase& c, std::ostream* out) { *out << c.name; }

class ScaleExtent : public testing::TestWithParam<ExtentCase> {};

TEST_P(ScaleExtent, PassRunsOnlyWhenTheExtentAllows) {
    const ExtentCase& c = GetParam();
    bool across = false;
    bool down = false;
    for (const Call& line : Draw(c.area, c.series)) {
        (IsVertical(line) ? across : down) = true;
    }
    EXPECT_EQ(across, c.across);
    EXPECT_EQ(down, c.down);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ScaleExtent, testing::ValuesIn(kExtentCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RulerScale, PixelRuler400By40) {
    RecordingCanvas canvas;
    DrawRulerScale(canvas, {0, 0, 400, 40}, UnitPixel, 100, 96, 96);
    const std::vector<Call> lines = canvas.Of(Kind::Line);
    std::set<std::pair<int, int>> topAndBottom, sides;  // (coordinate, tick length)
    for (const Call& l : lines) {
        if (IsVertical(l) && l.from.y == -1) topAndBottom.insert({l.from.x, l.to.y + 1});
        if (!IsVertical(l) && l.from.x == -1) sides.insert({l.from.y, l.to.x + 1});
    }
    for (int x = 0; x <= 400; x += 5) {
        const Call bottom{Kind::Line, {x, 38}, {x, 41}, {}, {}, {}, 0, Canvas::Font::Dialog};
        const Call top{Kind::Line, {x, -1}, {x, 2}, {}, {}, {}, 0, Canvas::Font::Dialog};
        EXPECT_NE(std::find(lines.begin(), lines.end(), bottom), lines.end()) << x;
        EXPECT_NE(std::find(lines.begin(), lines.end(), top), lines.end()) << x;
    }
    EXPECT_EQ(topAndBottom.size(), 81u + 41 + 9 + 5);
    EXPECT_EQ(topAndBottom.rbegin()->first, 400);

    const std::set<std::pair<int, int>> expectedSides{{5, 3},  {10, 3}, {15, 3}, {20, 3},
                                                      {25, 3}, {30, 3}, {35, 3}, {40, 3},
                                                      {10, 5}, {20, 5}, {30, 5}, {40, 5}};
    EXPECT_EQ(sides, expectedSides);
    EXPECT_EQ(lines.size(), 2 * (topAndBottom.size() + sides.size()));

    const std::vector<std::pair<std::string, Rect>> expectedTexts{
        {"0", {-15, 10, 15, 30}},    {"100", {85, 10, 115, 30}}, {"200", {185, 10, 215, 30}},
        {"300", {285, 10, 315, 30}}, {"400", {385, 10, 415, 30}}};
    EXPECT_EQ(Texts(canvas.Calls()), expectedTexts);
}

struct NumberCase {
    const char* name;
    RulerUnit unit;
    std::int32_t zoom;
    std::vector<std::pair<std::string, int>> first;  // first numbers and their x
};

void PrintTo(const NumberCase& c, std::ostream* out) { *out << c.name; }

class ScaleNumbers : public testing::TestWithParam<NumberCase> {};

TEST_P(ScaleNumbers, CountWholeUnitsAtTruncatedPositions) {
    const NumberCase& c = GetParam();
    RecordingCanvas canvas;
    DrawRulerScale(canvas, {0, 0, 400, 40}, c.unit, c.zoom, 96, 96);
    const auto texts = Texts(canvas.Calls());
    ASSERT_GE(texts.size(), c.first.size());
    for (std::size_t i = 0; i < c.first.size(); ++i) {
        EXPECT_EQ(texts[i].first, c.first[i].first);
        EXPECT_EQ(texts[i].second.left + 15, c.first[i].second) << texts[i].first;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Units, ScaleNumbers,
    testing::Values(NumberCase{"Centimetre", UnitCentimetre, 100, {{"0", 0}, {"1", 37}, {"2", 75}, {"3", 113}}},
                    NumberCase{"CentimetreZoom120", UnitCentimetre, 120, {{"0", 0}, {"1", 45}, {"2", 90}, {"3", 136}}},
                    NumberCase{"Inch", UnitInch, 100, {{"0", 0}, {"1", 96}, {"2", 192}, {"3", 288}, {"4", 384}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RulerScale, EighthInchesLie12PixelsApartAt96Dpi) {
    const std::vector<int> xs = TopMarks(Draw({-1, -1, 401, 41}, {0.125, 3, false}, {96, 96}), -1);
    ASSERT_EQ(xs.size(), 35u);  // 0 .. 408, the last whose number box could reach the edge
    for (std::size_t i = 0; i < xs.size(); ++i) EXPECT_EQ(xs[i], static_cast<int>(12 * i));
}

struct BoxCase {
    const char* name;
    Rect area;
    std::string text;
    std::vector<Rect> boxes;
};

void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.name; }

class NumberBoxes : public testing::TestWithParam<BoxCase> {};

TEST_P(NumberBoxes, TwoBoxesOnlyAbove70) {
    const BoxCase& c = GetParam();
    std::vector<Rect> boxes;
    for (const auto& [text, box] : Texts(Draw(c.area, kHundreds))) {
        if (text == c.text) boxes.push_back(box);
    }
    EXPECT_EQ(boxes, c.boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, NumberBoxes,
    testing::Values(BoxCase{"Height70", {0, 0, 200, 70}, "0", {{-15, 25, 15, 45}}},
                    BoxCase{"Height71", {0, 0, 200, 71}, "0", {{-15, 10, 15, 30}, {-15, 41, 15, 61}}},
                    BoxCase{"Width70", {0, 0, 70, 150}, "100", {{25, 85, 45, 115}}},
                    // The right box reaches to the edge itself.
                    BoxCase{"Width71", {0, 0, 71, 150}, "100", {{10, 85, 40, 115}, {31, 85, 71, 115}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RulerScale, StopsAtTheFarEdgeOfALongInchRuler) {
    RecordingCanvas canvas;
    DrawRulerScale(canvas, {0, 0, 2000, 40}, UnitInch, 100, 96, 96);
    int last = 0;
    for (const Call& c : canvas.Calls()) {
        const int x = c.kind == Kind::Line ? c.from.x : c.box.left + 15;
        EXPECT_LT(x - 15, 2001);
        last = std::max(last, x);
    }
    EXPECT_EQ(last, 2004);  // the last eighth whose number box could still reach the edge
}

struct BadCase {
    const char* name;
    double step;
    UnitMetrics metrics;
};

void PrintTo(const BadCase& c, std::ostream* out) { *out << c.name; }

class UnusableSeries : public testing::TestWithParam<BadCase> {};

TEST_P(UnusableSeries, DrawsNothingAndEnds) {
    const BadCase& c = GetParam();
    EXPECT_TRUE(Draw({-1, -1, 401, 401}, {c.step, 3, true}, c.metrics).empty());
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Steps, UnusableSeries,
    testing::Values(BadCase{"Zero", 0.0, kPixels}, BadCase{"Negative", -5.0, kPixels},
                    BadCase{"NaN", kNaN, kPixels}, BadCase{"Infinite", kInf, kPixels},
                    BadCase{"NoPixelsPerUnit", 5.0, {0.0, 1.0}}, BadCase{"NaNMetrics", 5.0, {1.0, kNaN}},
                    BadCase{"NegativeMetrics", 5.0, {1.0, -1.0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RulerScale, CentimetresWithoutAUsableZoomDrawNothing) {
    for (std::int32_t zoom : {0, -5, std::numeric_limits<std::int32_t>::min()}) {
        RecordingCanvas canvas;
        DrawRulerScale(canvas, {0, 0, 400, 400}, UnitCentimetre, zoom, 96, 96);
        EXPECT_TRUE(canvas.Calls().empty()) << zoom;
    }
}

TEST(RulerScale, TinyStepEnds) {
    RecordingCanvas canvas({100, 100, 110, 110});  // every mark stays at 0, outside the clip
    DrawScale(canvas, {-1, -1, 401, 401}, {1e-300, 3, false}, UnitPixel, 100, kPixels);
    EXPECT_TRUE(canvas.Calls().empty());
}

TEST(RulerScale, UnknownUnitDrawsNothing) {
    RecordingCanvas canvas;
    DrawRulerScale(canvas, {0, 0, 400, 400}, static_cast<RulerUnit>(4), 100, 96, 96);
    EXPECT_TRUE(canvas.Calls().empty());
}

// The pixels a recorded line or text can change.
Rect Extent(const Call& c) {
    if (c.kind == Kind::TextCentred) return c.box;
    return IsVertical(c) ? Rect{c.from.x, c.from.y, c.from.x + 1, c.to.y}
                         : Rect{c.from.x, c.from.y, c.to.x, c.from.y + 1};
}

struct ClipCase {
    const char* name;
    Rect client;
    RulerUnit unit;
    Rect clip;
};

void PrintTo(const ClipCase& c, std::ostream* out) { *out << c.name; }

class ClipCulling : public testing::TestWithParam<ClipCase> {};

TEST_P(ClipCulling, DrawsExactlyWhatTouchesTheClipBox) {
    const ClipCase& c = GetParam();
    RecordingCanvas full;
    DrawRulerScale(full, c.client, c.unit, 100, 96, 96);
    std::vector<Call> expected;
    for (const Call& call : full.Calls()) {
        if (Extent(call).Intersects(c.clip)) expected.push_back(call);
    }
    RecordingCanvas clipped(c.clip);
    DrawRulerScale(clipped, c.client, c.unit, 100, 96, 96);
    EXPECT_EQ(clipped.Calls(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Clips, ClipCulling,
    testing::Values(ClipCase{"TopMiddle", {0, 0, 400, 120}, UnitPixel, {195, 0, 205, 12}},
                    ClipCase{"InsideNumberBox", {0, 0, 400, 120}, UnitPixel, {112, 20, 113, 21}},
                    ClipCase{"LeftSide", {0, 0, 400, 300}, UnitPixel, {0, 95, 30, 130}},
                    ClipCase{"Magnifier", {0, 0, 400, 120}, UnitCentimetre, {170, 28, 362, 92}},
                    ClipCase{"RightSideCm", {0, 0, 300, 300}, UnitCentimetre, {280, 30, 300, 200}},
                    ClipCase{"BottomInch", {0, 0, 500, 200}, UnitInch, {0, 180, 500, 200}},
                    ClipCase{"Outside", {0, 0, 400, 120}, UnitPixel, {900, 900, 950, 950}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
