#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ruler/Canvas.h"

// Readable points and rectangles in the messages of failed expectations. Every test that
// compares them includes this header, so all of them print alike.
inline void PrintTo(Point p, std::ostream* out) { *out << '(' << p.x << ',' << p.y << ')'; }
inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}

// A Canvas that records every call in order, with the pen, text colour and font current at
// the time, so tests can check what was painted without a device context.
class RecordingCanvas : public Canvas {
public:
    enum class Kind {
        SelectPen, Line, SelectFont, SelectTextColor, TextCentred, TextAt, Fill, Stretch
    };

    struct Call {
        Kind kind{};
        Color color = 0;       // selected or filled; Line: the pen; texts: the text colour
        Point from{}, to{};    // Line: its ends, `to` excluded; TextAt: the top-left corner
        Rect box{}, source{};  // TextCentred, Fill: the box; Stretch: `source` onto `box`
        std::string text{};
        Font font = Font::Dialog;  // SelectFont: the font; everything else: the current font

        auto Tied() const { return std::tie(kind, color, from, to, box, source, text, font); }
        friend bool operator==(const Call& a, const Call& b) { return a.Tied() == b.Tied(); }
        friend void PrintTo(const Call& c, std::ostream* out) {
            *out << testing::PrintToString(c.Tied());
        }
    };

    // Large enough to hold any ruler, small enough that Width() cannot overflow.
    static constexpr Rect kEverything{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};

    explicit RecordingCanvas(Rect clip = kEverything) : m_clip(clip) {}

    const std::vector<Call>& Calls() const { return m_calls; }
    std::vector<Call> Of(Kind kind) const {
        std::vector<Call> found;
        std::copy_if(m_calls.begin(), m_calls.end(), std::back_inserter(found),
                     [kind](const Call& call) { return call.kind == kind; });
        return found;
    }

    Rect ClipBox() const override { return m_clip; }
    void SelectPen(Color c) override { m_pen = c; Add({Kind::SelectPen, c}); }
    void Line(Point from, Point to) override { Add({Kind::Line, m_pen, from, to}); }
    void SelectFont(Font font) override { m_font = font; Add({Kind::SelectFont}); }
    void SelectTextColor(Color c) override { m_text = c; Add({Kind::SelectTextColor, c}); }
    void TextCentred(const Rect& box, std::string_view text) override {
        Add({Kind::TextCentred, m_text, {}, {}, box, {}, std::string(text)});
    }
    void TextAt(Point at, std::string_view text) override {
        Add({Kind::TextAt, m_text, at, {}, {}, {}, std::string(text)});
    }
    void Fill(const Rect& box, Color c) override { Add({Kind::Fill, c, {}, {}, box}); }
    void StretchFromScreen(const Rect& dest, const Rect& source) override {
        Add({Kind::Stretch, 0, {}, {}, dest, source});
    }

private:
    void Add(Call call) { call.font = m_font; m_calls.push_back(call); }

    Rect m_clip;
    std::vector<Call> m_calls;
    Color m_pen = 0;
    Color m_text = 0;
    Font m_font = Font::Dialog;
};
