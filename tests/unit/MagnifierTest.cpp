#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "ruler/MagnifierGeometry.h"
#include "ruler/MagnifierPainter.h"
#include "ruler/PaneLayout.h"

namespace {

using Kind = RecordingCanvas::Kind;

// A 400 by 120 client area (pane 170, 28, 362, 92) on a 1024 by 768 screen.
const Rect kPane = MagnifierPaneRect({0, 0, 400, 120});
constexpr Point kScreenMax{1023, 767};

struct CaptureCase {
    int factor;
    Point cursor;
    Rect source;
    Rect dest;
};

class MagnifierCaptureTest : public testing::TestWithParam<CaptureCase> {};

TEST_P(MagnifierCaptureTest, KeepsTheSourceOnTheScreen) {
    const CaptureCase& c = GetParam();
    const MagnifierGeometry g = MagnifierGeometryFor(kPane, c.factor, c.cursor, kScreenMax);
    EXPECT_EQ(g.image, (Rect{176, 34, 356, 86}));
    EXPECT_EQ(g.crosshair, (Point{266, 60}));
    EXPECT_EQ(g.source, c.source);
    EXPECT_EQ(g.dest, c.dest);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MagnifierCaptureTest,
    testing::Values(
        CaptureCase{2, {500, 300}, {455, 287, 546, 314}, {176, 34, 358, 88}},
        // Clamped at both edges: the source ends on the screen's first or last pixel.
        CaptureCase{2, {10, 5}, {0, 0, 91, 27}, {176, 34, 358, 88}},
        CaptureCase{2, {1020, 760}, {933, 741, 1024, 768}, {176, 34, 358, 88}},
        CaptureCase{20, {500, 300}, {495, 299, 505, 302}, {176, 34, 376, 94}},
        CaptureCase{1, {500, 300}, {410, 274, 591, 327}, {176, 34, 357, 87}},
        // Factors outside the slider's range are brought into it.
        CaptureCase{0, {500, 300}, {410, 274, 591, 327}, {176, 34, 357, 87}},
        CaptureCase{1000, {500, 300}, {495, 299, 505, 302}, {176, 34, 376, 94}}));

// Where the cursor's own pixel lands in the image: at the crosshair unless clamped.
TEST(MagnifierGeometry, CursorPixelFollowsTheClamp) {
    const struct { int factor; Point cursor; Point drawnAt; } cases[] = {
        {2, {500, 300}, {266, 60}},
        {2, {10, 5}, {196, 44}},
        {20, {500, 300}, {276, 54}},  // image column 100, row 20; crosshair at 90, 26
    };
    for (const auto& c : cases) {
        const MagnifierGeometry g = MagnifierGeometryFor(kPane, c.factor, c.cursor, kScreenMax);
        const Point drawn{g.dest.left + (c.cursor.x - g.source.left) * c.factor,
                          g.dest.top + (c.cursor.y - g.source.top) * c.factor};
        EXPECT_EQ(drawn, c.drawnAt) << c.cursor.x << ',' << c.cursor.y;
    }
}

// With a source wider than the screen the lower bound, tested first, decides below hw.
TEST(MagnifierGeometry, SourceWiderThanTheScreen) {
    const Point tinyScreen{50, 10};  // hw = 90, hh = 26 at factor 1
    EXPECT_EQ(MagnifierGeometryFor(kPane, 1, {89, 25}, tinyScreen).source.left, 0);
    EXPECT_EQ(MagnifierGeometryFor(kPane, 1, {90, 26}, tinyScreen).source,
              (Rect{-130, -42, 51, 11}));
}

// Panes 1 to 12 pixels wide or high leave no image: nothing is copied.
TEST(MagnifierGeometry, EmptyImageCopiesNothing) {
    for (int size = 1; size <= 13; ++size) {
        const Rect narrow{170, 28, 170 + size, 92};
        const Rect low{170, 28, 362, 28 + size};
        for (const Rect& pane : {narrow, low}) {
            const MagnifierGeometry g = MagnifierGeometryFor(pane, 2, {500, 300}, kScreenMax);
            EXPECT_EQ(g.Copies(), size == 13) << size;
            EXPECT_EQ(g.Copies(), !g.dest.IsEmpty()) << size;
        }
    }
}

RulerView ViewOf(Rect client) {
    RulerView view;
    view.client = client;
    view.lastCursor = {500, 300};
    view.screenMax = kScreenMax;
    return view;
}

TEST(MagnifierPainter, FullPaintDrawsFrameImageAndCrosshair) {
    RecordingCanvas canvas;
    DrawMagnifierPane(canvas, ViewOf({0, 0, 400, 120}));
    using C = RecordingCanvas::Call;
    auto pen = [](Color c) { return C{Kind::SelectPen, {}, {}, {}, {}, {}, c}; };
    auto line = [](Point a, Point b, Color c) { return C{Kind::Line, a, b, {}, {}, {}, c}; };
    const std::vector<C> expected{
        pen(0xFFFFFF), line({170, 92}, {170, 28}, 0xFFFFFF), line({170, 28}, {362, 28}, 0xFFFFFF),
        pen(0x404040), line({362, 28}, {362, 92}, 0x404040), line({362, 92}, {170, 92}, 0x404040),
        pen(0x808080), line({361, 29}, {361, 91}, 0x808080), line({361, 91}, {171, 91}, 0x808080),
        C{Kind::StretchFromScreen, {}, {}, {176, 34, 358, 88}, {455, 287, 546, 314}, {}, 0},
        pen(0xFF0000), line({266, 50}, {266, 70}, 0xFF0000), line({256, 60}, {276, 60}, 0xFF0000)};
    EXPECT_EQ(canvas.Calls(), expected);
}

TEST(MagnifierPainter, PartialPaints) {
    const Rect client{0, 0, 400, 120};
    const struct { Rect client; Rect clip; size_t lines; size_t copies; } cases[] = {
        {client, kPane.Inflated(-2, -2), 2, 1},               // timer tick: frame left alone
        {client, kPane.Inflated(-1, -1), 2, 1},               // all inside the frame
        {client, kPane, 8, 1},                                // touches the frame
        {client, {169, 0, 170, 120}, 0, 0},                   // just left of the frame
        {client, {362, 92, 363, 93}, 8, 0},                   // the frame's last pixel only
        {{0, 0, 213, 120}, RecordingCanvas::kEverything, 8, 0},  // 5 wide: no image
        {{0, 0, 208, 120}, RecordingCanvas::kEverything, 0, 0},  // no pane
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas(c.clip);
        DrawMagnifierPane(canvas, ViewOf(c.client));
        EXPECT_EQ(canvas.Of(Kind::Line).size(), c.lines) << c.clip.left << ',' << c.clip.top;
        EXPECT_EQ(canvas.Of(Kind::StretchFromScreen).size(), c.copies) << c.clip.left;
    }
}

}  // namespace
