// The font of the scale and the readouts at the window's resolution.
#pragma once
#include "platform/gdi/DC.h"
#include "platform/gdi/GdiObject.h"
#include "ruler/layout/PaneLayout.h"
#include "ruler/view/TextMeasure.h"

// The font of the scale's numbers and the readouts: the dialog template's font, made anew at
// the window's resolution, and a memory context with it to measure text in.
class CRulerFonts : public TextMeasure {
public:
    // Makes it for `dpi` from `templateFont`. A font the system refuses stays null, and the
    // context's current font is used instead; without a context every text measures 0.
    void Make(HFONT templateFont, int dpi);
    HFONT Dialog() const { return m_dialog.GetSafeHandle(); }
    int TextWidth(std::string_view text) const override;
    int TextHeight() const override { return m_height; }

private:
    CFont m_dialog;
    CDC m_measure;  // deleted before the font it holds
    int m_height = 0;
};
