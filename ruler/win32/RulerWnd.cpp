// The ruler window's handlers: each reads the message, asks the ruler's parts and calls the system.
#include "ruler/win32/RulerWnd.h"

#include "base/DpiScale.h"
#include "platform/gdi/DC.h"
#include "platform/system/Clipboard.h"
#include "platform/system/Display.h"
#include "res/resource.h"
#include "ruler/colour/ColorFormats.h"
#include "ruler/input/KeyCommands.h"
#include "ruler/placement/Rotation.h"
#include "ruler/placement/WindowPlacement.h"
#include "ruler/readouts/AccessibleText.h"
#include "ruler/readouts/ReadoutText.h"
#include "ruler/view/CloseFaces.h"
#include "ruler/win32/BufferedDC.h"
#include "ruler/win32/ContextMenu.h"
#include "ruler/win32/GdiCanvas.h"

namespace {

constexpr UINT_PTR TRACK_TIMER_ID = 250960;
constexpr UINT kTrackPeriodMs = 1;

}  // namespace

CRulerWnd::CRulerWnd(RulerSettingsStore& store)
    : CDialog(IDD_RULER, nullptr), m_store(store), m_settings(store.Load()), m_placement(store),
      m_accessibility(L"Velmar", [this] { return AccessibleText(); }), m_monitors(Monitors()) {}

// Every change was stored when it was made: nothing is left to write.
CRulerWnd::~CRulerWnd() = default;

void CRulerWnd::PostNcDestroy() { delete this; }

void CRulerWnd::OnCancel() {
    CDialog::OnCancel();
    DestroyWindow();
}

// Enter keeps the ruler as it is: ending the dialog would only hide it, leaving a process
// without a window.
void CRulerWnd::OnOK() {}

BOOL CRulerWnd::OnInitDialog() {
    CDialog::OnInitDialog();
    // The ruler follows its own resolution, from the monitor it is on (WM_DPICHANGED).
    KeepDialogManagerFromScaling(m_hWnd);
    m_dpi = WindowDpi(m_hWnd);
    m_closeButton.SubclassDlgItem(IDCANCEL, m_hWnd);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    ::SetWindowTextW(m_hWnd, L"Velmar");
    MakeDpiResources();
    if (m_placement.Restore(*this, m_dpi, m_monitors)) KeepPlace();
    OnSystemChange();
    UpdateWindow();
    ::SetTimer(m_hWnd, TRACK_TIMER_ID, kTrackPeriodMs, nullptr);
    // The ruler takes the keyboard itself (OnActivate gives it to it once shown); TRUE would
    // have the dialog manager give it to the first control instead.
    return FALSE;
}

LRESULT CRulerWnd::OnNotify(WPARAM wParam, LPARAM lParam) {
    if (const auto opacity = m_sliders.OnNotify(wParam)) {
        RulerSettings changed = m_settings;
        changed.opacity = *opacity;
        ApplySettings(changed);
    }
    return CDialog::OnNotify(wParam, lParam);
}

void CRulerWnd::ApplySettings(const RulerSettings& settings) {
    const RulerSettings before = std::exchange(m_settings, settings);
    m_store.SaveChanges(before, m_settings);
    if (m_settings.unit != before.unit || m_settings.zoom != before.zoom) MeasureReadouts();
    if (m_settings.alphaSliderShown != before.alphaSliderShown) Relayout(), InvalidateAll(true);
}

UnitOfMeasure CRulerWnd::Unit() const { return {m_settings.unit, m_dpi, m_settings.zoom}; }

// The button takes the size of its face, which is never stretched; the sliders are made anew.
void CRulerWnd::MakeDpiResources() {
    m_fonts.Make(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)), m_dpi);
    m_cursors.Load(m_dpi);
    const CloseFace face = CloseFaceFor(m_dpi);
    m_closeButton.LoadBitmaps(face.normalId, face.pressedId);
    m_sliders.Create(m_hWnd, m_dpi, m_fonts.Dialog(), m_settings.magnifierFactor, m_settings.opacity);
    MeasureReadouts();
}

void CRulerWnd::MeasureReadouts() {
    m_readoutWidths = ::MeasureReadouts(m_fonts, Unit());
    Relayout();
}

// Every part where the layout puts it, or hidden.
void CRulerWnd::Relayout() {
    const LayoutControls controls{m_closeButton.FaceSize(), m_settings.alphaSliderShown && m_sliders.HasAlpha()};
    m_layout = LayoutPanes(GetClientRect(), m_dpi, m_readoutWidths, controls);
    m_closeButton.Place(m_layout.closeButton);
    m_sliders.Place(m_layout.magnifierSlider, m_layout.alphaSlider);
    m_watch.Arrange(m_layout.magnifier, m_settings.magnifierFactor, m_monitors, m_dpi);
}

Point CRulerWnd::Origin() const {
    const Rect window = GetWindowRect();
    return {window.left, window.top};
}

