// Where the readouts, the magnifier and the controls go on a ruler of any size.
#include "ruler/layout/PaneLayout.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/DpiScale.h"
#include "ruler/readouts/ReadoutText.h"

namespace {

constexpr int kFiveDigits = 99999;
constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// The width of `text` with each character of `alphabet` in it replaced by the alphabet's
// widest: the widest text of that shape.
int WidestWidth(const TextMeasure& measure, std::string text, std::string_view alphabet) {
    char widest = alphabet.front();
    for (const char c : alphabet) {
        if (measure.TextWidth({&c, 1}) > measure.TextWidth({&widest, 1})) widest = c;
    }
    for (char& c : text) {
        if (alphabet.find(c) != std::string_view::npos) c = widest;
    }
    return measure.TextWidth(text);
}

int Clamped(std::int64_t value) { return ClampToInt(value); }

// The box around `lines` lines of text `width` wide whose first line starts at `text`.
TextBox Framed(Point text, int width, std::size_t lines, const PaneLayout& layout, int lineHeight) {
    const std::int64_t height = std::int64_t{layout.lineSpacing} * (std::max<std::size_t>(lines, 1) - 1) + lineHeight;
    const int inset = layout.boxInset;
    return {{Clamped(std::int64_t{text.x} - inset), Clamped(std::int64_t{text.y} - inset),
             Clamped(std::int64_t{text.x} + width + inset), Clamped(text.y + height + inset)},
            text};
}

bool Inside(const Rect& box, const Rect& client) { return !box.IsEmpty() && client.Contains(box); }

TextBox ShownInside(const TextBox& box, const Rect& client) { return Inside(box.box, client) ? box : TextBox{}; }

Point Offset(Point p, int dx, int dy) { return {Clamped(std::int64_t{p.x} + dx), Clamped(std::int64_t{p.y} + dy)}; }

// The distance box at its place, right of the zero edge in the top band; a turned ruler too
// narrow for it gets a box as wide as its text, centred across it below the top edge.
void PlaceDistance(PaneLayout& layout, const Rect& client, const ReadoutWidths& widths, bool turned) {
    const Point at = Offset({client.left, client.top}, Scaled(45, layout.dpi), Scaled(14, layout.dpi));
    const TextBox placed = Framed(at, widths.distance, 1, layout, widths.lineHeight);
    if (Inside(placed.box, client)) {
        layout.distance = placed;
        return;
    }
    if (!turned) return;
    const Point below = Offset({client.left, client.top}, 0, Scaled(45, layout.dpi));
    const TextBox room = Framed(below, 0, 1, layout, widths.lineHeight);
    layout.distance = {{client.left, room.box.top, client.right, room.box.bottom}, below};
    layout.distanceFitted = true;
}

// Position, colour and magnifier, left to right below the distance box.
void PlaceTallPanes(PaneLayout& layout, const Rect& client, const ReadoutWidths& widths) {
    const int dpi = layout.dpi;
    const int gap = Scaled(4, dpi);
    // Below the distance box's row, with the room between readouts to spare.
    const int rowTop = Scaled(14, dpi) + widths.lineHeight + layout.boxInset + Scaled(3, dpi);
    const Point arrows = Offset({client.left, client.top}, Scaled(38, dpi), rowTop + layout.boxInset);
    const int indent = Scaled(18, dpi);  // the arrows' column
    layout.positionLines = Offset(arrows, indent, 0);
    layout.position =
        ShownInside(Framed(arrows, indent + widths.position, widths.positionLines, layout, widths.lineHeight), client);
    if (layout.position.box.IsEmpty()) return;

    const Point colorText = Offset({layout.position.box.right, arrows.y}, gap + layout.boxInset, 0);
    const int swatchLeft = Clamped(std::int64_t{colorText.x} + widths.color + gap);
    const int textWidth = Clamped(std::int64_t{swatchLeft} + Scaled(20, dpi) - colorText.x);
    layout.color = ShownInside(Framed(colorText, textWidth, 2, layout, widths.lineHeight), client);
    if (layout.color.box.IsEmpty()) return;
    layout.swatch = {swatchLeft, colorText.y, swatchLeft + Scaled(20, dpi), layout.color.box.bottom - layout.boxInset};
    if (client.Height() >= Scaled(100, dpi))
        layout.colorWithContrast = ShownInside(Framed(colorText, textWidth, 3, layout, widths.lineHeight), client);

    const int sliderLeft = Clamped(std::int64_t{layout.color.box.right} + gap);
    const Rect pane{sliderLeft + Scaled(35, dpi), client.top + Scaled(28, dpi),
                    Clamped(std::int64_t{client.right} - Scaled(38, dpi)),
                    Clamped(std::int64_t{client.bottom} - Scaled(28, dpi))};
    if (pane.IsEmpty()) return;
    layout.magnifier = pane;
    // Its top lies 30 pixels below the pane's: a ruler 84 to 86 pixels high has none.
    const Rect slider{sliderLeft, pane.top + Scaled(30, dpi), sliderLeft + Scaled(30, dpi), pane.bottom};
    if (!slider.IsEmpty()) layout.magnifierSlider = slider;
}

}  // namespace

