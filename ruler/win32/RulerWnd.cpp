#include "ruler/win32/RulerWnd.h"

#include "platform/gdi/DC.h"
#include "platform/system/Clipboard.h"
#include "platform/system/Display.h"
#include "platform/system/SystemLibraries.h"
#include "platform/window/Menu.h"
#include "res/resource.h"
#include "ruler/readouts/AccessibleText.h"
#include "ruler/win32/BufferedDC.h"
#include "ruler/view/CloseFaces.h"
#include "ruler/colour/ColorFormats.h"
#include "ruler/win32/ContextMenu.h"
#include "base/DpiScale.h"
#include "ruler/win32/GdiCanvas.h"
#include "ruler/input/KeyCommands.h"
#include "ruler/magnifier/MagnifierGeometry.h"
#include "ruler/input/MenuMarks.h"
#include "base/Monitors.h"
#include "ruler/placement/Nudge.h"
#include "ruler/readouts/ReadoutText.h"
#include "ruler/placement/Rotation.h"
#include "ruler/layout/RulerLayout.h"
#include "zoom/win32/ZoomDlg.h"

namespace {

constexpr UINT_PTR TRACK_TIMER_ID = 250960;
constexpr UINT kTrackPeriodMs = 1;

bool AnyArrowKeyDown() {
    for (const int key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}) {
        if (::GetKeyState(key) < 0) return true;
    }
    return false;
}

}  // namespace

CRulerWnd::CRulerWnd(RulerSettingsStore& store)
    : CDialog(IDD_RULER, nullptr), m_store(store), m_accessibility(L"Velmar", [this] { return AccessibleText(); }) {
    m_monitors = Monitors();
    m_settings = m_store.Load();
}

// Every change was stored when it was made: nothing is left to write.
CRulerWnd::~CRulerWnd() = default;

void CRulerWnd::PostNcDestroy() { delete this; }

void CRulerWnd::OnCancel() {
    CDialog::OnCancel();
    DestroyWindow();
}

// Enter keeps the ruler as it is: ending the dialog would only hide it, leaving a process
// without a window whose settings are never written.
void CRulerWnd::OnOK() {}

BOOL CRulerWnd::OnInitDialog() {
    CDialog::OnInitDialog();
    // The ruler follows its own resolution, from the monitor it is on (WM_DPICHANGED).
    KeepDialogManagerFromScaling(m_hWnd);
    m_dpi = WindowDpi(m_hWnd);
    m_closeButton.SubclassDlgItem(IDCANCEL, m_hWnd);

    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    ::SetWindowTextW(m_hWnd, L"Velmar");
    KeepMinimumSize();
    MakeDpiResources();
    RestorePlacement();
    OnSystemChange();
    UpdateWindow();
    ::SetTimer(m_hWnd, TRACK_TIMER_ID, kTrackPeriodMs, nullptr);
    // The ruler takes the keyboard itself (OnActivate gives it to it once shown); TRUE would
    // have the dialog manager give it to the first control instead.
    return FALSE;
}

LRESULT CRulerWnd::OnNotify(WPARAM wParam, LPARAM lParam) {
    if (const auto opacity = m_sliders.OnNotify(wParam)) ChangeSettings([&](RulerSettings& s) { s.opacity = *opacity; });
    return CDialog::OnNotify(wParam, lParam);
}

void CRulerWnd::ChangeSettings(const std::function<void(RulerSettings&)>& change) {
    const RulerSettings before = m_settings;
    change(m_settings);
    m_store.SaveChanges(before, m_settings);
}

UnitOfMeasure CRulerWnd::Unit() const { return {m_settings.unit, m_dpi, m_settings.zoom}; }

// The fonts don't always grow as the resolution does (a bitmap font has few sizes), so a
// ruler made from its template can come out lower than it may be dragged.
void CRulerWnd::KeepMinimumSize() {
    const Rect window = GetWindowRect();
    const Point minimum = MinimumTrackSize(m_dpi);
    if (window.Width() >= minimum.x && window.Height() >= minimum.y) return;
    MoveWindow({window.left, window.top, window.left + std::max(window.Width(), minimum.x),
                window.top + std::max(window.Height(), minimum.y)});
}

// Where the user left the ruler, kept on the monitors as they are now; at first start the
// dialog manager centres it.
void CRulerWnd::RestorePlacement() {
    const std::optional<StoredPlacement> stored = m_store.LoadPlacement();
    if (!stored) return;
    m_storedPlacement = stored;
    const PlacementScreen screen{m_monitors, m_monitors.front(), DpiForRect(stored->window), VirtualScreen()};
    m_restoring = true;  // the size is already right for the monitor it is placed on
    MoveWindow(RestoredWindowRect(*stored, screen));
    m_restoring = false;
    KeepPlace();
}

