// The zones of the ruler's surface, their cursors and what a press in them does.
#pragma once
#include <cstdint>

#include "base/Geometry.h"

// Zones of the ruler's surface. The positive codes are the platform's non-client hit-test
// codes (HTCLIENT, HTCAPTION, HTLEFT ... HTBOTTOMRIGHT), so that a press can be handed to
// the platform's move and resize loop unchanged; the negative band codes are the ruler's own.
enum RulerZone : std::int32_t {
    ZoneCloseButton = 1,  // HTCLIENT: the system leaves the press to the button
    ZoneCaption = 2,      // the inner area: drags the window
    ZoneLeft = 10,
    ZoneRight = 11,
    ZoneTop = 12,
    ZoneTopLeft = 13,
    ZoneTopRight = 14,
    ZoneBottom = 15,
    ZoneBottomLeft = 16,
    ZoneBottomRight = 17,
    ZoneBandTop = -1,  // scale bands, where the reading cursors show
    ZoneBandBottom = -2,
    ZoneBandLeft = -3,
    ZoneBandRight = -4,
};

// The cursor a zone shows.
enum class ZoneCursor {
    Default,  // the platform decides
    SizeWE,
    SizeNS,
    SizeNWSE,
    SizeNESW,
    ReadTop,
    ReadBottom,
    ReadLeft,
    ReadRight,
};

// Zone of `cursor` (screen pixels) on a ruler whose window rectangle and close button
// rectangle are given in screen pixels, at the window's resolution `dpi`. The close button
// wins, then the corners (8 pixels at 96 dpi), the edges (5 pixels) and the scale bands
// (20 pixels), in that order.
RulerZone HitTestRuler(Point cursor, const Rect& window, const Rect& closeButton, int dpi);

ZoneCursor CursorForZone(RulerZone zone);

// The zone a left-button press hands to the platform: a band drags the window like the
// inner area does.
RulerZone PressZone(RulerZone zone);
