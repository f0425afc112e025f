#pragma once
#include <optional>
#include <string>
#include <vector>

#include "ruler/Color.h"
#include "ruler/Geometry.h"
#include "ruler/RulerUnit.h"

// One area to invalidate, with or without erasing. An empty rectangle stays empty: it is
// never turned into "the whole window".
struct Invalidation {
    Rect rect;
    bool erase = true;

    friend bool operator==(const Invalidation& a, const Invalidation& b) {
        return a.rect == b.rect && a.erase == b.erase;
    }
};

// What the readouts show besides the cursor: the window's client rectangle and its top-left
// corner on the screen (the scale's zero), the unit and the resolution.
struct ReadoutContext {
    Rect client;
    Point windowOrigin;
    RulerUnit unit = UnitPixel;
    int dpi = 96;

    friend bool operator==(const ReadoutContext& a, const ReadoutContext& b) {
        return a.client == b.client && a.windowOrigin == b.windowOrigin && a.unit == b.unit && a.dpi == b.dpi;
    }
};

// What one timer tick invalidates, in order: `panes`, then the colour pane if the sampled
// colour changed (OnColor).
struct CursorTick {
    std::vector<Invalidation> panes;  // position and distance panes whose text changed
    bool sampleColor = false;         // read the pixel at LastCursor() and pass it to OnColor
};

// The decisions of cursor tracking: keeps the last cursor position and colour seen and the
// texts the readouts show, and says which panes a change invalidates: a pane only when its
// text changed. The window reads the cursor and the pixel itself.
class CursorTracker {
public:
    // A tick with the cursor position in screen pixels, or none when it could not be read
    // (then the last one stands), and what else the readouts depend on.
    CursorTick OnSample(std::optional<Point> cursor, const ReadoutContext& context);
    // The colour read at LastCursor() after a move; the colour pane to invalidate when it
    // differs from the stored one (all 32 bits compared).
    std::optional<Invalidation> OnColor(Color sampled, const Rect& client, int dpi);

    Point LastCursor() const { return m_lastCursor; }
    Color LastColor() const { return m_lastColor; }

private:
    Point m_lastCursor;
    Color m_lastColor = 0xFFFFFFFF;
    std::optional<ReadoutContext> m_lastContext;  // none before the first tick
    std::vector<std::string> m_positionLines;
    std::string m_distance;
};
