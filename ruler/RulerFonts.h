#pragma once
#include "platform/GdiObject.h"
#include "ruler/PaneLayout.h"

// The font of the scale's numbers and the readouts: the dialog template's font, made anew at
// the window's resolution.
class CRulerFonts {
public:
    // Makes it for `dpi` from `templateFont`. A font the system refuses stays null, and the
    // context's current font is used instead.
    void Make(HFONT templateFont, int dpi);
    HFONT Dialog() const { return m_dialog.GetSafeHandle(); }
    // The widest readouts of `unit` in it; all 0 when the system refuses a context to measure in.
    ReadoutWidths Measure(RulerUnit unit, int dpi) const;

private:
    CFont m_dialog;
};
