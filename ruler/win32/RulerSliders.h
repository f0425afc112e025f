// The magnifier's and the transparency's sliders.
#pragma once
#include <optional>

#include "platform/window/Controls.h"

// The ruler's two sliders: the magnifier's factor, beside the magnifier, more magnification up,
// and the transparency, whose thumb sets the ruler's opacity where layered windows exist. The
// layout places them. They are made anew for a new resolution, so that their thumbs and tips fit.
class CRulerSliders {
public:
    // Makes both as children of `ruler` at `dpi`, the transparency's tip in `font`, or makes them anew:
    // the magnifier's at `factor`, the transparency's at `opacity`, which the ruler takes at
    // once. The transparency's thumb moves by 5 with an arrow key and by 25 with a page key.
    void Create(HWND ruler, int dpi, HFONT font, int factor, int opacity);
    // Moves each onto its rectangle, or hides it where that is empty.
    void Place(const Rect& magnifier, const Rect& alpha);
    // Whether the system has layered windows, and so a transparency slider.
    bool HasAlpha() const { return m_setLayered != nullptr; }
    void SetMagnifierFactor(int factor);
    // The factor the magnifier slider shows when `control` is it.
    std::optional<int> MagnifierFactor(HWND control) const;
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
