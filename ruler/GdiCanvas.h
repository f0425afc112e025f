#pragma once
#include <vector>

#include "platform/DC.h"
#include "platform/GdiObject.h"
#include "ruler/Canvas.h"
#include "ruler/ScreenCapture.h"

// The ruler's drawing on a GDI device context. It draws text on a transparent background;
// pens and brushes it makes live until it ends, when the context gets back the pen, font and
// background mode it had. A pen, brush or screen context the system refuses raises
// CResourceException.
class CGdiCanvas : public Canvas {
public:
    // The screen is copied from `capture` when it holds the area asked for, else read anew.
    CGdiCanvas(CDC& dc, HFONT dialogFont, HFONT symbolFont, const CScreenCapture* capture = nullptr);
    ~CGdiCanvas() override;
    CGdiCanvas(const CGdiCanvas&) = delete;
    CGdiCanvas& operator=(const CGdiCanvas&) = delete;

    Rect ClipBox() const override;
    void SelectPen(Color color) override;
    void Line(Point from, Point to) override;
    void SelectFont(Font font) override;
    void SelectTextColor(Color color) override;
    void TextCentred(const Rect& box, std::string_view text) override;
    void TextAt(Point at, std::string_view text) override;
    void Fill(const Rect& box, Color color) override;
    void StretchFromScreen(const Rect& dest, const Rect& source) override;

private:
    struct PenOfColor {
        Color color;
        CPen pen;
    };

    HDC m_dc;
    HFONT m_dialogFont;
    HFONT m_symbolFont;
    const CScreenCapture* m_capture;
    std::vector<PenOfColor> m_pens;
    HGDIOBJ m_originalPen;
    HGDIOBJ m_originalFont;
    int m_originalBkMode;
};
