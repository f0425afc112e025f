#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingCanvas.h"
#include "ruler/PaneLayout.h"
#include "ruler/ReadoutPainter.h"
#include "ruler/ReadoutText.h"

namespace {

using Kind = RecordingCanvas::Kind;

struct ReadoutCase {
    RulerUnit unit;
    Point cursor;
    Point origin;
    int dpi;
    std::vector<std::string> position;
    std::string distance;
};

class ReadoutTextTest : public testing::TestWithParam<ReadoutCase> {};

TEST_P(ReadoutTextTest, FormatsPositionAndDistance) {
    const ReadoutCase& c = GetParam();
    EXPECT_EQ(PositionLines(c.cursor, c.origin, c.unit, c.dpi, c.dpi), c.position);
    EXPECT_EQ(DistanceText(c.cursor, c.origin, c.unit, c.dpi), c.distance);
}

INSTANTIATE_TEST_SUITE_P(
    Units, ReadoutTextTest,
    testing::Values(
        // Pixels show absolute screen coordinates; the distance is the offset.
        ReadoutCase{UnitPixel, {150, 210}, {100, 200}, 96, {"150", "210"}, "50"},
        ReadoutCase{UnitPixel, {90, -5}, {100, 200}, 96, {"90", "-5"}, "-10"},
        ReadoutCase{UnitInch, {148, 296}, {100, 200}, 96, {"0.5", "1.0", "48"}, "0.5"},
        // A negative offset that rounds to zero keeps its sign.
        ReadoutCase{UnitInch, {-4, -1}, {0, 0}, 96, {"-0.0", "-0.0", "-4"}, "-0.0"},
        // Millimetres at the nominal resolution; the zoom plays no part.
        ReadoutCase{UnitCentimetre, {100, 45}, {0, 0}, 96, {"26.5", "11.9", "100"}, "26.5"},
        ReadoutCase{UnitCentimetre, {378, 0}, {0, 0}, 96, {"100.0", "0.0", "378"}, "100.0"},
        ReadoutCase{UnitCentimetre, {-2147483647 - 1, 0}, {1, 0}, 96,
                    {"568188381.6", "0.0", "2147483647"}, "568188381.6"},
        ReadoutCase{static_cast<RulerUnit>(7), {1, 1}, {0, 0}, 96, {}, ""}));

TEST(ReadoutText, ColorLinesIgnoreTheFourthByte) {
    using Lines = std::array<std::string, 2>;
    EXPECT_EQ(ColorLines(0xFFFFFFFF), (Lines{"255-255-255", "FF-FF-FF"}));
    EXPECT_EQ(ColorLines(Rgb(32, 64, 128)), (Lines{"032-064-128", "20-40-80"}));
    EXPECT_EQ(ColorLines(0xAB000A00), (Lines{"000-010-000", "00-0A-00"}));
}

RulerView ViewOf(Rect client) {
    RulerView view;
    view.client = client;
    view.window = {100, 200, 100 + client.right, 200 + client.bottom};
    view.unit = UnitInch;
    view.lastCursor = {148, 296};
    view.lastColor = 0xAB804020;
    return view;
}

void DrawReadouts(Canvas& canvas, const RulerView& view) {
    DrawPositionPane(canvas, view);
    DrawDistancePane(canvas, view);
    DrawColorPane(canvas, view);
}

TEST(ReadoutPainter, DrawsEachTextAtItsPlaceAndTheSwatchLast) {
    RecordingCanvas canvas;
    DrawReadouts(canvas, ViewOf({0, 0, 400, 120}));
    using Font = Canvas::Font;
    const std::vector<std::tuple<Point, std::string, Font>> expected{
        {{38, 28}, "\xF3", Font::Symbol}, {{38, 41}, "\xF4", Font::Symbol},
        {{56, 28}, "0.5", Font::Dialog},  {{56, 43}, "1.0", Font::Dialog},
        {{56, 58}, "48", Font::Dialog},   {{45, 14}, "0.5", Font::Dialog},
        {{83, 28}, "032-064-128", Font::Dialog}, {{83, 43}, "20-40-80", Font::Dialog}};
    std::vector<std::tuple<Point, std::string, Font>> texts;
    for (const auto& call : canvas.Of(Kind::TextAt)) {
        texts.emplace_back(call.from, call.text, call.font);
    }
    EXPECT_EQ(texts, expected);
    const auto& last = canvas.Calls().back();
    EXPECT_EQ(last.kind, Kind::Fill);
    EXPECT_EQ(last.box, (Rect{148, 28, 168, 61}));
    EXPECT_EQ(last.color, 0xAB804020u);
}

// Clip boxes that just miss every pane, or just touch one, and rulers with no panes.
TEST(ReadoutPainter, DrawsOnlyPanesThePaintCanShow) {
    const Rect client{0, 0, 400, 120};
    const struct { Rect clip; Rect client; size_t texts; size_t fills; } cases[] = {
        {{0, 0, 38, 120}, client, 0, 0},          // left of every pane
        {{38, 0, 39, 120}, client, 5, 0},         // first column of the position pane
        {{84, 62, 100, 70}, client, 5, 0},        // only where position text runs past its pane
        {MagnifierPaneRect(client).Inflated(-2, -2), client, 0, 0},  // a timer tick
        {RecordingCanvas::kEverything, {0, 0, 99, 100}, 0, 0},       // too small for any
        {RecordingCanvas::kEverything, {0, 0, 300, 300}, 7, 1},      // square: no distance
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas(c.clip);
        DrawReadouts(canvas, ViewOf(c.client));
        EXPECT_EQ(canvas.Of(Kind::TextAt).size(), c.texts) << c.clip.left << ',' << c.clip.top;
        EXPECT_EQ(canvas.Of(Kind::Fill).size(), c.fills) << c.clip.left << ',' << c.clip.top;
    }
}

}  // namespace
