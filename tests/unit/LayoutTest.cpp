// Tests of the layout of the ruler's parts and of the scale's numbers among them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "base/DpiScale.h"
#include "ruler/layout/PaneLayout.h"
#include "ruler/magnifier/MagnifierGeometry.h"
#include "ruler/readouts/ReadoutText.h"
#include "ruler/view/RulerPainter.h"
#include "tests/unit/TestCanvas.h"
#include "tests/unit/WineFont.h"

namespace {

constexpr int kDpis[] = {96, 120, 144, 192};
constexpr RulerUnit kUnits[] = {UnitPixel, UnitLogical, UnitCentimetre, UnitInch};

using Kind = RecordingCanvas::Kind;

bool Shown(const Rect& part) { return !part.IsEmpty(); }

// The parts in the order of their importance: distance, span, close button, position, colour (with
// the contrast's line where it has room), magnifier (with its frame) and its slider, transparency.
std::array<Rect, 8> Parts(const PaneLayout& l) {
    const Rect& m = l.magnifier;
    const Rect colour = Shown(l.colorWithContrast.box) ? l.colorWithContrast.box : l.color.box;
    const Rect frame = Shown(m) ? Rect{m.left, m.top, m.right + 1, m.bottom + 1} : Rect{};
    return {l.distance.box, l.span.box, l.closeButton, l.position.box, colour, frame, l.magnifierSlider, l.alphaSlider};
}

// The layout at `dpi`, with the close button and the transparency slider (`controls`) or without.
PaneLayout Layout(const Rect& client, int dpi, const ReadoutWidths& widths, bool controls = true, bool spans = true) {
    const Point close = controls ? Point{Scaled(12, dpi), Scaled(13, dpi)} : Point{};
    return LayoutPanes(client, dpi, widths, {close, controls, spans});
}

// A ruler `size` pixels large at 96 dpi, at `dpi`.
Rect Client(Point size, int dpi) { return {0, 0, Scaled(size.x, dpi), Scaled(size.y, dpi)}; }

// At every resolution, in every unit, over sizes from the smallest to 1000x600, wide and turned,
// with and without the transparency slider and the span, with the real font's widths: every part shown
// stands whole inside the ticks (a narrow turned ruler's distance may cover its side ticks) and
// keeps 3 scaled pixels from the others; the position, colour and magnifier come only with the
// parts before them, and neither the close button nor the transparency slider ever takes the
// place of a more important part; magnifier and slider are at least 40 pixels high and wide.
TEST(Layout, EveryPartWholeInsideTheTicksApartAndInItsOrder) {
    for (const int dpi : kDpis)
        for (const RulerUnit unit : kUnits) {
            const int gap = Scaled(3, dpi), smallest = Scaled(40, dpi);
            const ReadoutWidths widths = MeasureReadouts(WineFont(dpi), {unit, dpi});
            for (int a = 45; a <= 1000; a += 23)
                for (int b = 40; b <= 600; b += 17)
                    for (const Rect client : {Client({a, b}, dpi), Client({b, a}, dpi)}) {
                        const bool spans = (a + b) % 2;
                        const PaneLayout l = Layout(client, dpi, widths, true, spans);
                        const auto parts = Parts(l), bare = Parts(Layout(client, dpi, widths, false, spans));
                        const std::string what = testing::PrintToString(std::make_tuple(dpi, int(unit), client));
                        const Rect inside = client.Inflated(-TickDepth(dpi), -TickDepth(dpi));
                        for (std::size_t i = 0; i < parts.size(); ++i) {
                            // The controls never take a part's place, nor do the parts stand out of their order.
                            EXPECT_TRUE(Shown(parts[i]) || !Shown(bare[i])) << what << i;
                            if (!Shown(parts[i])) continue;
                            EXPECT_TRUE(i < 4 || i > 5 || Shown(parts[i - 1])) << what << i;
                            const bool fitted = (i == 0 && l.distanceFitted) || (i == 1 && l.spanFitted);
                            const Rect area = fitted ? Rect{0, inside.top, client.right, client.bottom} : inside;
                            EXPECT_TRUE(area.Contains(parts[i])) << what << i;
                            for (std::size_t j = i + 1; j < parts.size(); ++j)
                                EXPECT_FALSE(parts[i].Inflated(gap, gap).Intersects(parts[j])) << what << i << ',' << j;
                        }
                        const Rect& m = l.magnifier;
                        EXPECT_TRUE(!Shown(m) ||
                                    std::min({m.Width(), m.Height(), l.magnifierSlider.Height()}) >= smallest)
                            << what;
                    }
        }
}

// Painted with the largest readouts (positions and distances of five digits, a contrast) at
// every resolution and in every unit, the scale's numbers stand whole inside the ruler, clear of
// every tick and of every part: the zero edge's number moves in beside the side's ticks, others
// too near an edge or a part are left out; every other text stands inside the part it belongs
// to. Every ruler but the smallest square shows its distance, the thinnest too; one of 300x130 a
// picture of at least 80x50, a turned one of 160x400 its position and colour and below them a
// picture of at least 60x60, and one of 640x260 every part with a picture larger than the
// 336x192 it had before.
TEST(Layout, EveryTextWholeInItsPlaceAndRoomForTheMagnifier) {
    // A ruler's size at 96 dpi, whether it shows its distance, its least picture, whether it shows every part.
    const std::tuple<Point, bool, Point, bool> rulers[] = {
        {{489, 40}, true, {}, false},         {{40, 489}, true, {}, false},        {{95, 41}, true, {}, false},
        {{70, 70}, false, {}, false},         {{300, 130}, true, {80, 50}, false}, {{160, 400}, true, {60, 60}, false},
        {{640, 260}, true, {337, 193}, true},
    };
    int numbered = 0;
    for (const int dpi : kDpis)
        for (const RulerUnit unit : kUnits)
            for (const auto& [size, distance, picture, everyPart] : rulers) {
                RulerView view;
                view.client = Client(size, dpi);
                view.measure = {unit, dpi, 100};
                view.layout = Layout(view.client, dpi, MeasureReadouts(WineFont(dpi), view.measure));
                view.reference = 0;
                const PaneLayout& l = view.layout;
                const Rect& m = l.magnifier;
                if (Shown(m)) view.magnifier = MagnifierGeometryFor(m, 20, {500, 300}, {0, 0, 1024, 768}, dpi);
                // Spans as the ruler measures them: along its axis, or both ways where it shows both.
                const bool turned = size.y > size.x, both = l.twoSpans && Shown(l.position.box);
                const PixelRun spanX{0, both || !turned ? 99999 : 0}, spanY{0, both || turned ? 99999 : 0};
                view.subject = {{-99999, -99999}, {0, 0}, 0xFFFFFF, spanX, spanY};
                view.texts = ReadoutTextsFor(view.subject, view.measure, turned, 0);
                RecordingCanvas canvas(dpi);
                PaintRuler(canvas, view);
                // The scale's numbers keep clear of the parts and of every line; other texts stand in a part.
                const std::vector<Rect> parts = l.Parts();
                std::vector<Rect> taken = parts, numbers, texts;
                for (const auto& call : canvas.calls)
                    (call.kind == Kind::Line ? taken : call.kind == Kind::TextAt ? texts : numbers).push_back(call.ink);
                const std::string what = testing::PrintToString(std::make_tuple(dpi, int(unit), size));
                numbered += !numbers.empty();
                for (const Rect& ink : numbers) {
                    const std::string where = what + testing::PrintToString(ink);
                    EXPECT_TRUE(view.client.Contains(ink)) << where;
                    for (const Rect& other : taken) EXPECT_FALSE(ink.Intersects(other)) << where;
                }
                for (const Rect& text : texts)
                    EXPECT_TRUE(std::any_of(parts.begin(), parts.end(),
                                            [&](const Rect& part) { return part.Inflated(-1, -1).Contains(text); }))
                        << what << testing::PrintToString(text);
                EXPECT_TRUE(Shown(l.distance.box) || !distance) << what;
                if (picture.x == 0) continue;
                const Point inner{m.Width() - 2 * Scaled(6, dpi), m.Height() - 2 * Scaled(6, dpi)};
                EXPECT_TRUE(inner.x >= Scaled(picture.x, dpi) && inner.y >= Scaled(picture.y, dpi)) << what;
                EXPECT_TRUE(Shown(l.position.box) && Shown(l.color.box) && (!turned || l.color.box.bottom < m.top))
                    << what;
                for (const Rect& part : Parts(l)) EXPECT_TRUE(Shown(part) || !everyPart) << what;
            }
    EXPECT_GE(numbered, 90) << "rulers with numbers, of 112";
}

}  // namespace
