#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ruler/Geometry.h"

// Tells whether the magnifier's picture changed since the last tick, so that a ruler at rest
// repaints nothing: it changed when the source rectangle or the destination (another factor,
// pane or cursor position) differs, or any captured pixel does.
class MagnifierWatch {
public:
    // The capture of `source` for `dest`: `count` pixels, row by row. True on the first call
    // and whenever anything differs from the call before.
    bool Changed(const Rect& source, const Rect& dest, const std::uint32_t* pixels, std::size_t count);

private:
    bool m_seen = false;
    Rect m_source;
    Rect m_dest;
    std::vector<std::uint32_t> m_pixels;
};
