// What the ruler's painting needs from a device context.
#pragma once
#include <string_view>

#include "base/Color.h"
#include "base/Geometry.h"
#include "ruler/view/TextMeasure.h"

// What the ruler's painting needs from a device context. GDI implements it in the
// program; a recorder implements it in the tests. Text, in UTF-8, is drawn and measured in the
// one font of the scale's numbers and the readouts.
struct Canvas : TextMeasure {
    // Area that a paint request may change; drawing outside it is wasted work.
    virtual Rect ClipBox() const = 0;
    // A solid one-pixel pen for the following lines.
    virtual void SelectPen(Color color) = 0;
    // Line with the current pen from `from` up to, not including, `to` (MoveTo + LineTo).
    virtual void Line(Point from, Point to) = 0;
    virtual void SelectTextColor(Color color) = 0;
    // Single line centred in `box` horizontally and vertically; nothing when `box` is empty.
    virtual void TextCentred(const Rect& box, std::string_view text) = 0;
    // Text whose top-left corner is `at` (TextOut).
    virtual void TextAt(Point at, std::string_view text) = 0;
    virtual void Fill(const Rect& box, Color color) = 0;
    // Copies `source` (screen pixels) stretched onto `dest` (client pixels), one source
    // pixel per block with no blending (StretchBlt with COLORONCOLOR and SRCCOPY), drawing
    // only within `within`.
    virtual void StretchFromScreen(const Rect& dest, const Rect& source, const Rect& within) = 0;
    // The same from the copy held for the magnifier; `source` lies within it.
    virtual void StretchFromCopy(const Rect& dest, const Rect& source, const Rect& within) = 0;
    // Fills `box` with pixels alternating black and white, black where the sum of the offsets
    // from `origin` is even.
    virtual void FillChecker(const Rect& box, Point origin) = 0;
};
