// The last cursor and colour seen, and which readouts a change repaints.
#pragma once
#include <optional>
#include <vector>

#include "base/Color.h"
#include "base/Geometry.h"
#include "ruler/layout/PaneLayout.h"
#include "ruler/readouts/ReadoutText.h"

// The decisions of cursor tracking: keeps the last cursor position and colour seen and the
// texts the readouts show, and says which boxes a change repaints: a box only when its text
// changed. The window reads the cursor and the pixel itself.
class CursorTracker {
public:
    // The cursor position read on a tick, or none when it could not be read (then the last one
    // stands); true when it moved.
    bool OnCursor(std::optional<Point> cursor);
    void OnColor(Color color) { m_lastColor = color; }
    // The readouts' texts now: the boxes of `layout` whose text changed since the last call.
    std::vector<Rect> OnTexts(const ReadoutTexts& texts, const PaneLayout& layout);

    Point LastCursor() const { return m_lastCursor; }
    Color LastColor() const { return m_lastColor; }

private:
    Point m_lastCursor;
    Color m_lastColor = 0xFFFFFFFF;
    std::optional<ReadoutTexts> m_texts;  // none before the first tick
};
