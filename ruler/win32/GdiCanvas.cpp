// The ruler's canvas on a GDI device context.
#include "ruler/win32/GdiCanvas.h"

#include "platform/system/Unicode.h"

CGdiCanvas::CGdiCanvas(CDC& dc, HFONT font, const CScreenCapture* capture)
    : m_dc(dc.GetSafeHdc()), m_capture(capture), m_originalPen(::GetCurrentObject(m_dc, OBJ_PEN)),
      m_originalFont(::GetCurrentObject(m_dc, OBJ_FONT)), m_originalBkMode(::SetBkMode(m_dc, TRANSPARENT)) {
    if (font) ::SelectObject(m_dc, font);
    TEXTMETRICW metrics{};
    if (::GetTextMetricsW(m_dc, &metrics)) m_textHeight = metrics.tmHeight;
}

CGdiCanvas::~CGdiCanvas() {
    ::SetBkMode(m_dc, m_originalBkMode);
    ::SelectObject(m_dc, m_originalFont);
    ::SelectObject(m_dc, m_originalPen);  // before m_pens deletes the pens
}

Rect CGdiCanvas::ClipBox() const {
    RECT box{};
    ::GetClipBox(m_dc, &box);
    return FromRECT(box);
}

void CGdiCanvas::SelectPen(Color color) {
    for (const PenOfColor& made : m_pens) {
        if (made.color == color) {
            ::SelectObject(m_dc, made.pen.GetSafeHandle());
            return;
        }
    }
    m_pens.push_back({color, CPen(PS_SOLID, 0, color)});
    ::SelectObject(m_dc, m_pens.back().pen.GetSafeHandle());
}

void CGdiCanvas::Line(Point from, Point to) {
    ::MoveToEx(m_dc, from.x, from.y, nullptr);
    ::LineTo(m_dc, to.x, to.y);
}

void CGdiCanvas::SelectTextColor(Color color) { ::SetTextColor(m_dc, color); }

void CGdiCanvas::TextCentred(const Rect& box, std::string_view text) {
    if (box.IsEmpty()) return;
    RECT r = ToRECT(box);
    const std::wstring wide = Widened(text);
    ::DrawTextW(m_dc, wide.data(), static_cast<int>(wide.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

int CGdiCanvas::TextWidth(std::string_view text) const {
    SIZE size{};
    const std::wstring wide = Widened(text);
    ::GetTextExtentPoint32W(m_dc, wide.data(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

void CGdiCanvas::TextAt(Point at, std::string_view text) {
    const std::wstring wide = Widened(text);
    ::TextOutW(m_dc, at.x, at.y, wide.data(), static_cast<int>(wide.size()));
}

void CGdiCanvas::Fill(const Rect& box, Color color) {
    const CBrush brush(color);
    const RECT r = ToRECT(box);
    ::FillRect(m_dc, &r, brush.GetSafeHandle());
}

void CGdiCanvas::StretchFromScreen(const Rect& dest, const Rect& source, const Rect& within) {
    const Point size{source.Width(), source.Height()};
    if (m_capture && m_capture->Holds(source)) {
        Stretch(dest, m_capture->GetSafeHdc(), {0, 0}, size, within);
        return;
    }
    const CScreenDC screen;
    Stretch(dest, screen.GetSafeHdc(), {source.left, source.top}, size, within);
}

void CGdiCanvas::StretchFromCopy(const Rect& dest, const Rect& source, const Rect& within) {
    if (!m_capture) return;
    const Rect held = m_capture->Source();
    Stretch(dest, m_capture->GetSafeHdc(), {source.left - held.left, source.top - held.top},
            {source.Width(), source.Height()}, within);
}

void CGdiCanvas::Stretch(const Rect& dest, HDC from, Point sourceOrigin, Point sourceSize, const Rect& within) {
    const CSavedState saved(m_dc);
    ::IntersectClipRect(m_dc, within.left, within.top, within.right, within.bottom);
    ::SetStretchBltMode(m_dc, COLORONCOLOR);
    ::StretchBlt(m_dc, dest.left, dest.top, dest.Width(), dest.Height(), from, sourceOrigin.x, sourceOrigin.y,
                 sourceSize.x, sourceSize.y, SRCCOPY);
}

void CGdiCanvas::FillChecker(const Rect& box, Point origin) {
    if (!m_checker) {
        // A monochrome pattern paints its 0 bits in the text colour, its 1 bits in the background's.
        static const WORD kRows[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
        const CBitmap pattern(::CreateBitmap(8, 8, 1, 1, kRows));
        m_checker.Reset(pattern ? ::CreatePatternBrush(pattern.GetSafeHandle()) : nullptr);
        if (!m_checker) throw CResourceException();
    }
    const CSavedState saved(m_dc);
    POINT at = ToPOINT(origin);
    ::LPtoDP(m_dc, &at, 1);  // the brush's origin is in device pixels
    ::SetBrushOrgEx(m_dc, at.x, at.y, nullptr);
    ::SetTextColor(m_dc, RGB(0, 0, 0));
    ::SetBkColor(m_dc, RGB(255, 255, 255));
    const RECT r = ToRECT(box);
    ::FillRect(m_dc, &r, m_checker.GetSafeHandle());
}
