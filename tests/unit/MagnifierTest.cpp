#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "ruler/MagnifierGeometry.h"
#include "ruler/MagnifierPainter.h"
#include "ruler/RulerLayout.h"

namespace {

using Kind = RecordingCanvas::Kind;
using Call = RecordingCanvas::Call;

// A 400 by 120 client area (pane 170, 28, 362, 92) on a 1024 by 768 screen.
const Rect kPane = MagnifierPaneRect({0, 0, 400, 120}, 96);
constexpr Rect kScreen{0, 0, 1024, 768};

TEST(MagnifierGeometry, KeepsTheSourceOnTheScreen) {
    const struct { int factor; Point cursor; Rect source, dest; } cases[] = {
        {2, {500, 300}, {455, 287, 546, 314}, {176, 34, 358, 88}},
        // Clamped at both edges: the source ends on the screen's first or last pixel.
        {2, {10, 5}, {0, 0, 91, 27}, {176, 34, 358, 88}},
        {2, {1020, 760}, {933, 741, 1024, 768}, {176, 34, 358, 88}},
        {20, {500, 300}, {495, 299, 505, 302}, {176, 34, 376, 94}},
        {1, {500, 300}, {410, 274, 591, 327}, {176, 34, 357, 87}},
        // Factors outside the slider's range are brought into it.
        {0, {500, 300}, {410, 274, 591, 327}, {176, 34, 357, 87}},
        {1000, {500, 300}, {495, 299, 505, 302}, {176, 34, 376, 94}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.factor << " at " << testing::PrintToString(c.cursor));
        const MagnifierGeometry g = MagnifierGeometryFor(kPane, c.factor, c.cursor, kScreen, 96);
        EXPECT_EQ(g.image, (Rect{176, 34, 356, 86}));
        EXPECT_EQ(g.crosshair, (Point{266, 60}));
        EXPECT_EQ(g.source, c.source);
        EXPECT_EQ(g.dest, c.dest);
    }
    // A source wider than the screen: the lower bound, tested first, decides below half.
    EXPECT_EQ(MagnifierGeometryFor(kPane, 1, {89, 25}, {0, 0, 51, 11}, 96).source, (Rect{0, 0, 181, 53}));
    EXPECT_EQ(MagnifierGeometryFor(kPane, 1, {90, 26}, {0, 0, 51, 11}, 96).source, (Rect{-130, -42, 51, 11}));
    // Panes 1 to 12 pixels wide or high leave an empty or inverted image: nothing is copied.
    for (int size = 1; size <= 13; ++size) {
        for (const Rect& pane : {Rect{170, 28, 170 + size, 92}, Rect{170, 28, 362, 28 + size}}) {
            const MagnifierGeometry g = MagnifierGeometryFor(pane, 2, {500, 300}, kScreen, 96);
            EXPECT_EQ(g.Copies(), size == 13) << size;
            EXPECT_EQ(g.Copies(), !g.dest.IsEmpty()) << size;
        }
    }
}

// The cursor at (500, 300), magnified twice.
void Paint(RecordingCanvas& canvas, const Rect& client) {
    DrawMagnifierPane(canvas, {client, {}, UnitPixel, 100, 96, {500, 300}, 0, 2, kScreen});
}

// A raised frame, the image and the crosshair; a paint inside the frame leaves it alone.
TEST(MagnifierPainter, DrawsFrameImageAndCrosshairWhereThePaintReaches) {
    RecordingCanvas canvas;
    Paint(canvas, {0, 0, 400, 120});
    auto pen = [](Color c) { return Call{Kind::SelectPen, c}; };
    auto line = [](Point a, Point b, Color c) { return Call{Kind::Line, c, a, b}; };
    EXPECT_EQ(canvas.Calls(), (std::vector<Call>{
        pen(0xFFFFFF), line({170, 92}, {170, 28}, 0xFFFFFF), line({170, 28}, {362, 28}, 0xFFFFFF),
        pen(0x404040), line({362, 28}, {362, 92}, 0x404040), line({362, 92}, {170, 92}, 0x404040),
        pen(0x808080), line({361, 29}, {361, 91}, 0x808080), line({361, 91}, {171, 91}, 0x808080),
        Call{Kind::Stretch, 0, {}, {}, {176, 34, 358, 88}, {455, 287, 546, 314}},
        pen(0xFF0000), line({266, 50}, {266, 70}, 0xFF0000),
        line({256, 60}, {276, 60}, 0xFF0000)}));
    // Paints of part of the ruler.
    constexpr Rect client{0, 0, 400, 120};
    constexpr Rect kAll = RecordingCanvas::kEverything;
    const struct { Rect client; Rect clip; size_t lines; size_t copies; } cases[] = {
        {client, kPane.Inflated(-2, -2), 2, 1},  // timer tick: frame left alone
        {client, kPane.Inflated(-1, -1), 2, 1},  // all inside the frame
        {client, kPane, 8, 1},                   // touches the frame
        {client, {169, 0, 170, 120}, 0, 0},      // just left of the frame
        {client, {362, 92, 363, 93}, 8, 0},      // the frame's last pixel only
        {{0, 0, 213, 120}, kAll, 8, 0},          // 5 wide: no image
        {{0, 0, 208, 120}, kAll, 0, 0},          // no pane
    };
    for (const auto& c : cases) {
        RecordingCanvas part(c.clip);
        Paint(part, c.client);
        EXPECT_EQ(part.Of(Kind::Line).size(), c.lines) << testing::PrintToString(c.clip);
        EXPECT_EQ(part.Of(Kind::Stretch).size(), c.copies) << testing::PrintToString(c.clip);
    }
}

}  // namespace
