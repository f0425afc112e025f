// Painting the whole ruler.
#include "ruler/view/RulerPainter.h"

#include "base/DpiScale.h"
#include "ruler/magnifier/MagnifierPainter.h"
#include "ruler/readouts/ReadoutPainter.h"
#include "ruler/scale/ScalePainter.h"
#include "ruler/spans/SpanPainter.h"

void PaintRuler(Canvas& canvas, const RulerView& view) {
    canvas.Fill(view.client, view.palette.surface);
    canvas.SelectPen(view.palette.ink);
    canvas.SelectTextColor(view.palette.ink);
    // A number of the scale never stands so close to a readout that the two read as one.
    DrawRulerScale(canvas, view.client, view.measure, {view.layout.Parts(), Scaled(3, view.measure.dpi)});
    DrawSpanMarkers(canvas, view);

    // The panes are drawn last, over the scale.
    canvas.SelectTextColor(view.palette.text);
    DrawPositionPane(canvas, view);
    DrawDistancePane(canvas, view);
    DrawSpanPane(canvas, view);
    DrawColorPane(canvas, view);
    DrawMagnifierPane(canvas, view);
}
