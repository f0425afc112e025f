// Whether the magnifier's picture changed since the last tick.
#include "ruler/magnifier/MagnifierWatch.h"

#include <algorithm>

bool MagnifierWatch::NoteCopy(const Rect& source, const Rect& dest, const std::uint32_t* pixels, std::size_t count) {
    const bool same = m_copied && source == m_source && dest == m_dest && count == m_pixels.size() &&
                      std::equal(pixels, pixels + count, m_pixels.begin());
    if (same) return false;
    m_seen = m_copied = true;
    m_source = source;
    m_dest = dest;
    m_pixels.assign(pixels, pixels + count);
    return true;
}

bool MagnifierWatch::NoteFailure(const Rect& source, const Rect& dest) {
    const bool moved = !m_seen || source != m_source || dest != m_dest;
    m_seen = true;
    m_copied = false;
    m_source = source;
    m_dest = dest;
    m_pixels.clear();
    return moved;
}
