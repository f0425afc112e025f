// The ruler window's controls and drawing resources for its resolution, and the layout placing them.
#pragma once
#include "platform/window/Controls.h"
#include "ruler/input/HitTest.h"
#include "ruler/layout/PaneLayout.h"
#include "ruler/settings/RulerSettings.h"
#include "ruler/win32/RulerFonts.h"
#include "ruler/win32/RulerSliders.h"
#include "ruler/win32/ZoneCursors.h"

// What the ruler window is made of besides its painting: the close button (its face drawn for the
// resolution, never stretched), the sliders, the font of the scale and the readouts, and the zones'
// cursors; all made anew for a new resolution and put where the layout says.
class CRulerParts {
public:
    // Takes over the close button of `ruler`'s template.
    void Attach(HWND ruler);
    bool IsAttached() const { return m_closeButton.IsWindow(); }
    // Makes everything for `dpi`; the sliders stand at the settings' factor and opacity.
    void Make(int dpi, const RulerSettings& settings);
    // Measures the widest readouts of `unit` in the font.
    void Measure(const UnitOfMeasure& unit) { m_widths = MeasureReadouts(m_fonts, unit); }
    // Lays the parts out on `client` for `settings` and moves the controls onto their places.
    void Arrange(const Rect& client, const RulerSettings& settings);

    const PaneLayout& Layout() const { return m_layout; }
    const CRulerFonts& Fonts() const { return m_fonts; }
    CRulerSliders& Sliders() { return m_sliders; }
    HCURSOR CursorFor(RulerZone zone) const { return m_cursors.For(CursorForZone(zone)); }
    // The close button on the screen; empty while the layout hides it.
    Rect CloseButton() const { return m_layout.closeButton.IsEmpty() ? Rect{} : m_closeButton.GetWindowRect(); }

private:
    HWND m_ruler = nullptr;
    int m_dpi = 96;
    CBitmapButton m_closeButton;
    CRulerFonts m_fonts;
    CZoneCursors m_cursors;
    CRulerSliders m_sliders;
    ReadoutWidths m_widths;
    PaneLayout m_layout;  // made anew when the size, the resolution, the unit or a setting it shows changes
};