// Only a place the store does not hold yet, and never a minimized window's: its place is not
// where the user left it.
void CRulerWnd::SavePlacement() {
    const StoredPlacement now{GetWindowRect(), m_dpi};
    if (::IsIconic(m_hWnd) || now == m_storedPlacement) return;
    m_store.SavePlacement(now);
    m_storedPlacement = now;
}

// The button takes the size of its face, which is never stretched; the sliders are made anew.
void CRulerWnd::MakeDpiResources() {
    m_fonts.Make(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)), m_dpi);
    m_cursors.Load(m_dpi);
    const CloseFace face = CloseFaceFor(m_dpi);
    m_closeButton.LoadBitmaps(face.normalId, face.pressedId);
    const Point size = m_closeButton.FaceSize();
    m_closeButton.MoveWindow({0, 0, size.x, size.y});
    PlaceCloseButton();
    MeasureReadouts();
    m_sliders.Create(m_hWnd, m_dpi, m_fonts.Dialog(), m_layout.magnifierSlider, m_settings.magnifierFactor, m_settings.alphaSliderShown,
                     m_settings.opacity);
}

void CRulerWnd::MeasureReadouts() {
    m_readoutWidths = ::MeasureReadouts(m_fonts, Unit());
    Relayout();
}

void CRulerWnd::Relayout() {
    m_layout = LayoutPanes(GetClientRect(), m_dpi, m_readoutWidths);
    m_sliders.PlaceMagnifier(m_layout.magnifierSlider);
    PlaceMagnifier();
}

void CRulerWnd::PlaceCloseButton() {
    const Rect button = m_closeButton.GetWindowRect();
    const Point origin = CloseButtonOrigin(GetWindowRect().Width(), button.Width(), m_dpi);
    m_closeButton.MoveWindow({origin.x, origin.y, origin.x + button.Width(), origin.y + button.Height()});
}

LRESULT CRulerWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto answered = m_accessibility.OnMessage(m_hWnd, message, wParam, lParam)) return *answered;
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return Default();
    case WM_ERASEBKGND:
        return TRUE;  // painting covers the whole client area
    case WM_SIZE:
        Default();
        OnSize();
        return 0;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return Default();
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
    case WM_SYSCOLORCHANGE:
        Default();
        OnSystemChange();
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SETCURSOR:
        return OnSetCursor(static_cast<short>(LOWORD(lParam)));  // HTERROR is negative
    case WM_ENDSESSION:
        // Windows ends the process after this without destroying the window.
        if (wParam) SavePlacement();
        return 0;
    case WM_DESTROY:
    case WM_EXITSIZEMOVE:
        SavePlacement();
        return Default();
    case WM_KEYUP:
        if (m_nudged && !AnyArrowKeyDown()) SaveNudge();
        return Default();
    case WM_LBUTTONDOWN:
        OnLButtonDown(lParam);
        return 0;
    case WM_GETDLGCODE:
        return Default() | DLGC_WANTARROWS;  // the arrow keys nudge the ruler
    case WM_KEYDOWN:
        return OnKeyDown(static_cast<int>(wParam), (lParam & (1 << 30)) != 0) ? 0 : Default();
    case WM_MOUSEWHEEL:
        OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), PointFromLParam(lParam));
        return 0;
    case WM_VSCROLL:
        if (const auto factor = m_sliders.MagnifierPosition(reinterpret_cast<HWND>(lParam))) SetMagnifierFactor(*factor);
        return Default();
    case WM_SETFOCUS:
        m_keyboardOnRuler = true;
        return 0;  // the ruler keeps the keyboard itself: no control is given it instead
    case WM_KILLFOCUS:
        OnKillFocus(reinterpret_cast<HWND>(wParam));
        return Default();
    case WM_ACTIVATE:
        return OnActivate(LOWORD(wParam));
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(lParam);
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(lParam);
        return 0;
    case WM_CONTEXTMENU:
        return OnContextMenu(reinterpret_cast<HWND>(wParam), PointFromLParam(lParam));
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

void CRulerWnd::OnPaint() {
    // Whatever the system refuses while drawing ends the drawing there; the buffer still
    // copies what was drawn, and the message goes on to default processing.
    try {
        CPaintDC paint(m_hWnd);
        CBufferedDC buffer(paint);
        CGdiCanvas canvas(buffer, m_fonts.Dialog(), &m_magnifier.Capture());
        PaintRuler(canvas, View());
    } catch (...) {
    }
}

