// The magnifier's and the transparency's sliders.
#pragma once
#include <optional>

#include "platform/window/Controls.h"

// The ruler's two sliders: the magnifier's factor, beside the magnifier, and the transparency,
// near the top-left corner, whose thumb sets the ruler's opacity where layered windows exist.
// They are made anew for a new resolution, so that their thumbs and tips fit it.
class CRulerSliders {
public:
    // Makes both as children of `ruler` at `dpi`, their tips in `font`, or makes them anew: the
    // magnifier's at `factor`, on `magnifier` (hidden while that is empty), the transparency's at
    // `opacity`, which the ruler takes at once. The transparency's thumb moves by 5 with an arrow
    // key and by 25 with a page key.
    void Create(HWND ruler, int dpi, HFONT font, const Rect& magnifier, int factor, bool alphaShown, int opacity);
    void PlaceMagnifier(const Rect& rect);
    void SetMagnifierFactor(int factor) { m_magnifier.SetPos(factor); }
    // The magnifier slider's position when `control` is it.
    std::optional<int> MagnifierPosition(HWND control) const;
    void ShowAlpha(bool shown) { m_alpha.ShowWindow(shown ? SW_SHOW : SW_HIDE); }
    bool IsSlider(HWND control) const {
        return control && (control == m_magnifier.GetSafeHwnd() || control == m_alpha.GetSafeHwnd());
    }
    // A notification from the control `id`: the transparency slider notifies on every redraw,
    // so the opacity follows its thumb while it moves. The new opacity when it changed.
    std::optional<int> OnNotify(WPARAM id);

private:
    // 255 is full opacity, which is no layered window at all.
    void ApplyAlpha(int alpha);

    using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    HWND m_ruler = nullptr;
    CSliderCtrl m_magnifier;
    CSliderCtrl m_alpha;
    SetLayeredWindowAttributesFn m_setLayered = nullptr;  // null on systems without layered windows
    int m_opacity = 255;                                  // what the ruler shows
};
