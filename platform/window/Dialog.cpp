// Modeless and modal dialogs made from templates, and their message dispatch.
#include "platform/window/Dialog.h"

#include <exception>
#include <utility>

#include "platform/system/Resources.h"
#include "platform/window/Controls.h"
#include "base/DialogPlacement.h"
#include "platform/window/WinApp.h"

CDialog::~CDialog() {
    if (IsWindow()) ::DestroyWindow(m_hWnd);
}

// One frame is held across the creation, so that a window destroyed while it is being created
// (by a message sent in during its initialisation) never deletes the object under it: the
// object is then left to its creator, as when no window could be made at all.
bool CDialog::Create() {
    const auto* dialogTemplate = static_cast<LPCDLGTEMPLATEW>(ResourceData(RT_DIALOG, m_templateId));
    if (!dialogTemplate) return false;
    ++m_frames;
    ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), dialogTemplate, m_parent, DialogProc,
                                 reinterpret_cast<LPARAM>(this));
    --m_frames;
    const bool destroyed = std::exchange(m_destroyed, false);
    return m_hWnd != nullptr && !destroyed;
}

INT_PTR CDialog::DoModal() {
    const auto* dialogTemplate = static_cast<LPCDLGTEMPLATEW>(ResourceData(RT_DIALOG, m_templateId));
    if (!dialogTemplate) return -1;
    return ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialogTemplate, m_parent, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
}

void CDialog::DestroyWindow() {
    if (m_hWnd) ::DestroyWindow(m_hWnd);
}

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

BOOL CDialog::OnInitDialog() { return TRUE; }

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnCommand(WPARAM, LPARAM) { return false; }

LRESULT CDialog::OnNotify(WPARAM, LPARAM) { return Default(); }

// The dialog manager's procedure sees only WM_INITDIALOG: there the window is subclassed,
// and from then on every message goes through SubclassProc.
INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    return reinterpret_cast<CDialog*>(lParam)->InitDialog(window);
}

BOOL CDialog::InitDialog(HWND window) {
    m_hWnd = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_superProc =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));

    const MSG init{window, WM_INITDIALOG, 0, 0, 0, {}};
    return static_cast<BOOL>(RunFrame(init, [this] {
        const Rect before = GetWindowRect();
        const BOOL result = OnInitDialog();
        // Like the framework, a dialog whose initialisation left it where its template put
        // it (it may have grown) is centred: over its owner, or in the work area when it has none.
        const Rect after = GetWindowRect();
        if (IsWindow() && !m_keepPlace && after.left == before.left && after.top == before.top) CenterWindow();
        return static_cast<LRESULT>(result);
    }));
}

LRESULT CALLBACK CDialog::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    return self->Dispatch(MSG{window, message, wParam, lParam, 0, {}});
}

LRESULT CDialog::Dispatch(const MSG& message) {
    return RunFrame(message, [this, &message] {
        switch (message.message) {
        case WM_DESTROY:
            // The controls still exist here; their registrations must end with them.
            COwnerDrawn::ForgetControlsOf(m_hWnd);
            return WindowProc(message.message, message.wParam, message.lParam);
        case WM_NCDESTROY: return OnNcDestroy();
        default: return WindowProc(message.message, message.wParam, message.lParam);
        }
    });
}

template <class Handler>
LRESULT CDialog::RunFrame(const MSG& message, Handler handler) {
    const MSG outer = m_current;
    m_current = message;
    ++m_frames;
    LRESULT result = 0;
    try {
        result = handler();
    } catch (...) {
        // A C++ exception must not cross the system's callback: the handler ends there (for
        // instance when the system refused it a resource), and the program goes on.
        result = 0;
    }
    m_current = outer;
    if (--m_frames == 0 && m_destroyed) {
        m_destroyed = false;
        PostNcDestroy();  // may delete this: nothing of the object is touched afterwards
    }
    return result;
}

LRESULT CDialog::OnNcDestroy() {
    const LRESULT result = Default();
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    m_hWnd = nullptr;
    m_destroyed = true;
    // With its main window gone the application leaves its message loop.
    CWinApp* app = CWinApp::Get();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    return result;
}

LRESULT CDialog::Default() {
    if (!m_hWnd) return 0;
    return ::CallWindowProcW(m_superProc, m_current.hwnd, m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0 || HIWORD(wParam) == BN_CLICKED) {
            if (LOWORD(wParam) == IDOK) return OnOK(), 0;
            if (LOWORD(wParam) == IDCANCEL) return OnCancel(), 0;
        }
        return OnCommand(wParam, lParam) ? 0 : Default();
    case WM_NOTIFY: return OnNotify(wParam, lParam);
    case WM_DRAWITEM: return ReflectDrawItem(wParam, lParam);
    default: return Default();
    }
}

LRESULT CDialog::ReflectDrawItem(WPARAM, LPARAM lParam) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item->CtlType == ODT_BUTTON) {
        if (COwnerDrawn* control = COwnerDrawn::FromHandle(item->hwndItem)) {
            control->DrawItem(*item);
            return TRUE;
        }
    }
    return Default();
}

void CDialog::CenterWindow() {
    // The work area of the monitor the owner is on (the ruler's, for its zoom dialog).
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(owner ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const Rect workArea = FromRECT(monitor.rcWork);

    Rect around = workArea;
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        RECT r{};
        ::GetWindowRect(owner, &r);
        around = FromRECT(r);
    }
    const Point origin = CentredOrigin(GetWindowRect(), around, workArea);
    ::SetWindowPos(m_hWnd, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
