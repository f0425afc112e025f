// The ruler window's controls and drawing resources for its resolution, and the layout placing them.
#include "ruler/win32/RulerParts.h"

#include "ruler/view/CloseFaces.h"

void CRulerParts::Attach(HWND ruler) {
    m_ruler = ruler;
    m_closeButton.SubclassDlgItem(IDCANCEL, ruler);
}

void CRulerParts::Make(int dpi, const RulerSettings& settings) {
    m_dpi = dpi;
    m_fonts.Make(reinterpret_cast<HFONT>(::SendMessageW(m_ruler, WM_GETFONT, 0, 0)), dpi);
    m_cursors.Load(dpi);
    const CloseFace face = CloseFaceFor(dpi);
    m_closeButton.LoadBitmaps(face.normalId, face.pressedId);
    m_sliders.Create(m_ruler, dpi, m_fonts.Dialog(), settings.magnifierFactor, settings.opacity);
}

void CRulerParts::Arrange(const Rect& client, const RulerSettings& settings) {
    const LayoutControls controls{m_closeButton.FaceSize(), settings.alphaSliderShown && m_sliders.HasAlpha(),
                                  settings.spans};
    m_layout = LayoutPanes(client, m_dpi, m_widths, controls);
    m_closeButton.Place(m_layout.closeButton);
    m_sliders.Place(m_layout.magnifierSlider, m_layout.alphaSlider);
}