LRESULT CRulerWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto answered = m_accessibility.OnMessage(m_hWnd, message, wParam, lParam)) return *answered;
    switch (message) {
    case WM_PAINT: return OnPaint(), Default();
    case WM_ERASEBKGND: return TRUE;  // painting covers the whole client area
    case WM_SIZE: return Default(), OnSize(), 0;
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam)), 0;
    case WM_TIMER:
        if (wParam == TRACK_TIMER_ID) TrackCursor();
        return Default();
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
    case WM_SYSCOLORCHANGE: return Default(), OnSystemChange(), 0;
    case WM_DPICHANGED: return OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam)), 0;
    case WM_SETCURSOR: return OnSetCursor(static_cast<short>(LOWORD(lParam)));  // HTERROR is negative
    case WM_ENDSESSION:
        // Windows ends the process after this without destroying the window.
        if (wParam) m_placement.Save(*this, m_dpi);
        return 0;
    case WM_DESTROY:
    case WM_EXITSIZEMOVE: return m_placement.Save(*this, m_dpi), Default();
    case WM_KEYUP: return m_placement.OnKeyUp(*this, m_dpi), Default();
    case WM_LBUTTONDOWN: return OnLButtonDown(lParam), 0;
    case WM_GETDLGCODE: return Default() | DLGC_WANTARROWS;  // the arrow keys nudge the ruler
    case WM_KEYDOWN: return OnKeyDown(static_cast<int>(wParam), (lParam & (1 << 30)) != 0) ? 0 : Default();
    case WM_MOUSEWHEEL: return OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), PointFromLParam(lParam)), 0;
    case WM_VSCROLL:
        if (const auto factor = m_sliders.MagnifierFactor(reinterpret_cast<HWND>(lParam))) SetMagnifierFactor(*factor);
        return Default();
    case WM_SETFOCUS:
        return m_keyboard.OnSetFocus(), 0;  // the ruler keeps the keyboard: no control is given it instead
    case WM_KILLFOCUS:
        m_keyboard.OnKillFocus(m_hWnd, reinterpret_cast<HWND>(wParam));
        return m_placement.OnKeyboardGone(*this, m_dpi), Default();
    case WM_ACTIVATE: return m_keyboard.OnActivate(m_hWnd, LOWORD(wParam)) ? 0 : Default();
    case WM_LBUTTONDBLCLK: return OnLButtonDblClk(lParam), 0;
    case WM_RBUTTONDOWN: return OpenContextMenu(ClientToScreen(PointFromLParam(lParam))), Default(), 0;
    case WM_CONTEXTMENU: return OnContextMenu(reinterpret_cast<HWND>(wParam), PointFromLParam(lParam));
    default: return CDialog::WindowProc(message, wParam, lParam);
    }
}

void CRulerWnd::OnPaint() {
    // Whatever the system refuses while drawing ends the drawing there; the buffer still
    // copies what was drawn, and the message goes on to default processing.
    try {
        CPaintDC paint(m_hWnd);
        CBufferedDC buffer(paint);
        CGdiCanvas canvas(buffer, m_fonts.Dialog(), &m_watch.Capture());
        PaintRuler(canvas, View());
    } catch (...) {}
}

RulerView CRulerWnd::View() const {
    RulerView view;
    view.client = GetClientRect();
    view.measure = Unit();
    view.layout = m_layout;
    view.texts = Readouts();
    view.color = m_watch.Subject(Origin()).color;
    view.reference = m_reference;
    view.magnifier = m_watch.Geometry();
    view.held = m_watch.IsHeld();
    view.heldSource = m_watch.Capture().Source();
    view.picked = m_watch.PickedBlock();
    view.palette = m_palette;
    return view;
}

ReadoutTexts CRulerWnd::Readouts() const {
    const Rect client = GetClientRect();
    return ReadoutTextsFor(m_watch.Subject(Origin()), Unit(), client.Height() > client.Width(), m_reference);
}

void CRulerWnd::OnSize() {
    if (m_closeButton.IsWindow()) Relayout();
    InvalidateAll(true);
}

// The ruler moved to a monitor of another resolution, or its resolution changed: everything
// is made anew for the new one, and the window takes the size the system suggests, unless it is
// being placed where it was left: then its size is right already.
void CRulerWnd::OnDpiChanged(int dpi, const RECT& suggested) {
    if (dpi <= 0 || dpi == m_dpi) return;
    m_dpi = dpi;
    MakeDpiResources();
    if (!m_placement.IsRestoring()) MoveWindow(FromRECT(suggested));
    OnSize();  // also when the suggested size is the current one
    if (!m_placement.IsRestoring()) m_placement.Save(*this, m_dpi);
}

void CRulerWnd::OnGetMinMaxInfo(MINMAXINFO& info) const {
    const Point minimum = MinimumTrackSize(m_dpi);
    info.ptMinTrackSize = {minimum.x, minimum.y};
}

