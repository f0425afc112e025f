#pragma once
#include "platform/accessibility/Accessible.h"
#include "platform/window/Controls.h"
#include "platform/window/Dialog.h"
#include "ruler/readouts/AccessibleText.h"
#include "base/Color.h"
#include "ruler/readouts/CursorTracking.h"
#include "ruler/input/HitTest.h"
#include "ruler/win32/Magnifier.h"
#include "base/Monitors.h"
#include "ruler/placement/Nudge.h"
#include "ruler/view/Palette.h"
#include "ruler/layout/PaneLayout.h"
#include "ruler/win32/RulerFonts.h"
#include "ruler/view/RulerPainter.h"
#include "ruler/settings/RulerSettings.h"
#include "ruler/win32/RulerSliders.h"
#include "ruler/input/WheelSteps.h"
#include "ruler/win32/ZoneCursors.h"

#include <functional>

// The ruler: a borderless, always-on-top modeless dialog that paints its own scale and
// readouts. It restores its settings when constructed and stores them whenever they change,
// at the end of the Windows session and once its window is gone; then it deletes itself.
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
    void OnTimer(UINT_PTR id);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnGetMinMaxInfo(MINMAXINFO& info);
    LRESULT OnSetCursor(int hitTest);
    void OnLButtonDown(LPARAM position);
    bool OnKeyDown(int key, bool repeat);
    void OnMouseWheel(int delta, Point at);
    LRESULT OnActivate(int state);
    void OnKillFocus(HWND to);
    void OnLButtonDblClk(LPARAM position);
    void OnRButtonDown(LPARAM position);
    LRESULT OnContextMenu(HWND from, Point at);
    void OnSystemChange();
    void OpenContextMenu(Point at);
    std::string AccessibleText() const;
    // Changes the settings by `change` and stores the values that changed.
    void ChangeSettings(const std::function<void(RulerSettings&)>& change);
    UnitOfMeasure Unit() const;

    // Fonts and close-button faces for the window's resolution.
    void MakeDpiResources();
    void KeepMinimumSize();
    void RestorePlacement();
    // Stores where the window is now, with its resolution.
    void SavePlacement();
    void Nudge(NudgeKey key, bool shift, bool ctrl);
    void SaveNudge();
    // The widest readouts of the unit in the font, and the layout that follows from them.
    void MeasureReadouts();
    void Relayout();
    void PlaceCloseButton();
    void TrackCursor();
    Color ColorUnderCursor() const;
    Color ColorNow();
    void ToggleHold();
    void SetMagnifierFactor(int factor);
    // The zone of the ruler under the mouse now.
    RulerZone ZoneUnderCursor() const;
    void RunContextMenu(HMENU popup, Point at);
    void RunZoomDialog();
    RulerView View() const;
    ReadoutSubject Subject() const;
    ReadoutTexts Readouts() const;
    void PlaceMagnifier();

    RulerSettingsStore& m_store;
    RulerSettings m_settings;
    CBitmapButton m_closeButton;
    CursorTracker m_tracker;  // last cursor position and colour seen
    CMagnifier m_magnifier;   // its copy of the screen, and what Space holds
    WheelSteps m_wheel;
    std::optional<Color> m_reference;  // Ctrl+R's colour, for the contrast; kept while the program runs
    Palette m_palette = kRulerColors;
    CWindowAccessibility m_accessibility;
    int m_dpi = 96;           // the window's resolution, kept up to date by WM_DPICHANGED
    CRulerFonts m_fonts;
    ReadoutWidths m_readoutWidths;
    PaneLayout m_layout;      // made anew when the size, the resolution or the unit changes
    MagnifierGeometry m_geometry;  // the magnifier's, for the last tick and layout
    std::vector<MonitorArea> m_monitors;  // re-read when the display or its settings change
    CRulerSliders m_sliders;
    CZoneCursors m_cursors;
    std::optional<StoredPlacement> m_storedPlacement;  // what the store holds, as far as this ruler knows
    bool m_menuOpen = false;
    bool m_restoring = false;   // placing the stored rectangle: WM_DPICHANGED keeps its size
    bool m_nudged = false;      // the arrow keys moved the ruler since its place was last stored
    bool m_keyboardOnRuler = true;  // the ruler itself, not a slider, has (or had) the keyboard
};
