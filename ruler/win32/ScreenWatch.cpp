// Reading the cursor and the screen on every tick.
#include "ruler/win32/ScreenWatch.h"

#include "platform/gdi/DC.h"

void CScreenWatch::Arrange(const Rect& pane, int factor, const std::vector<MonitorArea>& monitors, int dpi) {
    m_pane = pane;
    m_factor = factor;
    m_monitors = monitors;
    m_dpi = dpi;
    PlacePicture();
}

void CScreenWatch::PlacePicture() {
    const Point cursor = m_magnifier.Cursor(m_tracker.LastCursor());
    m_geometry = m_pane.IsEmpty()
                     ? MagnifierGeometry{}
                     : MagnifierGeometryFor(m_pane, m_factor, cursor, MonitorAt(cursor, m_monitors), m_dpi);
}

bool CScreenWatch::Tick(Point origin, bool colorShown) {
    POINT position{};
    const bool moved =
        m_tracker.OnCursor(::GetCursorPos(&position) ? std::optional<Point>(FromPOINT(position)) : std::nullopt);
    PlacePicture();
    bool repaint = m_magnifier.Tick(m_geometry, CScreenDC());
    const Point cursor = m_tracker.LastCursor();
    if (m_magnifier.IsHeld()) {
        repaint |= m_magnifier.Pick(m_geometry, {cursor.x - origin.x, cursor.y - origin.y});
    } else if (const auto copied = m_magnifier.ColorAt(cursor)) {
        m_tracker.OnColor(*copied);  // the magnifier's copy holds the pixel: no screen read
    } else if (moved || colorShown) {
        m_tracker.OnColor(ColorUnderCursor());
    }
    return repaint;
}

ReadoutSubject CScreenWatch::Subject(Point origin) const {
    return m_magnifier.Subject({m_tracker.LastCursor(), origin, m_tracker.LastColor()});
}

Color CScreenWatch::ColorNow(Point origin) {
    if (m_magnifier.IsHeld()) return Subject(origin).color;
    Tick(origin, false);
    return ColorUnderCursor();
}

void CScreenWatch::ToggleHold(Point origin) {
    if (m_magnifier.IsHeld()) {
        m_magnifier.Release();
        return;
    }
    Tick(origin, false);
    m_magnifier.Hold(Subject(origin));
}

Color CScreenWatch::ColorUnderCursor() const {
    const Point at = m_tracker.LastCursor();
    return ::GetPixel(CScreenDC().GetSafeHdc(), at.x, at.y);
}
