// Finding the run of pixels between two edges along a line of the screen.
#include "ruler/spans/EdgeSearch.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Whether two neighbouring pixels belong to one run: no channel differs by more than `tolerance`.
bool Alike(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFFu) - static_cast<int>((b >> shift) & 0xFFu)) > tolerance)
            return false;
    }
    return true;
}

}  // namespace

PixelRun RunAround(const std::uint32_t* line, int length, int at, int tolerance) {
    if (!line || at < 0 || at >= length) return {};
    int begin = at, end = at + 1;
    while (begin > 0 && Alike(line[begin - 1], line[begin], tolerance)) --begin;
    while (end < length && Alike(line[end - 1], line[end], tolerance)) ++end;
    return {begin, end};
}

PixelRun Reach(int at, const PixelRun& monitor, const PixelRun& window) {
    if (!monitor.Contains(at) || window.Contains(at)) return {};
    PixelRun reach = monitor;
    if (!window.IsEmpty() && window.begin > at) reach.end = std::min(reach.end, window.begin);
    if (!window.IsEmpty() && window.end <= at) reach.begin = std::max(reach.begin, window.end);
    return reach;
}
