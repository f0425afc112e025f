// Where a dialog that its initialisation left in place is first shown.
#pragma once
#include "base/Geometry.h"

// Where a dialog that its initialisation left in place is shown, as the framework places it:
// `window` centred over `around` (its owner, or the work area when it has none), then moved
// into `workArea`, the work area of the monitor it belongs to, its top-left corner kept
// inside first. All in virtual-screen pixels; the result is the new top-left corner.
Point CentredOrigin(const Rect& window, const Rect& around, const Rect& workArea);
