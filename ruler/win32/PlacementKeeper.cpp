// Restoring, storing and nudging the ruler's place.
#include "ruler/win32/PlacementKeeper.h"

#include <algorithm>

#include "platform/system/Display.h"
#include "ruler/placement/WindowPlacement.h"

namespace {

bool AnyArrowKeyDown() {
    for (const int key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}) {
        if (::GetKeyState(key) < 0) return true;
    }
    return false;
}

std::vector<Rect> WorkAreas(const std::vector<MonitorArea>& monitors) {
    std::vector<Rect> areas;
    for (const MonitorArea& monitor : monitors) areas.push_back(monitor.work);
    return areas;
}

}  // namespace

// The fonts don't always grow as the resolution does (a bitmap font has few sizes), so a ruler
// made from its template can come out lower than it may be dragged.
bool CPlacementKeeper::Restore(CWnd& window, int dpi, const std::vector<MonitorArea>& monitors) {
    const Rect made = window.GetWindowRect();
    const Point minimum = MinimumTrackSize(dpi);
    window.MoveWindow({made.left, made.top, made.left + std::max(made.Width(), minimum.x),
                       made.top + std::max(made.Height(), minimum.y)});

    m_stored = m_store.LoadPlacement();
    if (!m_stored) return false;
    const PlacementScreen screen{monitors, monitors.front(), DpiForRect(m_stored->window), VirtualScreen()};
    m_restoring = true;
    window.MoveWindow(RestoredWindowRect(*m_stored, screen));
    m_restoring = false;
    return true;
}

void CPlacementKeeper::Save(const CWnd& window, int dpi) {
    const StoredPlacement now{window.GetWindowRect(), dpi};
    m_nudged = false;
    if (window.IsIconic() || now == m_stored) return;
    m_store.SavePlacement(now);
    m_stored = now;
}

void CPlacementKeeper::Nudge(CWnd& window, NudgeKey key, bool shift, bool ctrl, int dpi,
                             const std::vector<MonitorArea>& monitors) {
    const Rect before = window.GetWindowRect();
    const Rect proposed = NudgedWindowRect(before, key, shift, ctrl, MinimumTrackSize(dpi));
    window.MoveWindow(LimitedNudge(before, proposed, WorkAreas(monitors), dpi));
    m_nudged = true;
}

void CPlacementKeeper::MoveZeroTo(CWnd& window, Point mouse, int dpi, const std::vector<MonitorArea>& monitors) {
    const Rect before = window.GetWindowRect();
    window.MoveWindow(LimitedNudge(before, ZeroedWindowRect(before, mouse), WorkAreas(monitors), dpi));
    Save(window, dpi);
}

void CPlacementKeeper::OnKeyUp(const CWnd& window, int dpi) {
    if (m_nudged && !AnyArrowKeyDown()) Save(window, dpi);
}

void CPlacementKeeper::OnKeyboardGone(const CWnd& window, int dpi) {
    if (m_nudged) Save(window, dpi);
}
