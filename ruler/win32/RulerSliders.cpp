// The magnifier's and the transparency's sliders.
#include "ruler/win32/RulerSliders.h"

#include "platform/system/SystemLibraries.h"
#include "res/resource.h"
#include "ruler/layout/PaneLayout.h"
#include "ruler/settings/RulerSettings.h"

namespace {

constexpr int kArrowStep = 5, kPageStep = 25;

}  // namespace

void CRulerSliders::Create(HWND ruler, int dpi, HFONT font, const Rect& magnifier, int factor, bool alphaShown,
                           int opacity) {
    m_ruler = ruler;
    m_setLayered = User32().Find<SetLayeredWindowAttributesFn>("SetLayeredWindowAttributes");
    m_magnifier.DestroyWindow();
    constexpr DWORD vertical = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_TOOLTIPS | TBS_LEFT | TBS_VERT | TBS_AUTOTICKS;
    m_magnifier.Create(vertical, magnifier, ruler, IDC_MAGNIFY_SLIDER);
    m_magnifier.SetRange(kMinMagnifierFactor, kMaxMagnifierFactor, false);
    m_magnifier.SetPos(factor);
    m_magnifier.SetTipSide(TBTS_LEFT);
    m_magnifier.SetTipFont(font);
    m_magnifier.ForwardWheelToParent();
    PlaceMagnifier(magnifier);

    m_alpha.DestroyWindow();
    if (!m_setLayered) return;
    m_alpha.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_TOOLTIPS, AlphaSliderRect(dpi), ruler, IDC_ALPHA_SLIDER);
    m_alpha.SetRange(kMostTransparent, kOpaque, false);
    m_alpha.SendMessage(TBM_SETLINESIZE, 0, kArrowStep);
    m_alpha.SendMessage(TBM_SETPAGESIZE, 0, kPageStep);
    m_alpha.SetPos(opacity);
    m_alpha.SetTipSide(TBTS_TOP);
    m_alpha.SetTipFont(font);
    ShowAlpha(alphaShown);
    ApplyAlpha(m_alpha.GetPos());
}

void CRulerSliders::PlaceMagnifier(const Rect& rect) {
    if (rect.IsEmpty()) {
        m_magnifier.ShowWindow(SW_HIDE);
        return;
    }
    m_magnifier.ShowWindow(SW_SHOW);
    m_magnifier.MoveWindow(rect);
}

std::optional<int> CRulerSliders::MagnifierPosition(HWND control) const {
    if (!control || control != m_magnifier.GetSafeHwnd()) return std::nullopt;
    return m_magnifier.GetPos();
}

std::optional<int> CRulerSliders::OnNotify(WPARAM id) {
    if (id != IDC_ALPHA_SLIDER || !m_alpha.IsWindow() || m_alpha.GetPos() == m_opacity) return std::nullopt;
    ApplyAlpha(m_alpha.GetPos());
    return m_opacity;
}

void CRulerSliders::ApplyAlpha(int alpha) {
    m_opacity = alpha;
    if (!m_setLayered) return;
    const LONG_PTR style = ::GetWindowLongPtrW(m_ruler, GWL_EXSTYLE);
    const LONG_PTR layered = alpha == kOpaque ? style & ~LONG_PTR{WS_EX_LAYERED} : style | WS_EX_LAYERED;
    if (layered != style) ::SetWindowLongPtrW(m_ruler, GWL_EXSTYLE, layered);
    if (alpha != kOpaque) m_setLayered(m_ruler, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}