ReadoutWidths MeasureReadouts(const TextMeasure& measure, const UnitOfMeasure& unit) {
    ReadoutWidths widths;
    widths.distance = WidestWidth(measure, WithUnit(DistanceText(-kFiveDigits, unit), UnitSuffix(unit.unit)), kDigits);
    const auto lines = PositionLines({-kFiveDigits, -kFiveDigits}, {0, 0}, unit);
    for (std::size_t i = 0; i < lines.size(); ++i)
        widths.position =
            std::max(widths.position, WidestWidth(measure, WithUnit(lines[i], PositionSuffix(unit.unit, i)), kDigits));
    widths.positionLines = lines.size();
    const auto color = ColorLines(0);
    widths.color = std::max(WidestWidth(measure, color[0], kDigits), WidestWidth(measure, color[1], kHexDigits));
    widths.lineHeight = measure.TextHeight();
    return widths;
}

PaneLayout LayoutPanes(const Rect& client, int dpi, const ReadoutWidths& widths) {
    PaneLayout layout;
    layout.dpi = dpi;
    layout.lineSpacing = std::max(Scaled(15, dpi), widths.lineHeight + 1);
    layout.boxInset = 1 + Scaled(1, dpi);
    const std::int64_t width = std::int64_t{client.right} - client.left;
    const std::int64_t height = std::int64_t{client.bottom} - client.top;
    if (width != height) PlaceDistance(layout, client, widths, height > width);
    // The tall panes need a ruler more than 83 pixels high.
    if (height > Scaled(83, dpi)) PlaceTallPanes(layout, client, widths);
    return layout;
}

Rect AlphaSliderRect(int dpi) { return {Scaled(10, dpi), Scaled(10, dpi), Scaled(80, dpi), Scaled(25, dpi)}; }

Point CloseButtonOrigin(int windowWidth, int buttonWidth, int dpi) {
    const int inset = Scaled(5, dpi);
    return {ClampToInt(std::int64_t{windowWidth} - buttonWidth - inset), inset};
}

Rect PaneLayout::MagnifierInterior() const {
    const int inset = Scaled(2, dpi);
    return magnifier.IsEmpty() ? Rect{} : magnifier.Inflated(-inset, -inset);
}

TextBox DistanceBox(const PaneLayout& layout, int width) {
    if (!layout.distanceFitted) return layout.distance;
    const Rect& room = layout.distance.box;
    const std::int64_t boxWidth = std::int64_t{width} + 2 * layout.boxInset;
    if (boxWidth > std::int64_t{room.right} - room.left) return {};
    const int left = Clamped(room.left + (std::int64_t{room.right} - room.left - boxWidth) / 2);
    return {{left, room.top, Clamped(left + boxWidth), room.bottom}, {left + layout.boxInset, layout.distance.text.y}};
}
