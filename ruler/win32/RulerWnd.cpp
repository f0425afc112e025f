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
#include "ruler/readouts/ReadoutText.h"
#include "ruler/win32/BufferedDC.h"
#include "ruler/win32/ContextMenu.h"
#include "ruler/win32/GdiCanvas.h"
#include "ruler/win32/RulerWords.h"

namespace {

constexpr UINT_PTR TRACK_TIMER_ID = 250960;
constexpr UINT kTrackPeriodMs = 1;

}  // namespace

CRulerWnd::CRulerWnd(RulerSettingsStore& store)
    : CDialog(IDD_RULER, nullptr), m_store(store), m_settings(store.Load()), m_placement(store),
      m_words(LoadAccessibleWords()), m_accessibility(ProgramName(), [this] { return AccessibleText(); }),
      m_monitors(Monitors()) {}

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
    m_parts.Attach(m_hWnd);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    ::SetWindowTextW(m_hWnd, ProgramName().c_str());
    MakeParts();
    if (m_placement.Restore(*this, m_dpi, m_monitors)) KeepPlace();
    OnSystemChange();
    UpdateWindow();
    ::SetTimer(m_hWnd, TRACK_TIMER_ID, kTrackPeriodMs, nullptr);
    // The ruler takes the keyboard itself (OnActivate gives it to it once shown); TRUE would
    // have the dialog manager give it to the first control instead.
    return FALSE;
}

LRESULT CRulerWnd::OnNotify(WPARAM wParam, LPARAM lParam) {
    if (const auto opacity = m_parts.Sliders().OnNotify(wParam))
        Change([&](RulerSettings& s) { s.opacity = *opacity; });
    return CDialog::OnNotify(wParam, lParam);
}

void CRulerWnd::Change(const std::function<void(RulerSettings&)>& change) {
    RulerSettings changed = m_settings;
    change(changed);
    ApplySettings(changed);
}

void CRulerWnd::ApplySettings(const RulerSettings& settings) {
    const RulerSettings before = std::exchange(m_settings, settings);
    m_store.SaveChanges(before, m_settings);
    if (m_settings.unit != before.unit || m_settings.zoom != before.zoom) m_parts.Measure(Unit());
    RulerSettings layoutAlike = m_settings;  // the opacity alone changes nothing on the ruler's face
    layoutAlike.opacity = before.opacity;
    if (layoutAlike != before) Relayout(), InvalidateAll(true);
}

UnitOfMeasure CRulerWnd::Unit() const { return {m_settings.unit, m_dpi, m_settings.zoom}; }

void CRulerWnd::MakeParts() {
    m_parts.Make(m_dpi, m_settings);
    m_parts.Measure(Unit());
    Relayout();
}

// Every part where the layout puts it, or hidden; the watch measuring what the layout shows.
void CRulerWnd::Relayout() {
    const Rect client = GetClientRect();
    m_parts.Arrange(client, m_settings);
    m_watch.Arrange(m_parts.Layout(), client, m_settings, m_monitors, m_dpi);
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
    case WM_MOUSEWHEEL: return OnMouseWheel(wParam, PointFromLParam(lParam)), 0;
    case WM_VSCROLL:
        if (const auto factor = m_parts.Sliders().MagnifierFactor(reinterpret_cast<HWND>(lParam)))
            SetMagnifierFactor(*factor);
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
        CGdiCanvas canvas(buffer, m_parts.Fonts().Dialog(), &m_watch.Capture());
        PaintRuler(canvas, View());
    } catch (...) {}
}

RulerView CRulerWnd::View() const {
    RulerView view;
    view.client = GetClientRect();
    view.measure = Unit();
    view.layout = m_parts.Layout();
    view.texts = Readouts();
    view.subject = m_watch.Subject(Origin());
    view.reference = m_reference;
    view.magnifier = m_watch.Geometry();
    view.held = m_watch.IsHeld();
    view.heldSource = m_watch.Capture().Source();
    view.picked = m_watch.PickedBlock();
    view.origin = Origin();
    if (m_toleranceShown.IsOn()) view.tolerance = m_settings.edgeTolerance;
    view.palette = m_palette;
    return view;
}

// What Ctrl+Shift+C copies: the span while spans are measured, else the distance, with its unit.
std::string CRulerWnd::MeasureText() const {
    const ReadoutTexts texts = Readouts();
    return WithUnit(m_settings.spans ? texts.span : texts.distance, UnitSuffix(m_settings.unit));
}

ReadoutTexts CRulerWnd::Readouts() const {
    const Rect client = GetClientRect();
    return ReadoutTextsFor(m_watch.Subject(Origin()), Unit(), client.Height() > client.Width(), m_reference);
}

