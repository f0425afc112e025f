// Finding the monitor under a point.
#include "base/Monitors.h"

#include <cstdint>

namespace {

// How far `value` lies outside [first, last).
std::int64_t Outside(int value, int first, int last) {
    if (value < first) return std::int64_t{first} - value;
    if (value >= last) return std::int64_t{value} - last + 1;
    return 0;
}

std::int64_t SquaredDistance(Point p, const Rect& r) {
    const std::int64_t dx = Outside(p.x, r.left, r.right);
    const std::int64_t dy = Outside(p.y, r.top, r.bottom);
    return dx * dx + dy * dy;
}

}  // namespace

Rect MonitorAt(Point point, const std::vector<MonitorArea>& monitors) {
    const Rect* nearest = nullptr;
    for (const MonitorArea& area : monitors) {
        if (!nearest || SquaredDistance(point, area.monitor) < SquaredDistance(point, *nearest))
            nearest = &area.monitor;
    }
    return nearest ? *nearest : Rect{};
}
