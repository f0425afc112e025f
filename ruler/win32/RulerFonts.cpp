#include "ruler/win32/RulerFonts.h"

#include "platform/gdi/ResourceException.h"
#include "ruler/layout/RulerLayout.h"

void CRulerFonts::Make(HFONT templateFont, int dpi) {
    if (m_measure.GetSafeHdc()) ::SelectObject(m_measure.GetSafeHdc(), ::GetStockObject(SYSTEM_FONT));
    LOGFONTW font{};
    if (templateFont && ::GetObjectW(templateFont, sizeof font, &font) == sizeof font) {
        font.lfHeight = DialogFontHeight(dpi);
        font.lfWidth = 0;
        m_dialog.Reset(::CreateFontIndirectW(&font));
    } else {
        m_dialog.Reset();
    }
    try {
        if (!m_measure.GetSafeHdc()) m_measure.CreateCompatibleDC(CClientDC(nullptr));
    } catch (const CResourceException&) {
        return;
    }
    if (m_dialog) ::SelectObject(m_measure.GetSafeHdc(), m_dialog.GetSafeHandle());
    TEXTMETRICW metrics{};
    m_height = ::GetTextMetricsW(m_measure.GetSafeHdc(), &metrics) ? metrics.tmHeight : 0;
}

int CRulerFonts::TextWidth(std::string_view text) const {
    SIZE size{};
    if (!m_measure.GetSafeHdc()) return 0;
    ::GetTextExtentPoint32A(m_measure.GetSafeHdc(), text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}
