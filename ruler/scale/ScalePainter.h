// Drawing the scale's ticks and numbers along the four edges.
#pragma once
#include <cstdint>
#include <vector>

#include "ruler/view/Canvas.h"
#include "ruler/settings/RulerUnit.h"
#include "ruler/scale/ScaleSeries.h"

// Where the numbers of the scale may not stand, and how close they may come to anything.
struct NumberRoom {
    std::vector<Rect> readouts;  // the readouts' boxes: a number too close to one is left out
    int gap = 3;                 // the least distance between a number and a readout or another number
};

// Draws one series along the four edges of `area`, its tick lengths and number boxes at the
// window's resolution `dpi`. Marks that cannot touch the canvas's clip box are skipped, and
// each run ends once its marks lie wholly past the far edge. A series whose marks would stand
// closer than 3 device pixels is not drawn. Numbers stand at every mark whose number keeps
// `room.gap` from the number before it (so at small zooms only every second, third, ...
// mark is numbered), from the readouts and from the numbers of the other edges. A step or
// pixels per unit that are not positive and finite, a negative tick length or coordinates
// beyond 2^24 pixels draw nothing, and no run draws more than 2^20 marks.
void DrawScale(Canvas& canvas, const Rect& area, const ScaleSeries& series, RulerUnit unit, std::int32_t zoom,
               const UnitMetrics& metrics, int dpi, const NumberRoom& room);

// Every series of the unit on the client rectangle grown by one pixel on each side, so the
// ticks start just outside the window.
void DrawRulerScale(Canvas& canvas, const Rect& client, RulerUnit unit, std::int32_t zoom, int dpi,
                    const NumberRoom& room);
