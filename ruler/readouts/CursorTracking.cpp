// Which readouts a tick repaints.
#include "ruler/readouts/CursorTracking.h"

bool CursorTracker::OnCursor(std::optional<Point> cursor) {
    if (!cursor || *cursor == m_lastCursor) return false;
    m_lastCursor = *cursor;
    return true;
}

std::vector<Rect> CursorTracker::OnTexts(const ReadoutTexts& texts, const PaneLayout& layout) {
    std::vector<Rect> changed;
    const auto repaint = [&](bool differs, const Rect& box) {
        if ((!m_texts || differs) && !box.IsEmpty()) changed.push_back(box);
    };
    repaint(m_texts && m_texts->distance != texts.distance, layout.distance.box);
    repaint(m_texts && m_texts->position != texts.position, layout.position.box);
    // The colour box grown by the contrast's line: the line comes and goes with the reference.
    const Rect& color = layout.colorWithContrast.box.IsEmpty() ? layout.color.box : layout.colorWithContrast.box;
    repaint(m_texts && (m_texts->color != texts.color || m_texts->contrast != texts.contrast), color);
    m_texts = texts;
    return changed;
}