void CRulerWnd::OnSize() {
    if (m_parts.IsAttached()) Relayout();
    InvalidateAll(true);
}

// The ruler moved to a monitor of another resolution, or its resolution changed: everything
// is made anew for the new one, and the window takes the size the system suggests, unless it is
// being placed where it was left: then its size is right already.
void CRulerWnd::OnDpiChanged(int dpi, const RECT& suggested) {
    if (dpi <= 0 || dpi == m_dpi) return;
    m_dpi = dpi;
    MakeParts();
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
    const PaneLayout& layout = m_parts.Layout();
    const CScreenWatch::Changes changes = m_watch.Tick(GetWindowRect(), !layout.color.box.IsEmpty());
    if (changes.picture) InvalidateRect(layout.MagnifierInterior(), false);
    if (changes.spans || m_toleranceShown.Expired()) InvalidateAll(false);  // the span's ends, on the scale too
    for (const Rect& box : m_watch.ChangedBoxes(Readouts(), layout)) InvalidateRect(box, true);
    m_accessibility.Tick();
}

std::string CRulerWnd::AccessibleText() const { return AccessibleValue(View(), m_parts.Fonts(), m_words); }

// The monitors, the work areas or the system's colours changed.
void CRulerWnd::OnSystemChange() {
    m_monitors = Monitors();
    Relayout();
    m_palette = HighContrastOn() ? HighContrastPalette(::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOWTEXT),
                                                       ::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HOTLIGHT))
                                 : kRulerColors;
    InvalidateAll(true);
}

bool CRulerWnd::HighContrastOn() const { return IsHighContrastOn(); }

void CRulerWnd::SetMagnifierFactor(int factor) {
    const int kept = std::clamp(factor, kMinMagnifierFactor, kMaxMagnifierFactor);
    if (kept == m_settings.magnifierFactor) return;
    Change([&](RulerSettings& s) { s.magnifierFactor = kept; });
    m_parts.Sliders().SetMagnifierFactor(kept);
}

// Each notch turned away from the user over the ruler (or its slider) magnifies one step more;
// with Ctrl it widens the edges' tolerance, which the span's box shows for a moment.
void CRulerWnd::OnMouseWheel(WPARAM wParam, Point at) {
    if (!GetWindowRect().Contains(at)) return;
    const int steps = m_wheel.Steps(GET_WHEEL_DELTA_WPARAM(wParam));
    if (!(GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL)) return SetMagnifierFactor(m_settings.magnifierFactor + steps);
    m_toleranceShown.Start();
    Change([&](RulerSettings& s) {
        s.edgeTolerance = std::clamp(s.edgeTolerance + steps * kEdgeToleranceStep, 0, kMaxEdgeTolerance);
    });
}

RulerZone CRulerWnd::ZoneUnderCursor() const {
    POINT cursor{};
    if (!::GetCursorPos(&cursor)) return ZoneCaption;
    return HitTestRuler(FromPOINT(cursor), GetWindowRect(), m_parts.CloseButton(), m_dpi);
}

LRESULT CRulerWnd::OnSetCursor(int hitTest) {
    // HTERROR: the ruler is disabled under the zoom dialog; the system beeps and brings the
    // dialog forward.
    if (m_menuOpen || hitTest == HTERROR) return Default();
    HCURSOR cursor = m_parts.CursorFor(ZoneUnderCursor());
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
        CopyTextToClipboard(m_hWnd, ColorText(m_watch.ColorNow(GetWindowRect()), m_settings.colorFormat));
        return true;
    case KeyCommand::CopyMeasure: return CopyTextToClipboard(m_hWnd, MeasureText()), true;
    case KeyCommand::ToggleSpans: return Change([](RulerSettings& s) { s.spans = !s.spans; }), TrackCursor(), true;
    case KeyCommand::ZeroAtMouse: {
        POINT mouse{};
        if (::GetCursorPos(&mouse)) m_placement.MoveZeroTo(*this, FromPOINT(mouse), m_dpi, m_monitors);
        return TrackCursor(), true;
    }
    case KeyCommand::ToggleHold:
        m_watch.ToggleHold(GetWindowRect());
        InvalidateAll(true);  // the readouts and the crosshair's colour
        return TrackCursor(), true;
    case KeyCommand::TakeReference: return m_reference = m_watch.ColorNow(GetWindowRect()), InvalidateAll(true), true;
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
    if (m_parts.Sliders().IsSlider(from)) return OpenContextMenu(at), 0;
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
