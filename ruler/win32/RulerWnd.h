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
#include "ruler/readouts/AccessibleText.h"
#include "ruler/settings/RulerSettings.h"
#include "ruler/view/Palette.h"
#include "ruler/view/RulerPainter.h"
#include "ruler/win32/KeyboardRule.h"
#include "ruler/win32/Moment.h"
#include "ruler/win32/PlacementKeeper.h"
#include "ruler/win32/RulerParts.h"
#include "ruler/win32/ScreenWatch.h"

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
    void OnMouseWheel(WPARAM wParam, Point at);
    void OnLButtonDblClk(LPARAM position);
    LRESULT OnContextMenu(HWND from, Point at);
    void OnSystemChange();
    void OpenContextMenu(Point at);

    // The parts for the window's resolution, measured and laid out.
    void MakeParts();
    void Relayout();
    void TrackCursor();
    void SetMagnifierFactor(int factor);
    // Stores the values that changed and follows them: the readouts, the layout.
    void ApplySettings(const RulerSettings& settings);
    void Change(const std::function<void(RulerSettings&)>& change);
    UnitOfMeasure Unit() const;
    RulerZone ZoneUnderCursor() const;
    // The window's top-left corner in screen pixels: the scale's zero.
    Point Origin() const { return {GetWindowRect().left, GetWindowRect().top}; }
    RulerView View() const;
    ReadoutTexts Readouts() const;
    std::string MeasureText() const;
    std::string AccessibleText() const;

    RulerSettingsStore& m_store;
    RulerSettings m_settings;
    CPlacementKeeper m_placement;
    CKeyboardRule m_keyboard;
    CRulerParts m_parts;
    CScreenWatch m_watch;
    WheelSteps m_wheel;
    std::optional<Color> m_reference;  // Ctrl+R's colour, for the contrast; kept while the program runs
    CMoment m_toleranceShown;          // the edges' tolerance in the span's box after Ctrl+wheel
    Palette m_palette = kRulerColors;
    const AccessibleWords m_words;
    CWindowAccessibility m_accessibility;
    int m_dpi = 96;                       // the window's resolution, kept up to date by WM_DPICHANGED
    std::vector<MonitorArea> m_monitors;  // re-read when the display or its settings change
    bool m_menuOpen = false;
};
