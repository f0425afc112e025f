// The readouts' numbers in each unit, and their units.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Color.h"
#include "base/Geometry.h"
#include "ruler/settings/RulerUnit.h"
#include "ruler/spans/EdgeSearch.h"

// The texts of the readouts. They measure in the unit at the resolution of the monitor the ruler
// is on; millimetres are calibrated by the zoom as the centimetre scale is, so that the mouse on a
// mark of the scale reads that mark's value.

// What the readouts show: a point of the screen (virtual-screen pixels), the ruler's top-left
// corner when it was measured (the scale's zero, since the window has no border), the colour of
// that point and the spans through it between edges, across and down the screen (each empty
// when not measured).
struct ReadoutSubject {
    Point cursor;
    Point windowOrigin;
    Color color = 0xFFFFFFFF;
    PixelRun spanX;
    PixelRun spanY;

    friend bool operator==(const ReadoutSubject& a, const ReadoutSubject& b) {
        return a.cursor == b.cursor && a.windowOrigin == b.windowOrigin && a.color == b.color && a.spanX == b.spanX &&
               a.spanY == b.spanY;
    }
};

// The readouts' numbers as they are drawn, without their units.
struct ReadoutTexts {
    std::string distance;
    std::vector<std::string> position;
    std::array<std::string, 2> color;
    std::string contrast;  // "4.47:1" against the reference colour; empty without one
    std::string span;      // "120", or "120 × 32" across and down; empty without one

    friend bool operator==(const ReadoutTexts& a, const ReadoutTexts& b) {
        return a.distance == b.distance && a.position == b.position && a.color == b.color && a.contrast == b.contrast &&
               a.span == b.span;
    }
    friend bool operator!=(const ReadoutTexts& a, const ReadoutTexts& b) { return !(a == b); }
};

// Every readout of `subject`. A ruler higher than wide (`turned`) measures the distance from
// its top edge, a wide one from its left edge.
ReadoutTexts ReadoutTextsFor(const ReadoutSubject& subject, const UnitOfMeasure& unit, bool turned,
                             std::optional<Color> reference);

// The cursor's reading on the scale in pixels: its offset from the window's top-left corner.
// Wraps like 32-bit arithmetic.
Point CursorOffset(Point cursor, Point windowOrigin);

// Lines of the position readout, top to bottom. Pixels: the absolute screen x and y.
// Logical pixels: x and y offsets in whole logical pixels, then x in device pixels.
// Centimetres and inches: x and y in millimetres or inches with one decimal, then x in
// pixels. No lines for an unknown unit.
std::vector<std::string> PositionLines(Point cursor, Point windowOrigin, const UnitOfMeasure& unit);

// The distance readout: an offset in device pixels in the unit (pixels, logical pixels
// rounded halves away from zero, or millimetres or inches with one decimal); empty for an
// unknown unit.
std::string DistanceText(int offset, const UnitOfMeasure& unit);

// The span readout without its unit: the length of the one span measured ("120"), or of both as
// width by height ("120 × 32"), each counted as a distance is; empty when none was measured.
std::string SpanText(const PixelRun& x, const PixelRun& y, const UnitOfMeasure& unit);

// The colour readout: red, green and blue as "%03d-%03d-%03d" and as "%02X-%02X-%02X".
// The fourth byte of the colour is ignored.
std::array<std::string, 2> ColorLines(Color color);

// The short name that follows a number of the unit on screen: "px", "lpx", "mm" (the
// centimetre unit's readouts count millimetres) or "in"; empty for an unknown unit.
std::string_view UnitSuffix(RulerUnit unit);
// The unit of the position pane's line `line`: the unit's, but device pixels on a third line.
std::string_view PositionSuffix(RulerUnit unit, std::size_t line);
// A number followed by its unit, as drawn: "245 px".
std::string WithUnit(std::string_view number, std::string_view suffix);
