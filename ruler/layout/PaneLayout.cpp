// Where the readouts, the magnifier and the controls go on a ruler of any size.
#include "ruler/layout/PaneLayout.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "base/DpiScale.h"
#include "ruler/readouts/ReadoutText.h"

namespace {

constexpr int kImageInset = 6;  // from the magnifier's frame to its picture, at 96 dpi
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

// The sizes of one ruler's layout at its resolution, for its readouts.
struct Sizes {
    Sizes(int dpi, const ReadoutWidths& widths)
        : margin(Scaled(3, dpi)), gap(Scaled(3, dpi)), distanceLeft(Scaled(43, dpi)), blockLeft(Scaled(36, dpi)),
          indent(Scaled(18, dpi)), colorGap(Scaled(4, dpi)), swatch(Scaled(20, dpi)), slider(Scaled(30, dpi)),
          smallest(Scaled(40, dpi)), comfortable{Scaled(80, dpi), Scaled(50, dpi)}, alpha{Scaled(70, dpi),
                                                                                          widths.lineHeight +
                                                                                              2 * (1 + Scaled(1, dpi))},
          widths(widths) {}
    int margin;         // from the ticks to the parts
    int gap;            // between two parts
    int distanceLeft;   // where the distance box starts, leaving room for the zero edge's number
    int blockLeft;      // where the position box starts
    int indent;         // from the position box's arrows to its lines
    int colorGap;       // from the colour lines to the swatch
    int swatch;         // the swatch's width
    int slider;         // the magnifier slider's width
    int smallest;       // the smallest magnifier and slider shown
    Point comfortable;  // a picture large enough to work with
    Point alpha;        // the transparency slider's size: as high as the distance box
    const ReadoutWidths& widths;
};

// One way to arrange the parts; the first ways are preferred where others show no more.
struct Arrangement {
    bool movedIn;         // the distance and the readouts start at the ticks instead of their usual place
    bool stacked;         // the colour box below the position box, not beside it
    int colorLines;       // 3 with the contrast's line, else 2
    bool magnifierBelow;  // below the readouts, not beside them
    enum { AlphaBesideDistance, AlphaBelowReadouts, AlphaNone } alpha;
};

// A box of `lines` lines of text `width` wide with its top-left corner at `at`; its text starts
// inside the frame and margin.
TextBox Framed(Point at, int width, int lines, const PaneLayout& layout, int lineHeight) {
    const int height = layout.lineSpacing * (std::max(lines, 1) - 1) + lineHeight;
    const int inset = layout.boxInset;
    return {{at.x, at.y, at.x + width + 2 * inset, at.y + height + 2 * inset}, {at.x + inset, at.y + inset}};
}

// Places parts in one arrangement and knows what is shown where.
class Arranger {
public:
    // The room inside the ticks, less the margin; on a ruler too thin for a line's box with the
    // margin above and below it, less what margin there is room for.
    Arranger(const Rect& client, int dpi, const Sizes& sizes, int lineBox) : m_sizes(sizes) {
        const int depth = TickDepth(dpi);
        const int spare = (client.Height() - 2 * depth - lineBox) / 2;
        m_room = client.Inflated(-(depth + sizes.margin), -(depth + std::clamp(spare, 0, sizes.margin)));
    }

