// Where the readouts, the magnifier and the controls go on a ruler of any size.
#pragma once
#include <cstddef>
#include <vector>

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
    int span = 0;      // one span
    int spans = 0;     // a span across by one down
    int position = 0;  // the widest of the position lines
    std::size_t positionLines = 0;
    int color = 0;  // the wider of the colour lines
    int lineHeight = 0;

    friend bool operator==(const ReadoutWidths& a, const ReadoutWidths& b) {
        return a.distance == b.distance && a.span == b.span && a.spans == b.spans && a.position == b.position &&
               a.positionLines == b.positionLines && a.color == b.color && a.lineHeight == b.lineHeight;
    }
    friend bool operator!=(const ReadoutWidths& a, const ReadoutWidths& b) { return !(a == b); }
};

ReadoutWidths MeasureReadouts(const TextMeasure& measure, const UnitOfMeasure& unit);

// A framed box of text lines: the box and the top-left corner of its first line.
struct TextBox {
    Rect box;  // empty when not shown
    Point text;
};

// What the ruler places besides its readouts and its magnifier.
struct LayoutControls {
    Point closeButton;         // the close button's size; none when 0 by 0
    bool alphaSlider = false;  // the transparency slider is to be shown
    bool spans = false;        // the span readout is to be shown
};

// Where each part of the ruler stands, in client pixels; an empty rectangle is a part not shown.
// Every part stands whole inside the ticks, apart from the others.
struct PaneLayout {
    int dpi = 96;
    int lineSpacing = 0;
    int boxInset = 0;  // from a box's edge to its text: the frame and a margin
    // The distance: a box at its place, or, on a turned ruler too narrow for that, the room a
    // box as wide as its text is centred in (`distanceFitted`), which may cover the side ticks.
    TextBox distance;
    bool distanceFitted = false;
    // The span beside the distance, or below it on a turned ruler, fitted as the distance is. A
    // ruler tall enough for the position box measures the span across and down (`twoSpans`).
    TextBox span;
    bool spanFitted = false;
    bool twoSpans = false;
    Rect closeButton;
    TextBox position;     // the arrows at `text`, the lines right of them
    Point positionLines;  // top-left corner of the first line
    TextBox color;        // two lines and the swatch
    Rect swatch;
    TextBox colorWithContrast;  // the colour box grown by a third line; empty where there is no room
    Rect magnifier;             // its frame's lines run along the left and top edges and one
                                // pixel past the right and bottom ones
    Rect magnifierSlider;
    Rect alphaSlider;

    // The magnifier's inside: the whole picture and none of the frame, what a tick repaints
    // when the picture changed. Empty when it is not shown.
    Rect MagnifierInterior() const;
    // Where the parts shown stand, the magnifier's frame included: the scale's numbers keep
    // clear of them.
    std::vector<Rect> Parts() const;
};

// The layout of a ruler whose client rectangle is `client`, at `dpi`, for readouts of `widths`
// and the controls. A ruler higher than wide (turned) measures its distance from the top edge.
// Of the ways to arrange the parts (the position and colour boxes side by side or one above
// the other, the magnifier right of them or below, the transparency slider beside the distance
// or below the readouts, each part at its usual place or moved in) it takes the one that shows
// the most important parts (the distance, the close button, the position, the colour, the
// magnifier with its slider, the transparency slider, in that order), then the contrast's line,
// then the largest magnified picture.
PaneLayout LayoutPanes(const Rect& client, int dpi, const ReadoutWidths& widths, const LayoutControls& controls);

// How far the ticks reach in from each edge at `dpi`: no part stands in that band, except the
// distance box of a turned ruler narrower than it.
int TickDepth(int dpi);

// The box drawn for a text `width` pixels wide in `box`: the box itself, or where it is
// `fitted` (on a narrow turned ruler) a box as wide as the text, centred in that room; empty when
// it does not fit.
TextBox FittedBox(const TextBox& box, bool fitted, int width, int inset);
inline TextBox DistanceBox(const PaneLayout& l, int width) {
    return FittedBox(l.distance, l.distanceFitted, width, l.boxInset);
}
inline TextBox SpanBox(const PaneLayout& l, int width) { return FittedBox(l.span, l.spanFitted, width, l.boxInset); }
