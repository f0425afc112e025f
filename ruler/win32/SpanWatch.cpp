// The spans between the edges under the cursor, read from the screen's row and column through it.
#include "ruler/win32/SpanWatch.h"

void CSpanWatch::Configure(bool on, bool across, bool down, int tolerance) {
    m_stale |= on != m_on || across != m_across || down != m_down || tolerance != m_tolerance;
    m_on = on, m_across = across, m_down = down, m_tolerance = tolerance;
}

bool CSpanWatch::Update(Point cursor, bool due, const Rect& window, const std::vector<MonitorArea>& monitors,
                        const CDC& screen) {
    if (!due && !m_stale && window == m_window) return false;
    m_stale = false;
    m_window = window;
    const Rect monitor = MonitorAt(cursor, monitors);
    const PixelRun x = m_on && m_across ? Measure(true, cursor, window, monitor, screen) : PixelRun{};
    const PixelRun y = m_on && m_down ? Measure(false, cursor, window, monitor, screen) : PixelRun{};
    const bool changed = x != m_x || y != m_y;
    m_x = x, m_y = y;
    return changed;
}

PixelRun CSpanWatch::Measure(bool across, Point cursor, const Rect& window, const Rect& monitor, const CDC& screen) {
    const int at = across ? cursor.x : cursor.y;
    const bool onLine = across ? window.top <= cursor.y && cursor.y < window.bottom
                               : window.left <= cursor.x && cursor.x < window.right;
    const PixelRun ruler = !onLine  ? PixelRun{}
                           : across ? PixelRun{window.left, window.right}
                                    : PixelRun{window.top, window.bottom};
    const PixelRun reach =
        Reach(at, across ? PixelRun{monitor.left, monitor.right} : PixelRun{monitor.top, monitor.bottom}, ruler);
    if (reach.IsEmpty() || window.Contains(cursor)) return {};  // over the ruler itself: no span
    CScreenCapture& line = across ? m_row : m_column;
    const Rect source = across ? Rect{reach.begin, cursor.y, reach.end, cursor.y + 1}
                               : Rect{cursor.x, reach.begin, cursor.x + 1, reach.end};
    if (!line.Grab(source, screen)) return {};
    const PixelRun run = RunAround(line.Pixels(), reach.Length(), at - reach.begin, m_tolerance);
    return {reach.begin + run.begin, reach.begin + run.end};
}
