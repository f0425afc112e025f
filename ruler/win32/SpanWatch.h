// The spans between the edges under the cursor, read from the screen's row and column through it.
#pragma once
#include <vector>

#include "base/Monitors.h"
#include "platform/gdi/DC.h"
#include "ruler/spans/EdgeSearch.h"
#include "ruler/win32/ScreenCapture.h"

// The span across the screen and the one down it through the cursor: each read from the row or
// the column through it on the monitor under it, no farther than the ruler's window, and only
// when something may have changed it, never on a still screen.
class CSpanWatch {
public:
    // What to measure: nothing unless `on`; across the screen (`across`) and down it (`down`),
    // with neighbouring pixels' channels differing by no more than `tolerance` within a span.
    void Configure(bool on, bool across, bool down, int tolerance);
    bool IsOn() const { return m_on; }
    // Measures anew when `due` (the cursor moved or the screen under it changed), when the
    // ruler's `window` moved or what to measure changed; true when the spans changed.
    bool Update(Point cursor, bool due, const Rect& window, const std::vector<MonitorArea>& monitors,
                const CDC& screen);
    const PixelRun& X() const { return m_x; }
    const PixelRun& Y() const { return m_y; }

private:
    PixelRun Measure(bool across, Point cursor, const Rect& window, const Rect& monitor, const CDC& screen);

    bool m_on = false, m_across = false, m_down = false;
    int m_tolerance = 0;
    bool m_stale = true;  // what to measure changed since the last measure
    Rect m_window;
    PixelRun m_x, m_y;
    CScreenCapture m_row, m_column;
};
