#include "ruler/ReadoutPainter.h"

#include <cstddef>
#include <cstdint>

#include "ruler/DpiScale.h"
#include "ruler/RulerLayout.h"
#include "ruler/ReadoutText.h"

namespace {

// Nothing clips a number to its pane: the longest (a 32-bit offset with one decimal, about
// 12 characters of the dialog font) runs up to about this far past the pane's right edge
// (at 96 dpi). It stays short of the magnifier's inside, so the timer's repaint skips the
// readouts.
constexpr int kTextOverrun = 80;

constexpr char kHorizontalArrow[] = "\xF3";  // "WingDings" white left-right arrow
constexpr char kVerticalArrow[] = "\xF4";    // "WingDings" white up-down arrow
constexpr int kArrowSpacing = 13;
constexpr int kLineIndent = 18;
constexpr int kLineSpacing = 15;
constexpr int kSwatchWidth = 20;

Point WindowOrigin(const RulerView& view) { return {view.window.left, view.window.top}; }

// A pane is drawn when it is shown and its drawing, `overrun` pixels of text past its right
// edge included, can touch the area being painted. Lengths here are in 96-dpi pixels.
bool Visible(const Canvas& canvas, const Rect& pane, int overrun) {
    const Rect clip = canvas.ClipBox();
    return !pane.IsEmpty() && pane.left < clip.right &&
           clip.left < std::int64_t{pane.right} + overrun && pane.top < clip.bottom &&
           clip.top < pane.bottom;
}

}  // namespace

void DrawPositionPane(Canvas& canvas, const RulerView& view) {
    const Rect pane = PositionPaneRect(view.client, view.dpi);
    if (!Visible(canvas, pane, Scaled(kTextOverrun, view.dpi))) {
        return;
    }
    canvas.SelectFont(Canvas::Font::Symbol);
    canvas.TextAt({pane.left, pane.top}, kHorizontalArrow);
    canvas.TextAt({pane.left, pane.top + Scaled(kArrowSpacing, view.dpi)}, kVerticalArrow);
    canvas.SelectFont(Canvas::Font::Dialog);
    const auto lines = PositionLines(view.lastCursor, WindowOrigin(view), view.unit, view.dpi);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int top = pane.top + Scaled(static_cast<int>(i) * kLineSpacing, view.dpi);
        canvas.TextAt({pane.left + Scaled(kLineIndent, view.dpi), top}, lines[i]);
    }
}

void DrawDistancePane(Canvas& canvas, const RulerView& view) {
    const Rect pane = DistancePaneRect(view.client, view.dpi);
    if (!Visible(canvas, pane, Scaled(kTextOverrun, view.dpi))) {
        return;
    }
    const std::string text = DistanceText(view.lastCursor, WindowOrigin(view), view.unit, view.dpi);
    if (!text.empty()) {
        canvas.TextAt({pane.left, pane.top}, text);
    }
}

void DrawColorPane(Canvas& canvas, const RulerView& view) {
    // The colour texts have a fixed length and end before the swatch.
    const Rect pane = ColorPaneRect(view.client, view.dpi);
    if (!Visible(canvas, pane, 0)) {
        return;
    }
    const auto lines = ColorLines(view.lastColor);
    canvas.TextAt({pane.left, pane.top}, lines[0]);
    canvas.TextAt({pane.left, pane.top + Scaled(kLineSpacing, view.dpi)}, lines[1]);
    // Last, so the swatch covers any text that reaches into it.
    canvas.Fill({pane.right - Scaled(kSwatchWidth, view.dpi), pane.top, pane.right, pane.bottom}, view.lastColor);
}