RulerView CRulerWnd::View() const {
    RulerView view;
    view.client = GetClientRect();
    view.unit = m_settings.unit;
    view.zoom = m_settings.zoom;
    view.dpi = m_dpi;
    view.layout = m_layout;
    view.texts = Readouts();
    view.color = Subject().color;
    view.reference = m_reference;
    view.magnifier = m_geometry;
    view.held = m_magnifier.IsHeld();
    view.heldSource = m_magnifier.Capture().Source();
    view.picked = m_magnifier.PickedBlock();
    view.palette = m_palette;
    return view;
}

// What the readouts show: the cursor and the colour under it, or what Space holds.
ReadoutSubject CRulerWnd::Subject() const {
    const Rect window = GetWindowRect();
    return m_magnifier.Subject({m_tracker.LastCursor(), {window.left, window.top}, m_tracker.LastColor()});
}

ReadoutTexts CRulerWnd::Readouts() const {
    const Rect client = GetClientRect();
    return ReadoutTextsFor(Subject(), Unit(), client.Height() > client.Width(), m_reference);
}

// The picture around the cursor, or around the held one: worked out once for each tick (and
// layout), and what the tick copies is what the paint shows.
void CRulerWnd::PlaceMagnifier() {
    const Point cursor = m_magnifier.Cursor(m_tracker.LastCursor());
    m_geometry = m_layout.magnifier.IsEmpty() ? MagnifierGeometry{}
                                              : MagnifierGeometryFor(m_layout.magnifier, m_settings.magnifierFactor, cursor,
                                                                     MonitorAt(cursor, m_monitors), m_dpi);
}

void CRulerWnd::OnSize() {
    if (m_closeButton.IsWindow()) {
        PlaceCloseButton();
        Relayout();
    }
    InvalidateAll(true);
}

// The ruler moved to a monitor of another resolution, or its resolution changed: everything
// is made anew for the new one, and the window takes the size the system suggests.
void CRulerWnd::OnDpiChanged(int dpi, const RECT& suggested) {
    if (dpi <= 0 || dpi == m_dpi) return;
    m_dpi = dpi;
    MakeDpiResources();
    // Placing a restored ruler on its monitor changes nothing more: its size is already right.
    if (!m_restoring) MoveWindow(FromRECT(suggested));
    OnSize();  // also when the suggested size is the current one
    if (!m_restoring) SavePlacement();
}

void CRulerWnd::OnGetMinMaxInfo(MINMAXINFO& info) {
    const Point minimum = MinimumTrackSize(m_dpi);
    info.ptMinTrackSize.x = minimum.x;
    info.ptMinTrackSize.y = minimum.y;
}

void CRulerWnd::OnTimer(UINT_PTR id) {
    if (id == TRACK_TIMER_ID) TrackCursor();
}

// Samples the cursor and the colour under it, and invalidates what changed: the readouts whose
// text changed, and the magnifier's inside when its picture did. A ruler at rest over a still
// screen paints nothing; while Space holds, pointing into the picture picks a pixel of it.
void CRulerWnd::TrackCursor() {
    POINT position{};
    std::optional<Point> sample;
    if (::GetCursorPos(&position)) sample = FromPOINT(position);
    const bool moved = m_tracker.OnCursor(sample);
    PlaceMagnifier();
    bool repaint = m_magnifier.Tick(m_geometry, CScreenDC());
    if (m_magnifier.IsHeld()) {
        const Point cursor = m_tracker.LastCursor();
        const Rect window = GetWindowRect();
        repaint |= m_magnifier.Pick(m_geometry, {cursor.x - window.left, cursor.y - window.top});
    } else if (const auto copied = m_magnifier.ColorAt(m_tracker.LastCursor())) {
        m_tracker.OnColor(*copied);  // the magnifier's copy holds the pixel: no screen read
    } else if (moved || !m_layout.color.box.IsEmpty()) {
        m_tracker.OnColor(ColorUnderCursor());  // a shown colour follows the screen under a resting mouse
    }
    if (repaint) InvalidateRect(m_layout.MagnifierInterior(), false);
    for (const Rect& box : m_tracker.OnTexts(Readouts(), m_layout)) InvalidateRect(box, true);
    m_accessibility.Tick();
}

