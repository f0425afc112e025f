// Where the ruler starts, and how far the arrow keys may take it.
#pragma once
#include <optional>
#include <vector>

#include "base/Geometry.h"
#include "base/Monitors.h"

// The ruler comes back where the user left it and never gets lost: at start and after every
// arrow key at least a piece of 40 by 20 pixels (at 96 dpi, scaled) of it lies on the work
// areas, which together may hold it (a ruler may straddle two monitors side by side).

// Where the ruler was: its window rectangle in virtual-screen device pixels and the
// resolution of its monitor then.
struct StoredPlacement {
    Rect window;
    int dpi = 96;

    friend bool operator==(const StoredPlacement& a, const StoredPlacement& b) {
        return a.window == b.window && a.dpi == b.dpi;
    }
    friend bool operator!=(const StoredPlacement& a, const StoredPlacement& b) { return !(a == b); }
};

// The smallest size to which the user can drag the ruler, at the window's resolution `dpi`.
Point MinimumTrackSize(int dpi);

// The screen the ruler starts on, in virtual-screen pixels.
struct PlacementScreen {
    std::vector<MonitorArea> monitors;  // all of them, in any order
    MonitorArea primary;                // also in `monitors`
    int targetDpi = 96;                 // of the monitor the system picks for the stored rectangle
    Rect virtualScreen;
};

// Where the ruler starts: at the stored top-left corner, its size rescaled to `targetDpi`,
// never below its smallest size (turned for a ruler higher than wide) nor beyond the virtual
// screen. When that leaves too little of it on the work areas (its monitor went away, the
// resolution went down), it starts centred in the primary monitor's work area instead, its
// size rescaled to that monitor, held to the smallest size and cut to the work area.
Rect RestoredWindowRect(const StoredPlacement& stored, const PlacementScreen& screen);

// `proposed`, the window rectangle an arrow key proposes for `before`, grown no farther than the
// far edge of the work areas beside the ruler, unless it would leave too little of the ruler on
// the work areas: then each edge that moved goes only as far as keeps the piece, never back past
// `before`. A ruler that already lacks the piece (its monitor went away) moves only where no
// less of it is seen.
Rect LimitedNudge(const Rect& before, const Rect& proposed, const std::vector<Rect>& workAreas, int dpi);
