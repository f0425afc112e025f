#include "ruler/CursorTracking.h"

#include "ruler/ReadoutText.h"
#include "ruler/RulerLayout.h"

CursorTick CursorTracker::OnSample(std::optional<Point> cursor, const ReadoutContext& context) {
    CursorTick tick;
    if (cursor && *cursor != m_lastCursor) {
        m_lastCursor = *cursor;
        tick.sampleColor = true;
    } else if (m_lastContext == context) {
        return tick;  // at rest: nothing to format or compare
    }
    m_lastContext = context;
    auto position = PositionLines(m_lastCursor, context.windowOrigin, context.unit, context.dpi);
    if (position != m_positionLines) {
        m_positionLines = std::move(position);
        tick.panes.push_back({PositionPaneRect(context.client, context.dpi), true});
    }
    auto distance = DistanceText(m_lastCursor, context.windowOrigin, context.unit, context.dpi);
    if (distance != m_distance) {
        m_distance = std::move(distance);
        tick.panes.push_back({DistancePaneRect(context.client, context.dpi), true});
    }
    return tick;
}

std::optional<Invalidation> CursorTracker::OnColor(Color sampled, const Rect& client, int dpi) {
    if (sampled == m_lastColor) {
        return std::nullopt;
    }
    m_lastColor = sampled;
    return Invalidation{ColorPaneRect(client, dpi), true};
}
