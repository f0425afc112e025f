#include "ruler/PaneLayout.h"

#include <cstdint>

namespace {

int Shifted(int coordinate, int offset) { return ClampToInt(std::int64_t{coordinate} + offset); }

std::int64_t WidthOf(const Rect& r) { return std::int64_t{r.right} - r.left; }
std::int64_t HeightOf(const Rect& r) { return std::int64_t{r.bottom} - r.top; }

// The position, colour and magnifier panes need a ruler more than 83 pixels high.
bool IsTall(const Rect& client) { return HeightOf(client) > 83; }

// The magnifier pane and its slider share one rule.
bool ShowsMagnifier(const Rect& client) { return IsTall(client) && WidthOf(client) >= 200; }

}  // namespace

Rect PositionPaneRect(const Rect& client) {
    if (!IsTall(client) || WidthOf(client) < 100) return {};
    return {Shifted(client.left, 38), Shifted(client.top, 28), Shifted(client.left, 83),
            Shifted(client.top, 81)};
}

Rect DistancePaneRect(const Rect& client) {
    if (HeightOf(client) >= WidthOf(client)) return {};
    return {Shifted(client.left, 45), Shifted(client.top, 14), Shifted(client.left, 85),
            Shifted(client.top, 34)};
}

Rect ColorPaneRect(const Rect& client) {
    if (!IsTall(client) || WidthOf(client) < 150) return {};
    return {Shifted(client.left, 83), Shifted(client.top, 28), Shifted(client.left, 168),
            Shifted(client.top, 61)};
}

// From 200 to 208 pixels wide the rule holds but the rectangle has no area yet.
Rect MagnifierPaneRect(const Rect& client) {
    if (!ShowsMagnifier(client)) return {};
    return {Shifted(client.left, 170), Shifted(client.top, 28), Shifted(client.right, -38),
            Shifted(client.bottom, -28)};
}

// The magnifier pane moved 35 pixels left, its top lowered by 30, 30 wide; for a ruler
// 84 to 86 pixels high it has no area.
Rect MagnifierSliderRect(const Rect& client) {
    if (!ShowsMagnifier(client)) return {};
    const Rect pane = MagnifierPaneRect(client);
    const int left = Shifted(pane.left, -35);
    return {left, Shifted(pane.top, 30), Shifted(left, 30), pane.bottom};
}

Point CloseButtonOrigin(int windowWidth, int buttonWidth) {
    return {ClampToInt(std::int64_t{windowWidth} - buttonWidth - 5), 5};
}
