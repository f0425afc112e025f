#pragma once
#include <optional>
#include <vector>

#include "ruler/Color.h"
#include "ruler/Geometry.h"

// One area to invalidate, with or without erasing. An empty rectangle stays empty: it is
// never turned into "the whole window".
struct Invalidation {
    Rect rect;
    bool erase = true;

    friend bool operator==(const Invalidation& a, const Invalidation& b) {
        return a.rect == b.rect && a.erase == b.erase;
    }
};

// What one timer tick invalidates, in order: `panes`, then the colour pane if the sampled
// colour changed (OnColor), then `magnifier`.
struct CursorTick {
    std::vector<Invalidation> panes;  // position and distance panes, when the cursor moved
    bool sampleColor = false;         // read the pixel at LastCursor() and pass it to OnColor
    Invalidation magnifier;           // the magnifier's inside, on every tick
};

// The decisions of cursor tracking: keeps the last cursor position and colour seen and says
// which panes their changes invalidate. The window reads the cursor and the pixel itself.
class CursorTracker {
public:
    // A tick with the cursor position in screen pixels, or none when it could not be read:
    // then nothing is stored and only the magnifier is refreshed.
    CursorTick OnSample(std::optional<Point> cursor, const Rect& client, int dpi);
    // The colour read at LastCursor() after a move; the colour pane to invalidate when it
    // differs from the stored one (all 32 bits compared).
    std::optional<Invalidation> OnColor(Color sampled, const Rect& client, int dpi);

    Point LastCursor() const { return m_lastCursor; }
    Color LastColor() const { return m_lastColor; }

private:
    Point m_lastCursor;
    Color m_lastColor = 0xFFFFFFFF;
};

// The magnifier pane shrunk by 2 (at 96 dpi), which holds the whole image and none of the
// frame, so the periodic repaint leaves the frame alone. Empty when the pane is not shown.
Rect MagnifierInterior(const Rect& client, int dpi);
