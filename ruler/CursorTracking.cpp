#include "ruler/CursorTracking.h"

#include "ruler/PaneLayout.h"

namespace {

constexpr int kInteriorInset = 2;

}  // namespace

Rect MagnifierInterior(const Rect& client) {
    return MagnifierPaneRect(client).Inflated(-kInteriorInset, -kInteriorInset);
}

CursorTick CursorTracker::OnSample(std::optional<Point> cursor, const Rect& client) {
    CursorTick tick;
    tick.magnifier = {MagnifierInterior(client), false};
    if (cursor && *cursor != m_lastCursor) {
        m_lastCursor = *cursor;
        tick.panes = {{PositionPaneRect(client), true}, {DistancePaneRect(client), true}};
        tick.sampleColor = true;
    }
    return tick;
}

std::optional<Invalidation> CursorTracker::OnColor(Color sampled, const Rect& client) {
    if (sampled == m_lastColor) {
        return std::nullopt;
    }
    m_lastColor = sampled;
    return Invalidation{ColorPaneRect(client), true};
}
