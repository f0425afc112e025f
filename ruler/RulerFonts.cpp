#include "ruler/RulerFonts.h"

#include "platform/DC.h"
#include "platform/ResourceException.h"
#include "ruler/GdiCanvas.h"
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
}

ReadoutWidths CRulerFonts::Measure(RulerUnit unit, int dpi) const {
    try {
        CDC memory;
        if (!memory.CreateCompatibleDC(CClientDC(nullptr))) return {};
        const CGdiCanvas canvas(memory, Dialog());
        return MeasureReadouts(canvas, unit, dpi);
    } catch (const CResourceException&) {
        return {};
    }
}