    // `part`, when it stands whole in the room apart from the parts placed before; else empty.
    Rect Place(const Rect& part) {
        const bool fits = !part.IsEmpty() && m_room.Contains(part) &&
                          std::none_of(m_placed.begin(), m_placed.end(), [&](const Rect& other) {
                              return part.Inflated(m_sizes.gap, m_sizes.gap).Intersects(other);
                          });
        if (!fits) return {};
        m_placed.push_back(part);
        return part;
    }
    TextBox PlaceBox(const TextBox& box) { return Place(box.box).IsEmpty() ? TextBox{} : box; }
    void Reserve(const Rect& part) { m_placed.push_back(part); }
    const Rect& Room() const { return m_room; }
    // The lowest bottom of the parts placed so far, or the room's top.
    int Bottom() const {
        int bottom = m_room.top - m_sizes.gap;
        for (const Rect& part : m_placed) bottom = std::max(bottom, part.bottom);
        return bottom;
    }

private:
    Rect m_room;  // inside the ticks, less the margin
    const Sizes& m_sizes;
    std::vector<Rect> m_placed;
};

// The distance at its place right of the zero edge (or moved in), or on a turned ruler too
// narrow for it, the room across the whole ruler a box as wide as its text is centred in.
void PlaceDistance(Arranger& at, const Rect& client, const Sizes& s, const Arrangement& a, bool turned, PaneLayout& l) {
    const Rect& room = at.Room();
    const int left = a.movedIn ? room.left : client.left + s.distanceLeft;
    l.distance = at.PlaceBox(Framed({left, room.top}, s.widths.distance, 1, l, s.widths.lineHeight));
    if (!l.distance.box.IsEmpty() || !turned) return;
    const TextBox line = Framed({client.left, room.top}, 0, 1, l, s.widths.lineHeight);
    if (line.box.bottom > room.bottom) return;
    l.distance = {{client.left, line.box.top, client.right, line.box.bottom}, line.text};
    l.distanceFitted = true;
    at.Reserve(l.distance.box);
}

// The span beside the distance, or below it on a turned ruler, where a ruler too narrow for its
// box gets the room across it a box as wide as its text is centred in. A ruler tall enough for
// the position box measures two spans.
void PlaceSpan(Arranger& at, const Rect& client, const Sizes& s, bool turned, PaneLayout& l) {
    const Rect& d = l.distance.box;
    if (d.IsEmpty()) return;
    const int positionHeight = l.lineSpacing * (static_cast<int>(s.widths.positionLines) - 1) + s.widths.lineHeight;
    l.twoSpans = at.Room().Height() >= 2 * (s.widths.lineHeight + 2 * l.boxInset + s.gap) + positionHeight;
    const int width = l.twoSpans ? s.widths.spans : s.widths.span;
    const Point origin =
        turned ? Point{l.distanceFitted ? at.Room().left : d.left, d.bottom + s.gap} : Point{d.right + s.gap, d.top};
    l.span = at.PlaceBox(Framed(origin, width, 1, l, s.widths.lineHeight));
    if (!l.span.box.IsEmpty() || !turned) return;
    const TextBox line = Framed({client.left, origin.y}, 0, 1, l, s.widths.lineHeight);
    if (line.box.bottom > at.Room().bottom) return;
    l.span = {{client.left, line.box.top, client.right, line.box.bottom}, line.text};
    l.spanFitted = true;
    at.Reserve(l.span.box);
}

// The close button at the far end of the distance's row, or on a turned ruler in a row below it.
void PlaceCloseButton(Arranger& at, Point size, const Sizes& s, bool turned, PaneLayout& l) {
    const Rect& room = at.Room();
    const auto atRow = [&](int top) { return Rect{room.right - size.x, top, room.right, top + size.y}; };
    l.closeButton = at.Place(atRow(room.top));
    if (l.closeButton.IsEmpty() && turned && !l.distance.box.IsEmpty())
        l.closeButton = at.Place(atRow(at.Bottom() + s.gap));
}

// The position box and the colour box (with its swatch) below the first row; false when the
// colour box is not shown.
bool PlaceReadouts(Arranger& at, const Rect& client, const Sizes& s, const Arrangement& a, PaneLayout& l) {
    const ReadoutWidths& w = s.widths;
    const Point origin{a.movedIn ? at.Room().left : client.left + s.blockLeft, at.Bottom() + s.gap};
    l.position = at.PlaceBox(Framed(origin, s.indent + w.position, static_cast<int>(w.positionLines), l, w.lineHeight));
    if (l.position.box.IsEmpty()) return false;
    l.positionLines = {l.position.text.x + s.indent, l.position.text.y};
    const Rect& p = l.position.box;
    const Point colorAt = a.stacked ? Point{p.left, p.bottom + s.gap} : Point{p.right + s.gap, p.top};
    const int textWidth = w.color + s.colorGap + s.swatch;
    const TextBox color = at.PlaceBox(Framed(colorAt, textWidth, a.colorLines, l, w.lineHeight));
    if (color.box.IsEmpty()) return false;
    l.color = Framed(colorAt, textWidth, 2, l, w.lineHeight);
    if (a.colorLines == 3) l.colorWithContrast = color;
    const int swatchLeft = l.color.text.x + w.color + s.colorGap;
    l.swatch = {swatchLeft, l.color.text.y, swatchLeft + s.swatch, l.color.box.bottom - l.boxInset};
    return true;
}

// The magnifier with its slider at its left, filling the room beside or below the readouts.
void PlaceMagnifier(Arranger& at, const Sizes& s, const Arrangement& a, PaneLayout& l) {
    const Rect& room = at.Room();
    const Rect readouts{l.position.box.left, l.position.box.top, std::max(l.position.box.right, l.color.box.right),
                        std::max(l.position.box.bottom, l.color.box.bottom)};
    const Rect area = a.magnifierBelow ? Rect{room.left, at.Bottom() + s.gap, room.right, room.bottom}
                                       : Rect{readouts.right + s.gap, readouts.top, room.right, room.bottom};
    const Rect slider{area.left, area.top, area.left + s.slider, area.bottom};
    // The frame's right and bottom lines lie one pixel past the pane.
    const Rect pane{slider.right + s.gap, area.top, area.right - 1, area.bottom - 1};
    if (pane.Width() < s.smallest || pane.Height() < s.smallest) return;
    if (at.Place(slider).IsEmpty()) return;
    if (at.Place({pane.left, pane.top, pane.right + 1, pane.bottom + 1}).IsEmpty()) return;
    l.magnifierSlider = slider;
    l.magnifier = pane;
}

void PlaceAlphaSlider(Arranger& at, const Sizes& s, const Arrangement& a, PaneLayout& l) {
    if (a.alpha == Arrangement::AlphaNone) return;
    const Rect& room = at.Room();
    Point origin{room.left, at.Bottom() + s.gap};
    if (a.alpha == Arrangement::AlphaBesideDistance) {
        origin = {room.left, room.top};  // after the boxes of the first row
        for (const Rect& box : {l.distance.box, l.span.box})
            if (!box.IsEmpty() && box.top == room.top) origin.x = std::max(origin.x, box.right + s.gap);
    }
    l.alphaSlider = at.Place({origin.x, origin.y, origin.x + s.alpha.x, origin.y + s.alpha.y});
}

PaneLayout Arrange(const Rect& client, const Sizes& s, const LayoutControls& controls, const Arrangement& a,
                   PaneLayout layout) {
    const int width = client.Width(), height = client.Height();
    const bool turned = height > width;
    Arranger at(client, layout.dpi, s, s.widths.lineHeight + 2 * layout.boxInset);
    if (width != height) PlaceDistance(at, client, s, a, turned, layout);
    if (controls.spans) PlaceSpan(at, client, s, turned, layout);
    if (controls.closeButton.x > 0) PlaceCloseButton(at, controls.closeButton, s, turned, layout);
    // The transparency slider goes beside the distance before the rows below are placed, and
    // below the readouts after them: either way after the parts more important than it.
    if (a.alpha == Arrangement::AlphaBesideDistance) PlaceAlphaSlider(at, s, a, layout);
    if (PlaceReadouts(at, client, s, a, layout)) {
        if (a.alpha == Arrangement::AlphaBelowReadouts && !a.magnifierBelow) PlaceAlphaSlider(at, s, a, layout);
        PlaceMagnifier(at, s, a, layout);
        if (a.alpha == Arrangement::AlphaBelowReadouts && a.magnifierBelow) PlaceAlphaSlider(at, s, a, layout);
    }
    return layout;
}

// How good a layout is: the parts shown in the order of their importance, then a picture large
// enough to work with, the contrast's line, the parts at their usual places, and the largest
// picture.
auto Score(const PaneLayout& l, const Sizes& s, bool movedIn) {
    const int inset = 2 * Scaled(kImageInset, l.dpi);
    const bool comfortable = !l.magnifier.IsEmpty() && l.magnifier.Width() - inset >= s.comfortable.x &&
                             l.magnifier.Height() - inset >= s.comfortable.y;
    const long long area =
        l.magnifier.IsEmpty() ? 0 : static_cast<long long>(l.magnifier.Width()) * l.magnifier.Height();
    return std::make_tuple(!l.distance.box.IsEmpty(), !l.span.box.IsEmpty(), !l.closeButton.IsEmpty(),
                           !l.position.box.IsEmpty(), !l.color.box.IsEmpty(), !l.magnifier.IsEmpty(),
                           !l.alphaSlider.IsEmpty(), comfortable, !l.colorWithContrast.box.IsEmpty(), !movedIn, area);
}

}  // namespace

