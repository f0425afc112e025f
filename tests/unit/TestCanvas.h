// What the unit tests share: printing, a fixed text measure and a recording canvas.
#pragma once
// What the unit tests share: readable points and rectangles in failure messages, a text
// measure with the metrics of the ruler's font at 96 dpi, and a canvas that records the
// scale's lines and numbers.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ruler/view/Canvas.h"
#include "base/DpiScale.h"

inline void PrintTo(Point p, std::ostream* out) { *out << '(' << p.x << ',' << p.y << ')'; }
inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}

// Every character as wide as a digit of the ruler's 8-point font, a text scaled to `dpi` as a whole.
class FixedMeasure : public TextMeasure {
public:
    explicit FixedMeasure(int dpi = 96) : m_dpi(dpi) {}
    int TextWidth(std::string_view text) const override { return Scaled(static_cast<int>(text.size()) * 6, m_dpi); }
    int TextHeight() const override { return Scaled(13, m_dpi); }

private:
    int m_dpi;
};

// Where a text stands centred in `box`, as the canvas draws it.
inline Rect InkOf(const Rect& box, std::string_view text, const TextMeasure& measure) {
    const int width = measure.TextWidth(text), height = measure.TextHeight();
    const int left = box.left + (box.Width() - width) / 2, top = box.top + (box.Height() - height) / 2;
    return {left, top, left + width, top + height};
}

// Records lines and texts in order, measured by `measure` (FixedMeasure without one).
class RecordingCanvas : public Canvas {
public:
    enum class Kind { Line, TextCentred, TextAt };
    struct Call {
        Kind kind{};
        Point from{}, to{};  // a line's ends, `to` excluded
        Rect box{};          // a centred text's box, or where a text drawn at a point stands
        std::string text{};
        friend bool operator==(const Call& a, const Call& b) {
            return std::tie(a.kind, a.from, a.to, a.box, a.text) == std::tie(b.kind, b.from, b.to, b.box, b.text);
        }
        friend void PrintTo(const Call& c, std::ostream* out) {
            *out << testing::PrintToString(std::tie(c.from, c.to, c.box, c.text));
        }
    };
    // Large enough to hold any ruler, small enough that Width() cannot overflow.
    static constexpr Rect kEverything{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};

    explicit RecordingCanvas(Rect clip = kEverything, int dpi = 96, const TextMeasure* measure = nullptr)
        : m_clip(clip), m_fixed(dpi), m_measure(measure ? *measure : m_fixed) {}
    std::vector<Call> calls;

    Rect ClipBox() const override { return m_clip; }
    void Line(Point from, Point to) override { calls.push_back({Kind::Line, from, to}); }
    void TextCentred(const Rect& box, std::string_view text) override {
        calls.push_back({Kind::TextCentred, {}, {}, box, std::string(text)});
    }
    void TextAt(Point at, std::string_view text) override {
        calls.push_back(
            {Kind::TextAt, {}, {}, {at.x, at.y, at.x + TextWidth(text), at.y + TextHeight()}, std::string(text)});
    }
    int TextWidth(std::string_view text) const override { return m_measure.TextWidth(text); }
    int TextHeight() const override { return m_measure.TextHeight(); }
    void SelectPen(Color) override {}
    void SelectTextColor(Color) override {}
    void Fill(const Rect&, Color) override {}
    void StretchFromScreen(const Rect&, const Rect&, const Rect&) override {}
    void StretchFromCopy(const Rect&, const Rect&, const Rect&) override {}
    void FillChecker(const Rect&, Point) override {}

private:
    Rect m_clip;
    FixedMeasure m_fixed;
    const TextMeasure& m_measure;
};
