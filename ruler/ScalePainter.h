#pragma once
#include <cstdint>

#include "ruler/Canvas.h"
#include "ruler/RulerUnit.h"
#include "ruler/ScaleSeries.h"

// Draws one series along the four edges of `area`, its tick lengths and number boxes at the
// window's resolution `dpi`. Marks that cannot touch the canvas's clip box are skipped, and
// each run ends once its marks lie wholly past the far edge. A step or pixels per unit that
// are not positive and finite, a negative tick length or coordinates beyond 2^24 pixels draw
// nothing, and no run draws more than 2^20 marks.
void DrawScale(Canvas& canvas, const Rect& area, const ScaleSeries& series, RulerUnit unit,
               std::int32_t zoom, const UnitMetrics& metrics, int dpi);

// Every series of the unit on the client rectangle grown by one pixel on each side, so the
// ticks start just outside the window.
void DrawRulerScale(Canvas& canvas, const Rect& client, RulerUnit unit, std::int32_t zoom, int dpi);