ReadoutWidths MeasureReadouts(const TextMeasure& measure, const UnitOfMeasure& unit) {
    ReadoutWidths widths;
    widths.distance = WidestWidth(measure, WithUnit(DistanceText(-kFiveDigits, unit), UnitSuffix(unit.unit)), kDigits);
    const PixelRun fiveDigits{0, kFiveDigits};
    widths.span = WidestWidth(measure, WithUnit(SpanText(fiveDigits, {}, unit), UnitSuffix(unit.unit)), kDigits);
    widths.spans =
        WidestWidth(measure, WithUnit(SpanText(fiveDigits, fiveDigits, unit), UnitSuffix(unit.unit)), kDigits);
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

PaneLayout LayoutPanes(const Rect& client, int dpi, const ReadoutWidths& widths, const LayoutControls& controls) {
    PaneLayout empty;
    empty.dpi = dpi;
    empty.lineSpacing = std::max(Scaled(15, dpi), widths.lineHeight + 1);
    empty.boxInset = 1 + Scaled(1, dpi);
    const Sizes sizes(dpi, widths);
    PaneLayout best = empty;
    auto bestScore = Score(best, sizes, true);
    for (const bool movedIn : {false, true})
        for (const bool stacked : {true, false})
            for (const int colorLines : {3, 2})
                for (const bool below : {false, true})
                    for (const auto alpha :
                         {Arrangement::AlphaBesideDistance, Arrangement::AlphaBelowReadouts, Arrangement::AlphaNone}) {
                        if (!controls.alphaSlider && alpha != Arrangement::AlphaNone) continue;
                        const PaneLayout layout =
                            Arrange(client, sizes, controls, {movedIn, stacked, colorLines, below, alpha}, empty);
                        const auto score = Score(layout, sizes, movedIn);
                        if (score > bestScore) best = layout, bestScore = score;
                    }
    return best;
}

int TickDepth(int dpi) { return Scaled(10, dpi) - 1; }

Rect PaneLayout::MagnifierInterior() const {
    const int inset = Scaled(2, dpi);
    return magnifier.IsEmpty() ? Rect{} : magnifier.Inflated(-inset, -inset);
}

std::vector<Rect> PaneLayout::Parts() const {
    const TextBox& colorBox = colorWithContrast.box.IsEmpty() ? color : colorWithContrast;
    const Rect frame =
        magnifier.IsEmpty() ? Rect{} : Rect{magnifier.left, magnifier.top, magnifier.right + 1, magnifier.bottom + 1};
    std::vector<Rect> parts;
    for (const Rect& part :
         {distance.box, span.box, closeButton, position.box, colorBox.box, frame, magnifierSlider, alphaSlider}) {
        if (!part.IsEmpty()) parts.push_back(part);
    }
    return parts;
}

TextBox FittedBox(const TextBox& box, bool fitted, int width, int inset) {
    if (!fitted) return box;
    const Rect& room = box.box;
    const std::int64_t boxWidth = std::int64_t{width} + 2 * inset;
    if (boxWidth > std::int64_t{room.right} - room.left) return {};
    const int left = ClampToInt(room.left + (std::int64_t{room.right} - room.left - boxWidth) / 2);
    return {{left, room.top, ClampToInt(left + boxWidth), room.bottom}, {left + inset, box.text.y}};
}
