#include "ruler/RulerLayout.h"

#include <cstdint>

#include "ruler/DpiScale.h"

namespace {

int Shifted(int coordinate, int offset) { return ClampToInt(std::int64_t{coordinate} + offset); }

std::int64_t WidthOf(const Rect& r) { return std::int64_t{r.right} - r.left; }
std::int64_t HeightOf(const Rect& r) { return std::int64_t{r.bottom} - r.top; }

// The position, colour and magnifier panes need a ruler more than 83 pixels high.
bool IsTall(const Rect& client, int dpi) { return HeightOf(client) > Scaled(83, dpi); }

// The magnifier pane and its slider share one rule.
bool ShowsMagnifier(const Rect& client, int dpi) {
    return IsTall(client, dpi) && WidthOf(client) >= Scaled(200, dpi);
}

// A pane whose edges lie the given 96-dpi distances right of and below the client's
// top-left corner.
Rect FromTopLeft(const Rect& client, int left, int top, int right, int bottom, int dpi) {
    return {Shifted(client.left, Scaled(left, dpi)), Shifted(client.top, Scaled(top, dpi)),
            Shifted(client.left, Scaled(right, dpi)), Shifted(client.top, Scaled(bottom, dpi))};
}

}  // namespace

Rect PositionPaneRect(const Rect& client, int dpi) {
    if (!IsTall(client, dpi) || WidthOf(client) < Scaled(100, dpi)) return {};
    return FromTopLeft(client, 38, 28, 83, 81, dpi);
}

Rect DistancePaneRect(const Rect& client, int dpi) {
    if (HeightOf(client) >= WidthOf(client)) return {};
    return FromTopLeft(client, 45, 14, 85, 34, dpi);
}

Rect ColorPaneRect(const Rect& client, int dpi) {
    if (!IsTall(client, dpi) || WidthOf(client) < Scaled(150, dpi)) return {};
    return FromTopLeft(client, 83, 28, 168, 61, dpi);
}

// Until the ruler is 208 pixels wide (at 96 dpi) the rule holds but the rectangle has no
// area yet.
Rect MagnifierPaneRect(const Rect& client, int dpi) {
    if (!ShowsMagnifier(client, dpi)) return {};
    return {Shifted(client.left, Scaled(170, dpi)), Shifted(client.top, Scaled(28, dpi)),
            Shifted(client.right, -Scaled(38, dpi)), Shifted(client.bottom, -Scaled(28, dpi))};
}

// The magnifier pane moved 35 pixels left, its top lowered by 30, 30 wide; for a ruler
// 84 to 86 pixels high (at 96 dpi) it has no area.
Rect MagnifierSliderRect(const Rect& client, int dpi) {
    if (!ShowsMagnifier(client, dpi)) return {};
    const Rect pane = MagnifierPaneRect(client, dpi);
    const int left = Shifted(pane.left, -Scaled(35, dpi));
    return {left, Shifted(pane.top, Scaled(30, dpi)), Shifted(left, Scaled(30, dpi)), pane.bottom};
}

Rect MagnifierInterior(const Rect& client, int dpi) {
    const int inset = Scaled(2, dpi);
    return MagnifierPaneRect(client, dpi).Inflated(-inset, -inset);
}

Rect AlphaSliderRect(int dpi) { return FromTopLeft({}, 10, 10, 80, 25, dpi); }

Point CloseButtonOrigin(int windowWidth, int buttonWidth, int dpi) {
    const int inset = Scaled(5, dpi);
    return {ClampToInt(std::int64_t{windowWidth} - buttonWidth - inset), inset};
}

Point MinimumTrackSize(int dpi) { return {Scaled(45, dpi), Scaled(40, dpi)}; }

int DialogFontHeight(int dpi) {
    constexpr int kPointsPerInch = 72;
    return -Rescaled(8, kPointsPerInch, dpi);
}

int SymbolFontHeight(int dpi) { return -Scaled(15, dpi); }

int CloseFaceDpi(int dpi, Point buttonSize) {
    int chosen = kCloseFaceDpis[0];
    for (const int faceDpi : kCloseFaceDpis) {
        const bool fits = Scaled(12, faceDpi) <= buttonSize.x && Scaled(13, faceDpi) <= buttonSize.y;
        if (faceDpi <= dpi && fits) chosen = faceDpi;
    }
    return chosen;
}
