// Window handles and the operations the program uses on them.
#pragma once
#include "platform/system/Win32.h"

// A window handle with the operations the program uses. The base class owns nothing: a
// dialog's window ends with the dialog, and a control that was created by its wrapper is
// destroyed by that wrapper (CChildWnd). Once the handle is null (the window is gone) the
// operations do nothing: a null handle would otherwise mean the desktop or the thread.
class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    bool IsIconic() const { return m_hWnd && ::IsIconic(m_hWnd); }

    Rect GetWindowRect() const;
    Rect GetClientRect() const;
    Point ClientToScreen(Point client) const;
    void MoveWindow(const Rect& rect, bool repaint = true);
    void ShowWindow(int command) {
        if (m_hWnd) ::ShowWindow(m_hWnd, command);
    }
    // Moves the window onto `rect` and shows it, or hides it where `rect` is empty.
    void Place(const Rect& rect);
    void InvalidateRect(const Rect& rect, bool erase) const;
    void InvalidateAll(bool erase) const {
        if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, erase);
    }
    void UpdateWindow() const {
        if (m_hWnd) ::UpdateWindow(m_hWnd);
    }
    // Adds and removes extended styles; no further flags.
    void ModifyStyleEx(DWORD remove, DWORD add);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return m_hWnd ? ::SendMessageW(m_hWnd, message, wParam, lParam) : 0;
    }
    void PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        if (m_hWnd) ::PostMessageW(m_hWnd, message, wParam, lParam);
    }

protected:
    HWND m_hWnd = nullptr;
};

// A child control whose window belongs to this object: destroyed with it unless the
// parent took it down first.
class CChildWnd : public CWnd {
public:
    ~CChildWnd() override;
    // Takes over the existing control `id` of `parent`.
    bool Attach(HWND parent, int id);
    // Creates the control as a child of `parent`.
    bool Create(const wchar_t* className, DWORD style, const Rect& rect, HWND parent, int id);
    // Destroys the control's window now, if there is one.
    void DestroyWindow();
};
