// Drawing the scale's ticks and numbers along the four edges.
#pragma once
#include <cstdint>
#include <vector>

#include "ruler/view/Canvas.h"
#include "ruler/settings/RulerUnit.h"
#include "ruler/scale/ScaleSeries.h"

// What the numbers of the scale keep clear of, and by how much.
struct NumberRoom {
    std::vector<Rect> parts;  // the ruler's parts: a number too close to one is left out
    int gap = 3;              // the least distance between a number and a part or another number
};

// Every series of the unit along the four edges of the client rectangle grown by one pixel on
// each side, so the ticks start just outside the window; tick lengths and number boxes at the
// unit's resolution. Marks that cannot touch the canvas's clip box are skipped, and each run
// ends once its marks lie wholly past the far edge. A series whose marks would stand closer than
// 3 device pixels is not drawn. A number stands whole inside the ruler, between the ticks of the
// edges, or not at all (the zero edge's moves in beside the side's ticks), at every mark whose
// number keeps `room.gap` from the number before it (so at small zooms only every second,
// third, ... mark is numbered), from the parts and from the numbers of the other edges. A step
// or pixels per unit that are not positive and finite, a negative tick length or coordinates
// beyond 2^24 pixels draw nothing, and no run draws more than 2^20 marks.
void DrawRulerScale(Canvas& canvas, const Rect& client, const UnitOfMeasure& unit, const NumberRoom& room);
