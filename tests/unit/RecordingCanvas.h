#pragma once
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ruler/Canvas.h"

// Readable points and rectangles in the messages of failed expectations.
inline void PrintTo(Point p, std::ostream* out) { *out << '(' << p.x << ',' << p.y << ')'; }
inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << '{' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}

// A Canvas that records every call in order, with the pen, text colour and font current at
// the time, so tests can check what was painted without a device context.
class RecordingCanvas : public Canvas {
public:
    enum class Kind {
        SelectPen, Line, SelectFont, SelectTextColor, TextCentred, TextAt, Fill, StretchFromScreen
    };

    struct Call {
        Kind kind = Kind::Line;
        Point from;        // Line: first point; TextAt: top-left corner
        Point to;          // Line: end point (excluded)
        Rect box;          // TextCentred, Fill: the box; StretchFromScreen: the destination
        Rect source;       // StretchFromScreen: the screen rectangle
        std::string text;  // TextCentred, TextAt
        Color color = 0;   // the selected or filled colour; Line: the pen; texts: the text colour
        Font font = Font::Dialog;  // SelectFont: the font; texts: the current font

        friend bool operator==(const Call& a, const Call& b) {
            return a.kind == b.kind && a.from == b.from && a.to == b.to && a.box == b.box &&
                   a.source == b.source && a.text == b.text && a.color == b.color &&
                   a.font == b.font;
        }
        friend bool operator!=(const Call& a, const Call& b) { return !(a == b); }
        friend void PrintTo(const Call& c, std::ostream* out) {
            *out << "{kind " << static_cast<int>(c.kind) << " from ";
            ::PrintTo(c.from, out);
            *out << " to ";
            ::PrintTo(c.to, out);
            *out << " box ";
            ::PrintTo(c.box, out);
            *out << " text \"" << c.text << "\" color " << c.color << '}';
        }
    };

    // Large enough to hold any ruler, small enough that Width() cannot overflow.
    static constexpr Rect kEverything{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};

    explicit RecordingCanvas(Rect clip = kEverything) : m_clip(clip) {}

    const std::vector<Call>& Calls() const { return m_calls; }
    std::vector<Call> Of(Kind kind) const {
        std::vector<Call> found;
        for (const Call& call : m_calls) {
            if (call.kind == kind) found.push_back(call);
        }
        return found;
    }
    void Clear() { m_calls.clear(); }

    Rect ClipBox() const override { return m_clip; }
    void SelectPen(Color color) override {
        m_pen = color;
        Record({Kind::SelectPen, {}, {}, {}, {}, {}, color, m_font});
    }
    void Line(Point from, Point to) override {
        Record({Kind::Line, from, to, {}, {}, {}, m_pen, m_font});
    }
    void SelectFont(Font font) override {
        m_font = font;
        Record({Kind::SelectFont, {}, {}, {}, {}, {}, 0, font});
    }
    void SelectTextColor(Color color) override {
        m_textColor = color;
        Record({Kind::SelectTextColor, {}, {}, {}, {}, {}, color, m_font});
    }
    void TextCentred(const Rect& box, std::string_view text) override {
        Record({Kind::TextCentred, {}, {}, box, {}, std::string(text), m_textColor, m_font});
    }
    void TextAt(Point at, std::string_view text) override {
        Record({Kind::TextAt, at, {}, {}, {}, std::string(text), m_textColor, m_font});
    }
    void Fill(const Rect& box, Color color) override {
        Record({Kind::Fill, {}, {}, box, {}, {}, color, m_font});
    }
    void StretchFromScreen(const Rect& dest, const Rect& source) override {
        Record({Kind::StretchFromScreen, {}, {}, dest, source, {}, 0, m_font});
    }

private:
    void Record(Call call) { m_calls.push_back(std::move(call)); }

    Rect m_clip;
    std::vector<Call> m_calls;
    Color m_pen = 0;
    Color m_textColor = 0;
    Font m_font = Font::Dialog;
};
