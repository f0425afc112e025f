// The cursors of the ruler's zones.
#pragma once
#include "platform/system/Win32.h"
#include "ruler/input/HitTest.h"

// The cursors the ruler's zones show: the system's size cursors on its edges and corners, its
// own reading cursors over its scale bands, and none elsewhere, where the system decides.
class CZoneCursors {
public:
    CZoneCursors() = default;
    ~CZoneCursors() { Release(); }
    CZoneCursors(const CZoneCursors&) = delete;
    CZoneCursors& operator=(const CZoneCursors&) = delete;

    // Loads the reading cursors in the size drawn for `dpi`, never stretched.
    void Load(int dpi);
    // The cursor for `cursor`; null where the system decides.
    HCURSOR For(ZoneCursor cursor) const;

private:
    void Release();

    HCURSOR m_reading[4] = {};  // top, bottom, left, right band; loaded here, destroyed here
};