// Invalidates what a tick changed: the readouts whose text changed, and the magnifier's inside
// when its picture did.
void CRulerWnd::TrackCursor() {
    if (m_watch.Tick(Origin(), !m_layout.color.box.IsEmpty())) InvalidateRect(m_layout.MagnifierInterior(), false);
    for (const Rect& box : m_watch.ChangedBoxes(Readouts(), m_layout)) InvalidateRect(box, true);
    m_accessibility.Tick();
}

std::string CRulerWnd::AccessibleText() const { return AccessibleValue(View(), m_fonts); }

// The monitors, the work areas or the system's colours changed.
void CRulerWnd::OnSystemChange() {
    m_monitors = Monitors();
    m_watch.Arrange(m_layout.magnifier, m_settings.magnifierFactor, m_monitors, m_dpi);
    m_palette = HighContrastOn() ? HighContrastPalette(::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOWTEXT),
                                                       ::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HOTLIGHT))
                                 : kRulerColors;
    InvalidateAll(true);
}

bool CRulerWnd::HighContrastOn() const {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

void CRulerWnd::SetMagnifierFactor(int factor) {
    RulerSettings changed = m_settings;
    changed.magnifierFactor = std::clamp(factor, kMinMagnifierFactor, kMaxMagnifierFactor);
    if (changed == m_settings) return;
    ApplySettings(changed);
    m_sliders.SetMagnifierFactor(changed.magnifierFactor);
    m_watch.Arrange(m_layout.magnifier, m_settings.magnifierFactor, m_monitors, m_dpi);
}

// Each notch turned away from the user over the ruler (or its slider) magnifies one step more.
void CRulerWnd::OnMouseWheel(int delta, Point at) {
    if (GetWindowRect().Contains(at)) SetMagnifierFactor(m_settings.magnifierFactor + m_wheel.Steps(delta));
}

RulerZone CRulerWnd::ZoneUnderCursor() const {
    POINT cursor{};
    if (!::GetCursorPos(&cursor)) return ZoneCaption;
    const Rect closeButton = m_layout.closeButton.IsEmpty() ? Rect{} : m_closeButton.GetWindowRect();
    return HitTestRuler(FromPOINT(cursor), GetWindowRect(), closeButton, m_dpi);
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
    PostMessage(WM_NCLBUTTONDOWN, static_cast<WPARAM>(PressZone(ZoneUnderCursor())),
                MAKELPARAM(LOWORD(position), HIWORD(position)));
}

// While the ruler itself has the keyboard: see KeyCommands.
bool CRulerWnd::OnKeyDown(int key, bool repeat) {
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    const bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
    switch (CommandForKey(key, shift, ctrl, repeat)) {
    case KeyCommand::Nudge:
        m_placement.Nudge(*this, *NudgeKeyFor(key), shift, ctrl, m_dpi, m_monitors);
        TrackCursor();
        return true;
    case KeyCommand::CopyColor:
        // Another program holding the clipboard leaves it as it is; the next press tries again.
        CopyTextToClipboard(m_hWnd, ColorText(m_watch.ColorNow(Origin()), m_settings.colorFormat));
        return true;
    case KeyCommand::ToggleHold:
        m_watch.ToggleHold(Origin());
        InvalidateAll(true);  // the readouts and the crosshair's colour
        return TrackCursor(), true;
    case KeyCommand::TakeReference: return m_reference = m_watch.ColorNow(Origin()), InvalidateAll(true), true;
    case KeyCommand::DropReference: return m_reference.reset(), InvalidateAll(true), true;
    case KeyCommand::Swallow: return true;
    case KeyCommand::None: break;
    }
    return false;
}

void CRulerWnd::OnLButtonDblClk(LPARAM position) {
    MoveWindow(RotatedWindowRect(GetWindowRect(), ClientToScreen(PointFromLParam(position))), true);
    m_placement.Save(*this, m_dpi);
    TrackCursor();
    Default();
}

// From the keyboard (Shift+F10, the context-menu key) the position is -1, -1: the menu opens by
// the ruler's top-left corner. A right-click on a slider passes its position on; one on the
// ruler's own surface opened the menu when it was pressed.
LRESULT CRulerWnd::OnContextMenu(HWND from, Point at) {
    if (at == Point{-1, -1}) {
        const Rect window = GetWindowRect();
        return OpenContextMenu({window.left + Scaled(5, m_dpi), window.top + Scaled(5, m_dpi)}), 0;
    }
    if (m_sliders.IsSlider(from)) return OpenContextMenu(at), 0;
    return Default();
}

// Whatever was chosen, the whole ruler is repainted and the keyboard goes back where it was.
void CRulerWnd::OpenContextMenu(Point at) {
    const RulerSettings chosen = RunContextMenu(m_hWnd, at, m_settings, m_menuOpen);
    if (!IsWindow()) return;  // closed while the menu or the zoom dialog was open
    ApplySettings(chosen);
    InvalidateAll(true);
    UpdateWindow();
    TrackCursor();
    m_keyboard.AfterMenu(m_hWnd);
}
