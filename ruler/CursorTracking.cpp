#include "ruler/CursorTracking.h"

#include "ruler/DpiScale.h"
#include "ruler/RulerLayout.h"

namespace {

constexpr int kInteriorInset = 2;

}  // namespace

Rect MagnifierInterior(const Rect& client, int dpi) {
    const int inset = Scaled(kInteriorInset, dpi);
    return MagnifierPaneRect(client, dpi).Inflated(-inset, -inset);
}

CursorTick CursorTracker::OnSample(std::optional<Point> cursor, const Rect& client, int dpi) {
    CursorTick tick;
    tick.magnifier = {MagnifierInterior(client, dpi), false};
    if (cursor && *cursor != m_lastCursor) {
        m_lastCursor = *cursor;
        tick.panes = {{PositionPaneRect(client, dpi), true}, {DistancePaneRect(client, dpi), true}};
        tick.sampleColor = true;
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
