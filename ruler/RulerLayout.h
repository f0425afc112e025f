#pragma once
#include "ruler/Geometry.h"

// The ruler's layout at the window's resolution `dpi`: which panes a ruler of a given client
// size shows and where, and the sizes of everything else on it. Each pane rule takes the
// client rectangle and returns the pane in client pixels, or the empty rectangle {0,0,0,0}
// when the pane is not shown.
Rect PositionPaneRect(const Rect& client, int dpi);
Rect DistancePaneRect(const Rect& client, int dpi);
Rect ColorPaneRect(const Rect& client, int dpi);
Rect MagnifierPaneRect(const Rect& client, int dpi);
Rect MagnifierSliderRect(const Rect& client, int dpi);
// The magnifier pane shrunk by 2 pixels (at 96 dpi): the whole image and none of the frame,
// what a tick repaints when the picture changed. Empty when the pane is not shown.
Rect MagnifierInterior(const Rect& client, int dpi);
// The transparency slider near the top-left corner; it never moves with the ruler's size.
Rect AlphaSliderRect(int dpi);

// Client position of the close button: its right edge 5 pixels (at 96 dpi) from the
// window's right edge, as far below the top.
Point CloseButtonOrigin(int windowWidth, int buttonWidth, int dpi);

// The smallest size to which the user can drag the ruler.
Point MinimumTrackSize(int dpi);

// Heights of the dialog template's 8-point font and of the symbol font of the readout's
// arrows, negative as CreateFont takes a character height.
int DialogFontHeight(int dpi);
int SymbolFontHeight(int dpi);

// The resolutions for which the close button has faces of its own (12 by 13 pixels at 96 dpi).
// A window uses the largest that is not above its resolution and fits its button, so a face
// is never stretched nor cut.
constexpr int kCloseFaceDpis[] = {96, 120, 144, 192};
int CloseFaceDpi(int dpi, Point buttonSize);
