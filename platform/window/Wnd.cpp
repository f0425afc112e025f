// Window handles and the operations the program uses on them.
#include "platform/window/Wnd.h"

Rect CWnd::GetWindowRect() const {
    RECT r{};
    ::GetWindowRect(m_hWnd, &r);
    return FromRECT(r);
}

Rect CWnd::GetClientRect() const {
    RECT r{};
    ::GetClientRect(m_hWnd, &r);
    return FromRECT(r);
}

Point CWnd::ClientToScreen(Point client) const {
    POINT p = ToPOINT(client);
    ::ClientToScreen(m_hWnd, &p);
    return FromPOINT(p);
}

void CWnd::MoveWindow(const Rect& r, bool repaint) {
    if (m_hWnd) ::MoveWindow(m_hWnd, r.left, r.top, r.Width(), r.Height(), repaint);
}

void CWnd::Place(const Rect& rect) {
    if (rect.IsEmpty()) {
        ShowWindow(SW_HIDE);
        return;
    }
    MoveWindow(rect);
    ShowWindow(SW_SHOW);
}

void CWnd::InvalidateRect(const Rect& rect, bool erase) const {
    // An empty rectangle invalidates nothing, so the call to the system is saved; passing
    // null instead would mean the whole window.
    if (rect.IsEmpty() || !m_hWnd) return;
    const RECT r = ToRECT(rect);
    ::InvalidateRect(m_hWnd, &r, erase);
}

void CWnd::ModifyStyleEx(DWORD remove, DWORD add) {
    if (!m_hWnd) return;
    const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
    const LONG_PTR changed = (style & ~static_cast<LONG_PTR>(remove)) | static_cast<LONG_PTR>(add);
    if (changed != style) ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, changed);
}

CChildWnd::~CChildWnd() { DestroyWindow(); }

void CChildWnd::DestroyWindow() {
    if (IsWindow()) ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

bool CChildWnd::Attach(HWND parent, int id) {
    m_hWnd = ::GetDlgItem(parent, id);
    return m_hWnd != nullptr;
}

bool CChildWnd::Create(const wchar_t* className, DWORD style, const Rect& rect, HWND parent, int id) {
    m_hWnd = ::CreateWindowExW(0, className, L"", style, rect.left, rect.top, rect.Width(), rect.Height(), parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    return m_hWnd != nullptr;
}
