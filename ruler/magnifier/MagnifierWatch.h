// Whether the magnifier's picture changed since the last tick.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/Geometry.h"

// Tells whether the magnifier's picture changed since the last tick, so that a ruler at rest
// repaints nothing: it changed when the source rectangle or the destination (another factor,
// pane or cursor position) differs, or any captured pixel does.
class MagnifierWatch {
public:
    // Notes a tick's copy of `source` for `dest`: `count` pixels, row by row. True, to
    // repaint, on the first copy and whenever anything differs from the tick before.
    bool NoteCopy(const Rect& source, const Rect& dest, const std::uint32_t* pixels, std::size_t count);
    // Notes a tick whose copy failed (the screen is locked, say): the paint reads the screen
    // itself, so the picture is repainted only when the source or the destination changed; the
    // next copy that works repaints in any case.
    bool NoteFailure(const Rect& source, const Rect& dest);

private:
    bool m_seen = false;    // a source and destination are known
    bool m_copied = false;  // and m_pixels holds their copy
    Rect m_source;
    Rect m_dest;
    std::vector<std::uint32_t> m_pixels;
};
