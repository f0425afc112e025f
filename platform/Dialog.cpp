#include "platform/Dialog.h"

#include <exception>

#include "platform/Controls.h"
#include "platform/WinApp.h"

CDialog::~CDialog() {
    if (IsWindow()) ::DestroyWindow(m_hWnd);
}

bool CDialog::Create() {
    m_modal = false;
    ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), m_parent, DialogProc,
                         reinterpret_cast<LPARAM>(this));
    return m_hWnd != nullptr;
}

INT_PTR CDialog::DoModal() {
    m_modal = true;
    return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), m_parent, DialogProc,
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
    m_superProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));

    const Rect before = GetWindowRect();
    const BOOL result = OnInitDialog();
    // Like the framework, a dialog whose initialisation left it where its template put it
    // is centred: over its owner, or in the work area when it has none.
    if (IsWindow() && GetWindowRect() == before) CenterWindow();
    return result;
}

LRESULT CALLBACK CDialog::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    return self->Dispatch(MSG{window, message, wParam, lParam, 0, {}});
}

LRESULT CDialog::Dispatch(const MSG& message) {
    const MSG outer = m_current;
    m_current = message;
    LRESULT result = 0;
    if (message.message == WM_NCDESTROY) {
        result = Default();
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
        m_hWnd = nullptr;
        // With its main window gone the application leaves its message loop.
        CWinApp* app = CWinApp::Get();
        if (app && app->m_pMainWnd == this) {
            app->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
        PostNcDestroy();  // may delete this: nothing of the object is touched afterwards
        return result;
    }
    try {
        result = WindowProc(message.message, message.wParam, message.lParam);
    } catch (const std::exception&) {
        // A handler the system refused a resource ends there; the program goes on.
        result = 0;
    }
    m_current = outer;
    return result;
}

LRESULT CDialog::Default() {
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
    case WM_NOTIFY:
        return OnNotify(wParam, lParam);
    case WM_DRAWITEM:
        return ReflectDrawItem(wParam, lParam);
    default:
        return Default();
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
    const Rect window = GetWindowRect();
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    Rect area = FromRECT(work);

    Rect around = area;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        RECT r{};
        ::GetWindowRect(owner, &r);
        around = FromRECT(r);
    }

    int left = around.left + (around.Width() - window.Width()) / 2;
    int top = around.top + (around.Height() - window.Height()) / 2;
    // Keep it inside the work area, its top-left corner first.
    if (left + window.Width() > area.right) left = area.right - window.Width();
    if (top + window.Height() > area.bottom) top = area.bottom - window.Height();
    if (left < area.left) left = area.left;
    if (top < area.top) top = area.top;
    ::SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
