// The magnifier's copy of the screen, and what Space holds.
#include "ruler/win32/Magnifier.h"

bool CMagnifier::Tick(const MagnifierGeometry& geometry, const CDC& screen) {
    if (!geometry.Copies()) return false;
    // Held, the copy stays: only another factor, size or place repaints.
    if (!m_hold && !m_capture.Grab(geometry.source, screen)) return m_watch.NoteFailure(geometry.source, geometry.dest);
    return m_watch.NoteCopy(geometry.source, geometry.dest, m_capture.Pixels(), m_capture.PixelCount());
}

bool CMagnifier::Pick(const MagnifierGeometry& geometry, Point mouse) {
    if (!m_hold) return false;
    std::optional<Point> pixel = SourcePixelAt(geometry, mouse);
    if (pixel && !m_capture.ColorAt(*pixel)) pixel.reset();  // beyond the held copy
    const Rect block = pixel ? BlockOf(geometry, *pixel) : Rect{};
    const bool changed = pixel != m_hold->picked || block != m_hold->pickedBlock;
    m_hold->picked = pixel;
    m_hold->pickedBlock = block;
    return changed;
}

ReadoutSubject CMagnifier::Subject(const ReadoutSubject& live) const {
    if (!m_hold) return live;
    if (!m_hold->picked) return m_hold->subject;
    ReadoutSubject picked = m_hold->subject;  // with the held spans
    picked.cursor = *m_hold->picked;
    picked.color = m_capture.ColorAt(*m_hold->picked).value_or(m_hold->subject.color);
    return picked;
}
