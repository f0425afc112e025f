#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "RecordingCanvas.h"
#include "ruler/RulerLayout.h"
#include "ruler/ReadoutPainter.h"
#include "ruler/ReadoutText.h"

namespace {

using Kind = RecordingCanvas::Kind;
using Lines = std::vector<std::string>;

TEST(ReadoutText, PositionAndDistancePerUnitAndColour) {
    const struct { RulerUnit unit; Point at, origin; Lines pos; const char* distance; } cases[] = {
        // Pixels show absolute screen coordinates; the distance is the offset.
        {UnitPixel, {150, 210}, {100, 200}, {"150", "210"}, "50"},
        {UnitPixel, {90, -5}, {100, 200}, {"90", "-5"}, "-10"},
        {UnitInch, {148, 296}, {100, 200}, {"0.5", "1.0", "48"}, "0.5"},
        // A negative offset that rounds to zero keeps its sign.
        {UnitInch, {-4, -1}, {0, 0}, {"-0.0", "-0.0", "-4"}, "-0.0"},
        // Millimetres at the nominal resolution; the zoom plays no part.
        {UnitCentimetre, {100, 45}, {0, 0}, {"26.5", "11.9", "100"}, "26.5"},
        {UnitCentimetre, {378, 0}, {0, 0}, {"100.0", "0.0", "378"}, "100.0"},
        {UnitCentimetre, {-2147483647 - 1, 0}, {1, 0}, {"568188381.6", "0.0", "2147483647"},
         "568188381.6"},
        {RulerUnit{7}, {1, 1}, {0, 0}, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.at));
        EXPECT_EQ(PositionLines(c.at, c.origin, c.unit, 96), c.pos);
        EXPECT_EQ(DistanceText(c.at, c.origin, c.unit, 96), c.distance);
    }
    // The colour in decimal and hexadecimal, its fourth byte ignored.
    using Pair = std::array<std::string, 2>;
    EXPECT_EQ(ColorLines(0xFFFFFFFF), (Pair{"255-255-255", "FF-FF-FF"}));  // the initial colour
    EXPECT_EQ(ColorLines(Rgb(32, 64, 128)), (Pair{"032-064-128", "20-40-80"}));
    EXPECT_EQ(ColorLines(0xAB000A00), (Pair{"000-010-000", "00-0A-00"}));
    // Copied as "#RRGGBB", red first although it is the low byte.
    EXPECT_EQ(ColorCopyText(Rgb(0x33, 0x66, 0xCC)), "#3366CC");
    EXPECT_EQ(ColorCopyText(0xAB000A01), "#010A00");
}

// The three readouts of a ruler at (100, 200) in inches at 96 dots per inch, the cursor at
// (148, 296) over the colour 0xAB804020; at twice the resolution all of it twice as far.
RecordingCanvas Paint(const Rect& client, const Rect& clip = RecordingCanvas::kEverything, int dpi = 96) {
    const int k = dpi / 96;
    const Rect window{100 * k, 200 * k, 100 * k + client.right, 200 * k + client.bottom};
    const RulerView view{client, window, UnitInch, 100, dpi, {148 * k, 296 * k}, 0xAB804020, 2, {}};
    RecordingCanvas canvas(clip);
    DrawPositionPane(canvas, view);
    DrawDistancePane(canvas, view);
    DrawColorPane(canvas, view);
    return canvas;
}

// Each text at its place and the swatch last, for the panes the paint can show.
TEST(ReadoutPainter, DrawsTextsAndSwatchOfThePanesThePaintCanShow) {
    const RecordingCanvas canvas = Paint({0, 0, 400, 120});
    using Font = Canvas::Font;
    using Texts = std::vector<std::tuple<Point, std::string, Font>>;
    Texts texts;
    for (const auto& c : canvas.Of(Kind::TextAt)) texts.emplace_back(c.from, c.text, c.font);
    EXPECT_EQ(texts, (Texts{{{38, 28}, "\xF3", Font::Symbol}, {{38, 41}, "\xF4", Font::Symbol},
                            {{56, 28}, "0.5", Font::Dialog},  {{56, 43}, "1.0", Font::Dialog},
                            {{56, 58}, "48", Font::Dialog},   {{45, 14}, "0.5", Font::Dialog},
                            {{83, 28}, "032-064-128", Font::Dialog},
                            {{83, 43}, "20-40-80", Font::Dialog}}));
    const RecordingCanvas::Call swatch{Kind::Fill, 0xAB804020, {}, {}, {148, 28, 168, 61}};
    EXPECT_EQ(canvas.Calls().back(), swatch);
    // At 192 dpi: the same readouts (but the pixels) at twice the places, the swatch twice as large.
    Texts twice;
    for (const auto& [at, text, font] : texts) twice.emplace_back(Point{2 * at.x, 2 * at.y}, text == "48" ? "96" : text, font);
    const RecordingCanvas at192 = Paint({0, 0, 800, 240}, RecordingCanvas::kEverything, 192);
    Texts texts192;
    for (const auto& c : at192.Of(Kind::TextAt)) texts192.emplace_back(c.from, c.text, c.font);
    EXPECT_EQ(texts192, twice);
    EXPECT_EQ(at192.Calls().back().box, (Rect{296, 56, 336, 122}));
    // Clip boxes that just miss every pane, or just touch one, and rulers with no panes.
    constexpr Rect client{0, 0, 400, 120};
    constexpr Rect kAll = RecordingCanvas::kEverything;
    const struct { Rect clip; Rect client; size_t texts; size_t fills; } cases[] = {
        {{0, 0, 38, 120}, client, 0, 0},          // left of every pane
        {{38, 0, 39, 120}, client, 5, 0},         // first column of the position pane
        {{84, 62, 100, 70}, client, 5, 0},        // only where position text runs past its pane
        {MagnifierPaneRect(client, 96).Inflated(-2, -2), client, 0, 0},  // a timer tick
        {kAll, {0, 0, 99, 100}, 0, 0},            // too small for any
        {kAll, {0, 0, 300, 300}, 7, 1},           // square: no distance
    };
    for (const auto& c : cases) {
        const RecordingCanvas part = Paint(c.client, c.clip);
        EXPECT_EQ(part.Of(Kind::TextAt).size(), c.texts) << testing::PrintToString(c.clip);
        EXPECT_EQ(part.Of(Kind::Fill).size(), c.fills) << testing::PrintToString(c.clip);
    }
}

}  // namespace
