#pragma once
#include "base/Geometry.h"

// The sizes on the ruler besides its panes (see PaneLayout), at the window's resolution `dpi`.

// The transparency slider near the top-left corner; it never moves with the ruler's size.
Rect AlphaSliderRect(int dpi);

// Client position of the close button: its right edge 5 pixels (at 96 dpi) from the
// window's right edge, as far below the top.
Point CloseButtonOrigin(int windowWidth, int buttonWidth, int dpi);

// The smallest size to which the user can drag the ruler.
Point MinimumTrackSize(int dpi);

// Height of the dialog template's 8-point font at `dpi`, negative as CreateFont takes a
// character height.
int DialogFontHeight(int dpi);
