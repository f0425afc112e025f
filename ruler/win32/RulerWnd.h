// The ruler window: a switchboard from the system's messages to the ruler's parts.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Color.h"
#include "base/Monitors.h"
#include "platform/accessibility/Accessible.h"
#include "platform/window/Controls.h"
#include "platform/window/Dialog.h"
#include "ruler/input/HitTest.h"
#include "ruler/input/WheelSteps.h"
#include "ruler/layout/PaneLayout.h"
#include "ruler/settings/RulerSettings.h"
#include "ruler/view/Palette.h"
#include "ruler/view/RulerPainter.h"
#include "ruler/win32/KeyboardRule.h"
#include "ruler/win32/PlacementKeeper.h"
#include "ruler/win32/RulerFonts.h"
#include "ruler/win32/RulerSliders.h"
#include "ruler/win32/ScreenWatch.h"
#include "ruler/win32/ZoneCursors.h"

// The ruler: a borderless, always-on-top modeless dialog that paints its own scale and
// readouts. It reads its settings when constructed and stores each change as it is made; its
// place is kept by CPlacementKeeper. Once its window is gone it deletes itself.
class CRulerWnd : public CDialog {
public:
    // Reads the settings from `store`; Create() then makes the window. Every change goes back
    // to `store`, which must outlive the window.
    explicit CRulerWnd(RulerSettingsStore& store);
    ~CRulerWnd() override;

protected:
    // Whether Windows' high contrast is on, as the system says.
    virtual bool HighContrastOn() const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    void OnPaint();
    void OnSize();
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnGetMinMaxInfo(MINMAXINFO& info) const;
    LRESULT OnSetCursor(int hitTest);
    void OnLButtonDown(LPARAM position);
    bool OnKeyDown(int key, bool repeat);
    void OnMouseWheel(int delta, Point at);
    void OnLButtonDblClk(LPARAM position);
    LRESULT OnContextMenu(HWND from, Point at);
    void OnSystemChange();
    void OpenContextMenu(Point at);

    // Fonts, cursors, close-button faces and sliders for the window's resolution.
    void MakeDpiResources();
    // The widest readouts of the unit in the font, and the layout that follows from them.
    void MeasureReadouts();
    void Relayout();
    void TrackCursor();
    void SetMagnifierFactor(int factor);
    // Stores the values that changed and follows them: the slider's visibility, the readouts.
    void ApplySettings(const RulerSettings& settings);
    UnitOfMeasure Unit() const;
    RulerZone ZoneUnderCursor() const;
    // The window's top-left corner in screen pixels: the scale's zero.
    Point Origin() const;
    RulerView View() const;
    ReadoutTexts Readouts() const;
    std::string AccessibleText() const;

    RulerSettingsStore& m_store;
    RulerSettings m_settings;
    CPlacementKeeper m_placement;
    CKeyboardRule m_keyboard;
    CBitmapButton m_closeButton;
    CScreenWatch m_watch;
    WheelSteps m_wheel;
    std::optional<Color> m_reference;  // Ctrl+R's colour, for the contrast; kept while the program runs
    Palette m_palette = kRulerColors;
    CWindowAccessibility m_accessibility;
    int m_dpi = 96;  // the window's resolution, kept up to date by WM_DPICHANGED
    CRulerFonts m_fonts;
    ReadoutWidths m_readoutWidths;
    PaneLayout m_layout;                  // made anew when the size, the resolution or the unit changes
    std::vector<MonitorArea> m_monitors;  // re-read when the display or its settings change
    CRulerSliders m_sliders;
    CZoneCursors m_cursors;
    bool m_menuOpen = false;
};
