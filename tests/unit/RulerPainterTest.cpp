#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "ruler/RulerPainter.h"
#include "ruler/ScalePainter.h"

namespace {

using Kind = RecordingCanvas::Kind;

TEST(PaintRuler, FillsThenDrawsTheScaleInTheTickColourThenTurnsTheTextBlack) {
    RulerView view;
    view.client = {0, 0, 400, 40};
    RecordingCanvas canvas;
    PaintRuler(canvas, view);
    RecordingCanvas scale;
    DrawRulerScale(scale, view.client, view.unit, view.zoom, view.dpiX, view.dpiY);

    const auto& calls = canvas.Calls();
    const std::size_t n = scale.Calls().size();
    ASSERT_GE(calls.size(), n + 5);
    EXPECT_EQ(calls[0].kind, Kind::Fill);
    EXPECT_EQ(calls[0].box, view.client);
    EXPECT_EQ(calls[0].color, kRulerBackground);
    EXPECT_EQ(calls[1].kind, Kind::SelectFont);
    EXPECT_EQ(calls[1].font, Canvas::Font::Dialog);
    EXPECT_EQ(calls[2].kind, Kind::SelectPen);
    EXPECT_EQ(calls[2].color, kTickColor);
    EXPECT_EQ(calls[3].kind, Kind::SelectTextColor);
    EXPECT_EQ(calls[3].color, kTickColor);
    for (std::size_t i = 0; i < n; ++i) {
        auto painted = calls[4 + i];
        EXPECT_EQ(painted.color, kTickColor);
        painted.color = scale.Calls()[i].color;
        EXPECT_EQ(painted, scale.Calls()[i]);
    }
    EXPECT_EQ(calls[4 + n].kind, Kind::SelectTextColor);
    EXPECT_EQ(calls[4 + n].color, Rgb(0, 0, 0));
}

}  // namespace
