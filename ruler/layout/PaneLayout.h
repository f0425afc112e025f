// Where the readouts, the magnifier and the controls go on a ruler of any size.
#pragma once
#include <cstddef>

#include "base/Geometry.h"
#include "ruler/settings/RulerUnit.h"
#include "ruler/view/TextMeasure.h"

// Where the readouts, the magnifier and its slider go on a ruler. The readouts stand in framed
// boxes of their own, sized from the widest text their unit can show in the font at the
// window's resolution; the panes after a box move along with it.

// The widest texts the readouts of one unit can show, in device pixels: any value of five
// digits (negative positions and offsets of up to 99999 pixels), the unit after it, at the
// unit's resolution and zoom.
struct ReadoutWidths {
    int distance = 0;
    int position = 0;  // the widest of the position lines
    std::size_t positionLines = 0;
    int color = 0;  // the wider of the colour lines
    int lineHeight = 0;

    friend bool operator==(const ReadoutWidths& a, const ReadoutWidths& b) {
        return a.distance == b.distance && a.position == b.position && a.positionLines == b.positionLines &&
               a.color == b.color && a.lineHeight == b.lineHeight;
    }
    friend bool operator!=(const ReadoutWidths& a, const ReadoutWidths& b) { return !(a == b); }
};

ReadoutWidths MeasureReadouts(const TextMeasure& measure, const UnitOfMeasure& unit);

// A framed box of text lines: the box and the top-left corner of its first line.
struct TextBox {
    Rect box;  // empty when not shown
    Point text;
};

struct PaneLayout {
    int dpi = 96;
    int lineSpacing = 0;
    int boxInset = 0;  // from a box's edge to its text: the frame and a margin
    // The distance: a box at its place, or, on a turned ruler too narrow for that, the room a
    // box as wide as its text is centred in (`distanceFitted`).
    TextBox distance;
    bool distanceFitted = false;
    TextBox position;     // the arrows at `text`, the lines right of them
    Point positionLines;  // top-left corner of the first line
    TextBox color;        // two lines and the swatch
    Rect swatch;
    TextBox colorWithContrast;  // the colour box grown by a third line; empty on a low ruler
    Rect magnifier;             // its frame's lines run along the left and top edges and one
                                // pixel past the right and bottom ones
    Rect magnifierSlider;

    // The magnifier's inside: the whole picture and none of the frame, what a tick repaints
    // when the picture changed. Empty when it is not shown.
    Rect MagnifierInterior() const;
};

// The layout of a ruler whose client rectangle is `client`, at `dpi`, for readouts of
// `widths`. A ruler higher than wide (turned) measures its distance from the top edge.
PaneLayout LayoutPanes(const Rect& client, int dpi, const ReadoutWidths& widths);

// The transparency slider near the top-left corner; it never moves with the ruler's size.
Rect AlphaSliderRect(int dpi);

// Client position of the close button: its right edge 5 pixels (at 96 dpi) from the window's
// right edge, as far below the top.
Point CloseButtonOrigin(int windowWidth, int buttonWidth, int dpi);

// The distance box drawn for a text `width` pixels wide: the box itself, or on a narrow
// turned ruler a box as wide as the text, centred in the room; empty when it does not fit.
TextBox DistanceBox(const PaneLayout& layout, int width);