// What the readouts show, in words; a distance box as wide as its text may not fit.
std::string CRulerWnd::AccessibleText() const {
    const ReadoutTexts texts = Readouts();
    const int distance = m_fonts.TextWidth(WithUnit(texts.distance, UnitSuffix(m_settings.unit)));
    const ShownReadouts shown{!DistanceBox(m_layout, distance).box.IsEmpty(), !m_layout.position.box.IsEmpty(),
                              !m_layout.color.box.IsEmpty(), m_reference && !m_layout.colorWithContrast.box.IsEmpty()};
    return AccessibleValue(texts, m_settings.unit, Subject().color, shown);
}

// The monitors, the work areas or the system's colours changed.
void CRulerWnd::OnSystemChange() {
    m_monitors = Monitors();
    m_palette = HighContrastOn() ? HighContrastPalette(::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOWTEXT),
                                                       ::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HOTLIGHT))
                                 : kRulerColors;
    InvalidateAll(true);
}

bool CRulerWnd::HighContrastOn() const {
    HIGHCONTRASTW contrast{sizeof contrast};
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) && (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

Color CRulerWnd::ColorUnderCursor() const {
    const CScreenDC screen;
    const Point at = m_tracker.LastCursor();
    return ::GetPixel(screen.GetSafeHdc(), at.x, at.y);
}

// The colour Ctrl+C copies and Ctrl+R takes: the one under the mouse at this moment, or the
// held or picked one while Space holds.
Color CRulerWnd::ColorNow() {
    if (m_magnifier.IsHeld()) return Subject().color;
    TrackCursor();
    return ColorUnderCursor();
}

void CRulerWnd::SetMagnifierFactor(int factor) {
    const int kept = std::clamp(factor, kMinMagnifierFactor, kMaxMagnifierFactor);
    if (kept == m_settings.magnifierFactor) return;
    ChangeSettings([&](RulerSettings& s) { s.magnifierFactor = kept; });
    m_sliders.SetMagnifierFactor(kept);
}

// Each notch turned away from the user over the ruler (or its slider) magnifies one step more.
void CRulerWnd::OnMouseWheel(int delta, Point at) {
    if (!GetWindowRect().Contains(at)) return;
    SetMagnifierFactor(m_settings.magnifierFactor + m_wheel.Steps(delta));
}

RulerZone CRulerWnd::ZoneUnderCursor() const {
    POINT cursor{};
    if (!::GetCursorPos(&cursor)) return ZoneCaption;
    return HitTestRuler(FromPOINT(cursor), GetWindowRect(), m_closeButton.GetWindowRect(), m_dpi);
}

LRESULT CRulerWnd::OnSetCursor(int hitTest) {
    // HTERROR: the ruler is disabled under the zoom dialog; the system beeps and brings the
    // dialog forward.
    if (m_menuOpen || hitTest == HTERROR) return Default();

    HCURSOR cursor = m_cursors.For(CursorForZone(ZoneUnderCursor()));
    if (!cursor) return Default();
    ::SetCursor(cursor);
    return TRUE;
}

// The ruler has no caption or frame: a press hands its zone to the system's own move and
// size loops, which start when the posted message reaches default processing.
void CRulerWnd::OnLButtonDown(LPARAM position) {
    Default();
    ::SetFocus(m_hWnd);  // a press on the surface takes the keyboard back from the sliders
    const RulerZone zone = PressZone(ZoneUnderCursor());
    PostMessage(WM_NCLBUTTONDOWN, static_cast<WPARAM>(zone), MAKELPARAM(LOWORD(position), HIWORD(position)));
}

// While the ruler itself has the keyboard: see KeyCommands.
bool CRulerWnd::OnKeyDown(int key, bool repeat) {
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    const bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
    switch (CommandForKey(key, shift, ctrl, repeat)) {
    case KeyCommand::Nudge:
        Nudge(*NudgeKeyFor(key), shift, ctrl);
        return true;
    case KeyCommand::CopyColor:
        // Another program holding the clipboard leaves it as it is; the next press tries again.
        CopyTextToClipboard(m_hWnd, ColorText(ColorNow(), m_settings.colorFormat));
        return true;
    case KeyCommand::ToggleHold:
        ToggleHold();
        return true;
    case KeyCommand::TakeReference:
        m_reference = ColorNow();
        InvalidateAll(true);  // the swatch, the contrast's line and the numbers by it
        return true;
    case KeyCommand::DropReference:
        m_reference.reset();
        InvalidateAll(true);
        return true;
    case KeyCommand::Swallow:
        return true;
    case KeyCommand::None:
        break;
    }
    return false;
}

// Never so far that less than a piece of the ruler stays on the work areas: a borderless
// topmost window off every monitor would be hard to get back. The place is stored once the
// arrow keys are let go (or the keyboard goes elsewhere), not at every repeat.
void CRulerWnd::Nudge(NudgeKey key, bool shift, bool ctrl) {
    const Rect before = GetWindowRect();
    std::vector<Rect> workAreas;
    for (const MonitorArea& monitor : m_monitors) workAreas.push_back(monitor.work);
    MoveWindow(LimitedNudge(before, NudgedWindowRect(before, key, shift, ctrl, MinimumTrackSize(m_dpi)), workAreas, m_dpi));
    m_nudged = true;
    TrackCursor();
}

void CRulerWnd::SaveNudge() {
    m_nudged = false;
    SavePlacement();
}

void CRulerWnd::ToggleHold() {
    if (m_magnifier.IsHeld()) {
        m_magnifier.Release();
    } else {
        TrackCursor();
        m_magnifier.Hold(Subject());
    }
    InvalidateAll(true);  // the readouts and the crosshair's colour
    TrackCursor();
}

// The ruler's own rule for the keyboard: it gives it up to one of its sliders, but not to a
// menu, a modal dialog (which disables it, leaving no focus at all) or another program, and
// takes it back when it is activated again.
void CRulerWnd::OnKillFocus(HWND to) {
    if (to && ::IsChild(m_hWnd, to)) m_keyboardOnRuler = false;
    if (m_nudged) SaveNudge();
}

// Activated again, the keyboard goes back to where it was: to the ruler itself when it had it
// (at start-up too), else to the control that had it, as dialogs do.
LRESULT CRulerWnd::OnActivate(int state) {
    if (state == WA_INACTIVE || !m_keyboardOnRuler) return Default();
    ::SetFocus(m_hWnd);
    return 0;
}

void CRulerWnd::OnLButtonDblClk(LPARAM position) {
    const Point click = ClientToScreen(PointFromLParam(position));
    MoveWindow(RotatedWindowRect(GetWindowRect(), click), true);
    SavePlacement();
    TrackCursor();
    Default();
}

void CRulerWnd::OnRButtonDown(LPARAM position) {
    OpenContextMenu(ClientToScreen(PointFromLParam(position)));
    Default();
}

// From the keyboard (Shift+F10, the context-menu key) the position is -1, -1: the menu opens by
// the ruler's top-left corner. A right-click on a slider passes its position on; one on the
// ruler's own surface opened the menu when it was pressed.
LRESULT CRulerWnd::OnContextMenu(HWND from, Point at) {
    if (at == Point{-1, -1}) {
        const Rect window = GetWindowRect();
        OpenContextMenu({window.left + Scaled(5, m_dpi), window.top + Scaled(5, m_dpi)});
        return 0;
    }
    if (m_sliders.IsSlider(from)) {
        OpenContextMenu(at);
        return 0;
    }
    return Default();
}

void CRulerWnd::OpenContextMenu(Point at) {
    const CMenu menu(IDR_RULER_MENU);
    if (HMENU popup = menu.GetSubMenu(0)) RunContextMenu(popup, at);
}

// Marks the current settings, runs the menu at `at` (screen pixels), carries out the
// chosen command and repaints the whole ruler, whatever was chosen.
void CRulerWnd::RunContextMenu(HMENU popup, Point at) {
    MarkContextMenu(popup, m_settings);

    m_menuOpen = true;
    const int command = static_cast<int>(
        ::TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, m_hWnd, nullptr));
    m_menuOpen = false;
    if (!IsWindow()) return;  // closed while the menu was open

    const RulerSettings before = m_settings;
    switch (ApplyMenuCommand(m_settings, command)) {
    case MenuFollowUp::ShowAlphaSlider: m_sliders.ShowAlpha(true); break;
    case MenuFollowUp::HideAlphaSlider: m_sliders.ShowAlpha(false); break;
    case MenuFollowUp::RunZoomDialog: RunZoomDialog(); break;
    case MenuFollowUp::None: break;
    }
    m_store.SaveChanges(before, m_settings);
    if (!IsWindow()) return;  // closed while the zoom dialog was open
    if (m_settings.unit != before.unit || m_settings.zoom != before.zoom) MeasureReadouts();

    InvalidateAll(true);
    UpdateWindow();
    TrackCursor();
    if (m_keyboardOnRuler && ::GetActiveWindow() == m_hWnd) ::SetFocus(m_hWnd);  // as before the menu
}

void CRulerWnd::RunZoomDialog() {
    CZoomDlg dialog(m_hWnd);
    dialog.m_nPercent = m_settings.zoom;
    const INT_PTR result = dialog.DoModal();
    ApplyZoomDialogResult(m_settings, result == IDOK, dialog.m_nPercent);
}
