// The font of the scale and the readouts at the window's resolution.
#include "ruler/win32/RulerFonts.h"

#include "base/DpiScale.h"
#include "platform/system/Unicode.h"

void CRulerFonts::Make(HFONT templateFont, int dpi) {
    if (m_measure.GetSafeHdc()) ::SelectObject(m_measure.GetSafeHdc(), ::GetStockObject(SYSTEM_FONT));
    LOGFONTW font{};
    if (templateFont && ::GetObjectW(templateFont, sizeof font, &font) == sizeof font) {
        font.lfHeight = FontHeight(8, dpi);  // the template's 8 points
        font.lfWidth = 0;
        m_dialog.Reset(::CreateFontIndirectW(&font));
    } else {
        m_dialog.Reset();
    }
    if (!m_measure.GetSafeHdc() && !m_measure.CreateCompatibleDC(CScreenDC())) return;
    if (m_dialog) ::SelectObject(m_measure.GetSafeHdc(), m_dialog.GetSafeHandle());
    TEXTMETRICW metrics{};
    m_height = ::GetTextMetricsW(m_measure.GetSafeHdc(), &metrics) ? metrics.tmHeight : 0;
}

int CRulerFonts::TextWidth(std::string_view text) const {
    SIZE size{};
    if (!m_measure.GetSafeHdc()) return 0;
    const std::wstring wide = Widened(text);
    ::GetTextExtentPoint32W(m_measure.GetSafeHdc(), wide.data(), static_cast<int>(wide.size()), &size);
    return size.cx;
}
