// Tests of the layout of the ruler's parts and of the scale's numbers among them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "base/DpiScale.h"
#include "ruler/layout/PaneLayout.h"
#include "ruler/magnifier/MagnifierGeometry.h"
#include "ruler/readouts/ReadoutText.h"
#include "ruler/view/RulerPainter.h"
#include "tests/unit/TestCanvas.h"
#include "tests/unit/WineFont.h"

namespace {

constexpr RulerUnit kUnits[] = {UnitPixel, UnitLogical, UnitCentimetre, UnitInch};

// The parts in the order of their importance: distance, span, close button, position, colour (with
// the contrast's line where it has room), magnifier (with its frame) and its slider, transparency.
std::array<Rect, 8> Parts(const PaneLayout& l) {
    const Rect frame = l.magnifier.IsEmpty() ? Rect{} : l.magnifier.Inflated(0, 0);
    return {l.distance.box,
            l.span.box,
            l.closeButton,
            l.position.box,
            l.colorWithContrast.box.IsEmpty() ? l.color.box : l.colorWithContrast.box,
            {frame.left, frame.top, frame.right + !frame.IsEmpty(), frame.bottom + !frame.IsEmpty()},
            l.magnifierSlider,
            l.alphaSlider};
}

bool Shown(const Rect& part) { return !part.IsEmpty(); }

// At every resolution, in every unit, over sizes from the smallest to 1000x600, wide and turned,
// with and without the transparency slider and the span, with the real font's widths: every part shown
// stands whole inside the ticks (a narrow turned ruler's distance may cover its side ticks) and
// keeps 3 scaled pixels from the others; the position, colour and magnifier come only with the
// parts before them, and neither the close button nor the transparency slider ever takes the
// place of a more important part; magnifier and slider are at least 40 pixels high and wide.
TEST(Layout, EveryPartWholeInsideTheTicksApartAndInItsOrder) {
    for (const int dpi : {96, 120, 144, 192}) {
        const WineFont font(dpi);
        const Point close{Scaled(12, dpi), Scaled(13, dpi)};
        const int gap = Scaled(3, dpi), smallest = Scaled(40, dpi);
        for (const RulerUnit unit : kUnits) {
            const ReadoutWidths widths = MeasureReadouts(font, {unit, dpi});
            for (int a = 45; a <= 1000; a += 23)
                for (int b = 40; b <= 600; b += 17)
                    for (const Rect client :
                         {Rect{0, 0, Scaled(a, dpi), Scaled(b, dpi)}, Rect{0, 0, Scaled(b, dpi), Scaled(a, dpi)}}) {
                        const bool spans = (a + b) % 2;
                        const auto layout = [&](Point button, bool alpha) {
                            return LayoutPanes(client, dpi, widths, {button, alpha, spans});
                        };
                        const PaneLayout l = layout(close, true), bare = layout({}, false);
                        const auto parts = Parts(l), bareParts = Parts(bare);
                        const std::string what = testing::PrintToString(std::make_tuple(dpi, int(unit), client));
                        const Rect inside = client.Inflated(-TickDepth(dpi), -TickDepth(dpi));
                        for (std::size_t i = 0; i < parts.size(); ++i) {
                            if (!Shown(parts[i])) continue;
                            const bool fitted = (i == 0 && l.distanceFitted) || (i == 1 && l.spanFitted);
                            EXPECT_TRUE(fitted ? client.Contains(parts[i]) && parts[i].top >= inside.top
                                               : inside.Contains(parts[i]))
                                << what << i;
                            for (std::size_t j = i + 1; j < parts.size(); ++j)
                                EXPECT_FALSE(parts[i].Inflated(gap, gap).Intersects(parts[j])) << what << i << ',' << j;
                        }
                        EXPECT_TRUE((!Shown(parts[4]) || Shown(parts[3])) && (!Shown(parts[5]) || Shown(parts[4])))
                            << what;
                        for (std::size_t i = 0; i < 7; ++i)
                            EXPECT_TRUE(Shown(parts[i]) || !Shown(bareParts[i])) << what << i;
                        if (Shown(l.magnifier))
                            EXPECT_TRUE(l.magnifier.Width() >= smallest && l.magnifier.Height() >= smallest &&
                                        l.magnifierSlider.Height() >= smallest)
                                << what;
                    }
        }
    }
}

// The thinnest ruler shows its distance; a ruler of 300x130 a picture of at least 80x50 in every unit; a turned one of
// 160x400 shows position and colour and below them a picture of at least 60x60; 640x260 shows every part with a picture
// larger than the 336x192 it had before. All sizes scaled to the resolution.
TEST(Layout, RoomForTheMagnifier) {
    for (const int dpi : {96, 120, 144, 192}) {
        const int inset = 2 * Scaled(6, dpi);
        const auto picture = [&](const PaneLayout& l) {
            return Point{l.magnifier.Width() - inset, l.magnifier.Height() - inset};
        };
        for (const RulerUnit unit : kUnits) {
            const ReadoutWidths widths = MeasureReadouts(WineFont(dpi), {unit, dpi});
            const auto layout = [&](int width, int height) {
                return LayoutPanes({0, 0, Scaled(width, dpi), Scaled(height, dpi)}, dpi, widths,
                                   {{Scaled(12, dpi), Scaled(13, dpi)}, true, true});
            };
            const PaneLayout small = layout(300, 130), turned = layout(160, 400), large = layout(640, 260);
            EXPECT_FALSE(layout(489, 40).distance.box.IsEmpty())
                << "the thinnest ruler without its distance" << dpi << unit;
            EXPECT_TRUE(picture(small).x >= Scaled(80, dpi) && picture(small).y >= Scaled(50, dpi)) << dpi << unit;
            EXPECT_TRUE(Shown(turned.position.box) && Shown(turned.color.box) &&
                        turned.color.box.bottom < turned.magnifier.top && picture(turned).x >= Scaled(60, dpi) &&
                        picture(turned).y >= Scaled(60, dpi))
                << dpi << unit;
            for (const Rect& part : Parts(large)) EXPECT_TRUE(Shown(part)) << dpi << unit;
            EXPECT_TRUE(picture(large).x > Scaled(336, dpi) && picture(large).y > Scaled(192, dpi)) << dpi << unit;
        }
    }
}

// Painted with the largest readouts (positions and distances of five digits, a contrast), the
// scale's numbers stand whole inside the ruler, clear of every tick and of every part: the zero
// edge's number moves in beside the side's ticks, others too near an edge or a part are left out;
// every other text stands inside the part it belongs to. At every resolution, in every unit.
TEST(Layout, EveryTextStandsWholeInItsPlace) {
    int numbered = 0;
    for (const int dpi : {96, 144, 192}) {
        const WineFont font(dpi);
        for (const RulerUnit unit : kUnits) {
            const ReadoutWidths widths = MeasureReadouts(font, {unit, dpi});
            for (const Point size : {Point{489, 41}, Point{41, 489}, Point{95, 41}, Point{300, 130}, Point{160, 400},
                                     Point{640, 260}, Point{70, 70}}) {
                RulerView view;
                view.client = {0, 0, Scaled(size.x, dpi), Scaled(size.y, dpi)};
                view.measure = {unit, dpi, 100};
                view.layout = LayoutPanes(view.client, dpi, widths, {{Scaled(12, dpi), Scaled(13, dpi)}, true, true});
                view.reference = 0;
                const bool turned = size.y > size.x, both = view.layout.twoSpans && Shown(view.layout.position.box);
                const PixelRun longest{0, 99999};  // spans as the ruler measures them: along its axis, or both ways
                view.subject = {{-99999, -99999},
                                {0, 0},
                                0xFFFFFF,
                                both || !turned ? longest : PixelRun{},
                                both || turned ? longest : PixelRun{}};
                view.texts = ReadoutTextsFor(view.subject, view.measure, turned, 0);
                if (!view.layout.magnifier.IsEmpty())
                    view.magnifier =
                        MagnifierGeometryFor(view.layout.magnifier, 20, {500, 300}, {0, 0, 1024, 768}, dpi);
                RecordingCanvas canvas(RecordingCanvas::kEverything, dpi, &font);
                PaintRuler(canvas, view);
                std::vector<Rect> ticks, numbers, texts;
                for (const auto& call : canvas.calls) {
                    if (call.kind == RecordingCanvas::Kind::Line)  // from the outer end, the inner one not drawn
                        ticks.push_back({std::min(call.from.x, call.to.x), std::min(call.from.y, call.to.y),
                                         std::max(call.from.x, call.to.x) + (call.from.x == call.to.x),
                                         std::max(call.from.y, call.to.y) + (call.from.y == call.to.y)});
                    else
                        (call.kind == RecordingCanvas::Kind::TextCentred ? numbers : texts)
                            .push_back(call.kind == RecordingCanvas::Kind::TextCentred
                                           ? InkOf(call.box, call.text, font)
                                           : call.box);
                }
                const std::string what = testing::PrintToString(std::make_tuple(dpi, int(unit), size));
                const std::vector<Rect> parts = view.layout.Parts();
                numbered += !numbers.empty();
                for (const Rect& ink : numbers) {
                    EXPECT_TRUE(view.client.Contains(ink)) << what << testing::PrintToString(ink);
                    for (const Rect& tick : ticks)
                        EXPECT_FALSE(ink.Intersects(tick)) << what << testing::PrintToString(ink);
                    for (const Rect& part : parts)
                        EXPECT_FALSE(ink.Intersects(part)) << what << testing::PrintToString(ink);
                }
                for (const Rect& text : texts)
                    EXPECT_TRUE(std::any_of(parts.begin(), parts.end(),
                                            [&](const Rect& part) { return part.Inflated(-1, -1).Contains(text); }))
                        << what << testing::PrintToString(text);
            }
        }
    }
    EXPECT_GE(numbered, 60) << "rulers with numbers, of 84";
}

}  // namespace
