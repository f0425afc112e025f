// The ruler's canvas on a GDI device context.
#pragma once
#include <vector>

#include "platform/gdi/DC.h"
#include "platform/gdi/GdiObject.h"
#include "ruler/view/Canvas.h"
#include "ruler/win32/ScreenCapture.h"

// The ruler's drawing on a GDI device context, its text in `font` on a transparent background
// (with no font the context's own is used). Pens and brushes it makes live until it ends,
// when the context gets back the pen, font and background mode it had. A pen, brush or screen
// context the system refuses raises CResourceException.
class CGdiCanvas : public Canvas {
public:
    // The screen is copied from `capture` when it holds the area asked for, else read anew.
    CGdiCanvas(CDC& dc, HFONT font, const CScreenCapture* capture = nullptr);
    ~CGdiCanvas() override;
    CGdiCanvas(const CGdiCanvas&) = delete;
    CGdiCanvas& operator=(const CGdiCanvas&) = delete;

    Rect ClipBox() const override;
    void SelectPen(Color color) override;
    void Line(Point from, Point to) override;
    void SelectTextColor(Color color) override;
    void TextCentred(const Rect& box, std::string_view text) override;
    void TextAt(Point at, std::string_view text) override;
    void Fill(const Rect& box, Color color) override;
    void StretchFromScreen(const Rect& dest, const Rect& source, const Rect& within) override;
    void StretchFromCopy(const Rect& dest, const Rect& source, const Rect& within) override;
    void FillChecker(const Rect& box, Point origin) override;
    int TextWidth(std::string_view text) const override;
    int TextHeight() const override { return m_textHeight; }

private:
    struct PenOfColor {
        Color color;
        CPen pen;
    };

    // Copies `source`, at `sourceOrigin` in `from`, stretched onto `dest` within `within`.
    void Stretch(const Rect& dest, HDC from, Point sourceOrigin, Point sourceSize, const Rect& within);

    HDC m_dc;
    const CScreenCapture* m_capture;
    std::vector<PenOfColor> m_pens;
    CGdiObject<HBRUSH> m_checker;  // made at the first FillChecker
    HGDIOBJ m_originalPen;
    HGDIOBJ m_originalFont;
    int m_originalBkMode;
    int m_textHeight = 0;
};
