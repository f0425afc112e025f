#include "ruler/RulerPainter.h"

#include "ruler/MagnifierPainter.h"
#include "ruler/ReadoutPainter.h"
#include "ruler/ScalePainter.h"

void PaintRuler(Canvas& canvas, const RulerView& view) {
    canvas.Fill(view.client, kRulerBackground);
    canvas.SelectFont(Canvas::Font::Dialog);
    canvas.SelectPen(kTickColor);
    canvas.SelectTextColor(kTickColor);
    DrawRulerScale(canvas, view.client, view.unit, view.zoom, view.dpi);
    canvas.SelectTextColor(Rgb(0, 0, 0));

    // The panes are drawn last, over the scale, in black.
    DrawPositionPane(canvas, view);
    DrawDistancePane(canvas, view);
    DrawColorPane(canvas, view);
    DrawMagnifierPane(canvas, view);
}
