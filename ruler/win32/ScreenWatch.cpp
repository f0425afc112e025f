// Reading the cursor and the screen on every tick.
#include "ruler/win32/ScreenWatch.h"

#include "platform/gdi/DC.h"

void CScreenWatch::Arrange(const PaneLayout& layout, const Rect& client, const RulerSettings& settings,
                           const std::vector<MonitorArea>& monitors, int dpi) {
    m_pane = layout.magnifier;
    m_factor = settings.magnifierFactor;
    m_monitors = monitors;
    m_dpi = dpi;
    PlacePicture();
    const bool turned = client.Height() > client.Width(), both = layout.twoSpans && !layout.position.box.IsEmpty();
    m_spans.Configure(settings.spans, both || !turned, both || turned, settings.edgeTolerance);
}

void CScreenWatch::PlacePicture() {
    const Point cursor = m_magnifier.Cursor(m_tracker.LastCursor());
    m_geometry = m_pane.IsEmpty()
                     ? MagnifierGeometry{}
                     : MagnifierGeometryFor(m_pane, m_factor, cursor, MonitorAt(cursor, m_monitors), m_dpi);
}

CScreenWatch::Changes CScreenWatch::Tick(const Rect& window, bool colorShown) {
    POINT position{};
    const bool moved =
        m_tracker.OnCursor(::GetCursorPos(&position) ? std::optional<Point>(FromPOINT(position)) : std::nullopt);
    PlacePicture();
    const CScreenDC screen;
    Changes changes{m_magnifier.Tick(m_geometry, screen), false};
    const Point cursor = m_tracker.LastCursor();
    if (m_magnifier.IsHeld()) {
        changes.picture |= m_magnifier.Pick(m_geometry, {cursor.x - window.left, cursor.y - window.top});
        return changes;  // the spans are held with the rest
    }
    const Color before = m_tracker.LastColor();
    if (const auto copied = m_magnifier.ColorAt(cursor)) {
        m_tracker.OnColor(*copied);  // the magnifier's copy holds the pixel: no screen read
    } else if (moved || colorShown || m_spans.IsOn()) {
        m_tracker.OnColor(ColorUnderCursor(screen));
    }
    // What may have changed a span: the cursor, the picture around it or the pixel under it.
    const bool due = moved || changes.picture || m_tracker.LastColor() != before;
    changes.spans = m_spans.Update(cursor, due, window, m_monitors, screen);
    return changes;
}

ReadoutSubject CScreenWatch::Subject(Point origin) const {
    return m_magnifier.Subject({m_tracker.LastCursor(), origin, m_tracker.LastColor(), m_spans.X(), m_spans.Y()});
}

Color CScreenWatch::ColorNow(const Rect& window) {
    if (m_magnifier.IsHeld()) return Subject({window.left, window.top}).color;
    Tick(window, false);
    return ColorUnderCursor(CScreenDC());
}

void CScreenWatch::ToggleHold(const Rect& window) {
    if (m_magnifier.IsHeld()) {
        m_magnifier.Release();
        return;
    }
    Tick(window, false);
    m_magnifier.Hold(Subject({window.left, window.top}));
}

Color CScreenWatch::ColorUnderCursor(const CDC& screen) const {
    const Point at = m_tracker.LastCursor();
    return ::GetPixel(screen.GetSafeHdc(), at.x, at.y);
}
