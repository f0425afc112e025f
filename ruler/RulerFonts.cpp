#include "ruler/RulerFonts.h"

#include "ruler/RulerLayout.h"

void CRulerFonts::Make(HFONT templateFont, int dpi) {
    LOGFONTW font{};
    if (templateFont && ::GetObjectW(templateFont, sizeof font, &font) == sizeof font) {
        font.lfHeight = DialogFontHeight(dpi);
        font.lfWidth = 0;
        m_dialog.Reset(::CreateFontIndirectW(&font));
    } else {
        m_dialog.Reset();
    }
    m_symbol.Reset(::CreateFontW(SymbolFontHeight(dpi), 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, SYMBOL_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH, L"WingDings"));
}
