#pragma once
#include <cstdint>

#include "ruler/Canvas.h"
#include "ruler/Color.h"
#include "ruler/Geometry.h"
#include "ruler/RulerUnit.h"

// Everything one paint of the ruler reads, taken from the window at the moment of painting.
struct RulerView {
    Rect client;           // client rectangle, origin 0,0
    Rect window;           // window rectangle in screen pixels
    RulerUnit unit = UnitPixel;
    std::int32_t zoom = 100;
    int dpi = 96;          // the window's resolution: sizes of the layout, millimetres, inches
    Point lastCursor;      // virtual-screen pixels
    Color lastColor = 0xFFFFFFFF;
    int magnifierFactor = 2;
    Rect monitor;          // the monitor under lastCursor, in virtual-screen pixels
};

// Paints the whole ruler: background, scale, readouts and magnifier, in that order.
void PaintRuler(Canvas& canvas, const RulerView& view);
