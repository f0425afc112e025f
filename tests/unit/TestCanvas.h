// What the unit tests share: readable points, rectangles and placements, and a canvas that records what is drawn.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ruler/placement/WindowPlacement.h"
#include "ruler/view/Canvas.h"
#include "tests/unit/WineFont.h"

inline void PrintTo(Point p, std::ostream* os) { *os << '(' << p.x << ',' << p.y << ')'; }
inline void PrintTo(const Rect& r, std::ostream* os) {
    *os << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}
inline void PrintTo(const StoredPlacement& p, std::ostream* os) {
    *os << testing::PrintToString(p.window) << '@' << p.dpi;
}

// Records lines and texts in order, the texts measured in the ruler's font at `dpi` as Wine draws it.
class RecordingCanvas : public Canvas {
public:
    enum class Kind { Line, TextCentred, TextAt };
    struct Call {
        Kind kind{};
        Point from{}, to{};  // a line's ends, `to` excluded
        Rect box{};          // a centred text's box
        std::string text{};
        Rect ink{};  // the pixels it covers: a line's up to its end, a text's where it stands
        friend bool operator==(const Call& a, const Call& b) {
            return std::tie(a.kind, a.from, a.to, a.box, a.text) == std::tie(b.kind, b.from, b.to, b.box, b.text);
        }
        friend void PrintTo(const Call& c, std::ostream* os) {
            *os << testing::PrintToString(std::tie(c.from, c.to, c.box, c.text));
        }
    };

    explicit RecordingCanvas(int dpi) : font(dpi) {}
    const WineFont font;
    std::vector<Call> calls;

    // Large enough to hold any ruler, small enough that Width() cannot overflow.
    Rect ClipBox() const override { return {-(1 << 30), -(1 << 30), 1 << 30, 1 << 30}; }
    void Line(Point from, Point to) override {
        const Point a{std::min(from.x, to.x), std::min(from.y, to.y)},
            b{std::max(from.x, to.x), std::max(from.y, to.y)};
        calls.push_back({Kind::Line, from, to, {}, {}, {a.x, a.y, b.x + (a.x == b.x), b.y + (a.y == b.y)}});
    }
    void TextCentred(const Rect& box, std::string_view text) override {
        const int width = TextWidth(text), height = TextHeight();
        const Point at{box.left + (box.Width() - width) / 2, box.top + (box.Height() - height) / 2};
        calls.push_back({Kind::TextCentred, {}, {}, box, std::string(text), {at.x, at.y, at.x + width, at.y + height}});
    }
    void TextAt(Point at, std::string_view text) override {
        const Rect ink{at.x, at.y, at.x + TextWidth(text), at.y + TextHeight()};
        calls.push_back({Kind::TextAt, {}, {}, {}, std::string(text), ink});
    }
    int TextWidth(std::string_view text) const override { return font.TextWidth(text); }
    int TextHeight() const override { return font.TextHeight(); }
    void SelectPen(Color) override {}
    void SelectTextColor(Color) override {}
    void Fill(const Rect&, Color) override {}
    void StretchFromScreen(const Rect&, const Rect&, const Rect&) override {}
    void StretchFromCopy(const Rect&, const Rect&, const Rect&) override {}
    void FillChecker(const Rect&, Point) override {}
};
