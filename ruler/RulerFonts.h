#pragma once
#include "platform/GdiObject.h"

// The ruler's two fonts at the window's resolution: the dialog template's font, for the
// scale's numbers and the readouts, and "WingDings", for the readout's arrows.
class CRulerFonts {
public:
    // Makes both for `dpi`; the dialog font is `templateFont` at that resolution. A font the
    // system refuses stays null, and the context's current font is used instead.
    void Make(HFONT templateFont, int dpi);
    HFONT Dialog() const { return m_dialog.GetSafeHandle(); }
    HFONT Symbol() const { return m_symbol.GetSafeHandle(); }

private:
    CFont m_dialog;
    CFont m_symbol;
};
