// The magnifier's and the transparency's sliders.
#include "ruler/win32/RulerSliders.h"

#include "base/DpiScale.h"
#include "platform/system/SystemLibraries.h"
#include "res/resource.h"
#include "ruler/settings/RulerSettings.h"

namespace {

constexpr int kArrowStep = 5, kPageStep = 25;
constexpr int kThumbLength = 13;  // at 96 dpi: the transparency slider is 17 pixels high

// The magnifier slider's top stands for its largest factor: its position counts down.
int Flipped(int value) { return kMinMagnifierFactor + kMaxMagnifierFactor - value; }

}  // namespace

void CRulerSliders::Create(HWND ruler, int dpi, HFONT font, int factor, int opacity) {
    m_ruler = ruler;
    m_setLayered = User32().Find<SetLayeredWindowAttributesFn>("SetLayeredWindowAttributes");
    // No tip: it would tell the flipped position; the magnifier shows its factor itself.
    m_magnifier.DestroyWindow();
    m_magnifier.Create(WS_CHILD | WS_TABSTOP | TBS_LEFT | TBS_VERT | TBS_AUTOTICKS, {}, ruler, IDC_MAGNIFY_SLIDER);
    m_magnifier.SetRange(kMinMagnifierFactor, kMaxMagnifierFactor, false);
    SetMagnifierFactor(factor);
    m_magnifier.ForwardWheelToParent();

    m_alpha.DestroyWindow();
    if (!m_setLayered) return;
    // A thumb of a fixed length and no ticks, so that the slider fits the row of the distance.
    m_alpha.Create(WS_CHILD | WS_TABSTOP | TBS_TOOLTIPS | TBS_FIXEDLENGTH | TBS_NOTICKS, {}, ruler, IDC_ALPHA_SLIDER);
    m_alpha.SendMessage(TBM_SETTHUMBLENGTH, Scaled(kThumbLength, dpi));
    m_alpha.SetRange(kMostTransparent, kOpaque, false);
    m_alpha.SendMessage(TBM_SETLINESIZE, 0, kArrowStep);
    m_alpha.SendMessage(TBM_SETPAGESIZE, 0, kPageStep);
    m_alpha.SetPos(opacity);
    m_alpha.SetTipSide(TBTS_TOP);
    m_alpha.SetTipFont(font);
    ApplyAlpha(m_alpha.GetPos());
}

void CRulerSliders::Place(const Rect& magnifier, const Rect& alpha) {
    m_magnifier.Place(magnifier);
    m_alpha.Place(alpha);
}

void CRulerSliders::SetMagnifierFactor(int factor) { m_magnifier.SetPos(Flipped(factor)); }

std::optional<int> CRulerSliders::MagnifierFactor(HWND control) const {
    if (!control || control != m_magnifier.GetSafeHwnd()) return std::nullopt;
    return Flipped(m_magnifier.GetPos());
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
