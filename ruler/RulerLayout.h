#pragma once
#include "ruler/Geometry.h"

// Which panes a ruler of a given client size shows, and where. Each rule takes the client
// rectangle and returns the pane in client pixels, or the empty rectangle {0,0,0,0} when
// the pane is not shown.
Rect PositionPaneRect(const Rect& client);
Rect DistancePaneRect(const Rect& client);
Rect ColorPaneRect(const Rect& client);
Rect MagnifierPaneRect(const Rect& client);
Rect MagnifierSliderRect(const Rect& client);

// Client position of the close button: its right edge 5 pixels from the window's right
// edge, 5 pixels below the top.
Point CloseButtonOrigin(int windowWidth, int buttonWidth);
