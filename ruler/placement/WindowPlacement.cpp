// Where the ruler starts, and how far the arrow keys may take it.
#include "ruler/placement/WindowPlacement.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "base/DpiScale.h"

namespace {

std::int64_t Width(const Rect& r) { return std::int64_t{r.right} - r.left; }
std::int64_t Height(const Rect& r) { return std::int64_t{r.bottom} - r.top; }

// What must stay on the work areas of a ruler at `dpi`.
Point Piece(int dpi) { return {Scaled(40, dpi), Scaled(20, dpi)}; }

// Whether the work areas together cover `spot`: each cell between their edges within it lies
// in one of them.
bool Covered(const Rect& spot, const std::vector<Rect>& areas) {
    std::vector<int> xs{spot.left, spot.right}, ys{spot.top, spot.bottom};
    for (const Rect& a : areas) {
        for (const int x : {a.left, a.right})
            if (spot.left < x && x < spot.right) xs.push_back(x);
        for (const int y : {a.top, a.bottom})
            if (spot.top < y && y < spot.bottom) ys.push_back(y);
    }
    for (auto* edges : {&xs, &ys}) {
        std::sort(edges->begin(), edges->end());
        edges->erase(std::unique(edges->begin(), edges->end()), edges->end());
    }
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
            const Rect cell{xs[i], ys[j], xs[i + 1], ys[j + 1]};
            if (std::none_of(areas.begin(), areas.end(), [&](const Rect& a) { return a.Contains(cell); })) return false;
        }
    }
    return true;
}

// Whether a piece of `window` lies wholly on the work areas. A piece that does still does
// when pushed left and then up until the window's edge or a work area's edge stops it, so
// only those places are tried.
bool ShowsPiece(const Rect& window, const std::vector<Rect>& areas, Point piece) {
    std::vector<int> lefts{window.left}, tops{window.top};
    for (const Rect& a : areas) {
        lefts.push_back(a.left);
        tops.push_back(a.top);
    }
    for (const int x : lefts) {
        for (const int y : tops) {
            const bool inside = x >= window.left && y >= window.top && std::int64_t{x} + piece.x <= window.right &&
                                std::int64_t{y} + piece.y <= window.bottom;
            if (inside && Covered({x, y, x + piece.x, y + piece.y}, areas)) return true;
        }
    }
    return false;
}

// How much of a ruler that lacks its piece the work areas show.
double ShownArea(const Rect& window, const std::vector<Rect>& areas) {
    double shown = 0;
    for (const Rect& a : areas) {
        const std::int64_t width = std::int64_t{std::min(window.right, a.right)} - std::max(window.left, a.left);
        const std::int64_t height = std::int64_t{std::min(window.bottom, a.bottom)} - std::max(window.top, a.top);
        if (width > 0 && height > 0) shown += static_cast<double>(width) * static_cast<double>(height);
    }
    return shown;
}

// `after` taken back `taken` pixels towards `before`: each edge by that much at most, so
// never past where it was.
Rect TakenBack(const Rect& before, const Rect& after, std::int64_t taken) {
    const auto edge = [taken](int was, int is) {
        return ClampToInt(is - std::clamp(std::int64_t{is} - was, -taken, taken));
    };
    return {edge(before.left, after.left), edge(before.top, after.top), edge(before.right, after.right),
            edge(before.bottom, after.bottom)};
}

// The farthest any edge moved.
std::int64_t Way(const Rect& before, const Rect& after) {
    const auto moved = [](int was, int is) { return std::abs(std::int64_t{is} - was); };
    return std::max({moved(before.left, after.left), moved(before.top, after.top), moved(before.right, after.right),
                     moved(before.bottom, after.bottom)});
}

// The size of `window` (made at `fromDpi`) at `dpi`, at least the ruler's smallest size
// there; a turned ruler (higher than wide) takes that size turned as well.
Point HeldSize(const Rect& window, int fromDpi, int dpi) {
    const int width = Rescaled(ClampToInt(Width(window)), fromDpi, dpi);
    const int height = Rescaled(ClampToInt(Height(window)), fromDpi, dpi);
    const Point minimum = MinimumTrackSize(dpi);
    const bool turned = height > width;
    return {std::max(width, turned ? minimum.y : minimum.x), std::max(height, turned ? minimum.x : minimum.y)};
}

// `size` no larger than `area`; an area without size (none known) limits nothing.
Point CutTo(Point size, const Rect& area) {
    const auto cut = [](int length, std::int64_t room) {
        return room > 0 ? static_cast<int>(std::min<std::int64_t>(length, room)) : length;
    };
    return {cut(size.x, Width(area)), cut(size.y, Height(area))};
}

Rect At(std::int64_t left, std::int64_t top, Point size) {
    return {ClampToInt(left), ClampToInt(top), ClampToInt(left + size.x), ClampToInt(top + size.y)};
}

// `after`, grown from `before` by its right or bottom edge, no farther than the far edge of the
// work areas beside the ruler, as dragging an edge stops at the edge of the screen.
Rect GrownWithin(const Rect& before, Rect after, const std::vector<Rect>& areas) {
    int right = before.right, bottom = before.bottom;  // the farthest edges of the areas beside and below
    for (const Rect& a : areas) {
        if (a.top < before.bottom && before.top < a.bottom) right = std::max(right, a.right);
        if (a.left < before.right && before.left < a.right) bottom = std::max(bottom, a.bottom);
    }
    if (after.left == before.left && after.right > before.right) after.right = std::min(after.right, right);
    if (after.top == before.top && after.bottom > before.bottom) after.bottom = std::min(after.bottom, bottom);
    return after;
}

}  // namespace

Point MinimumTrackSize(int dpi) { return {Scaled(45, dpi), Scaled(40, dpi)}; }

Rect RestoredWindowRect(const StoredPlacement& stored, const PlacementScreen& screen) {
    const Point size = CutTo(HeldSize(stored.window, stored.dpi, screen.targetDpi), screen.virtualScreen);
    const Rect kept = At(stored.window.left, stored.window.top, size);
    std::vector<Rect> workAreas;
    for (const MonitorArea& monitor : screen.monitors) workAreas.push_back(monitor.work);
    if (ShowsPiece(kept, workAreas, Piece(screen.targetDpi))) return kept;

    const Rect& work = screen.primary.work;
    const Point centred = CutTo(HeldSize(stored.window, stored.dpi, screen.primary.dpi), work);
    return At(work.left + (Width(work) - centred.x) / 2, work.top + (Height(work) - centred.y) / 2, centred);
}

Rect LimitedNudge(const Rect& before, const Rect& proposed, const std::vector<Rect>& workAreas, int dpi) {
    const Rect after = GrownWithin(before, proposed, workAreas);
    const Point piece = Piece(dpi);
    if (ShowsPiece(after, workAreas, piece)) return after;
    // Without work areas nothing is shown either way, and every key goes through.
    if (!ShowsPiece(before, workAreas, piece))
        return ShownArea(after, workAreas) >= ShownArea(before, workAreas) ? after : before;
    // The least taking back that shows the piece: `lost` pixels are too few, `kept` enough.
    std::int64_t lost = 0, kept = Way(before, after);
    while (kept - lost > 1) {
        const std::int64_t middle = lost + (kept - lost) / 2;
        (ShowsPiece(TakenBack(before, after, middle), workAreas, piece) ? kept : lost) = middle;
    }
    return TakenBack(before, after, kept);
}
