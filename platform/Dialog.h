#pragma once
#include "platform/Wnd.h"

// A dialog made from a template, modeless (Create) or modal (DoModal). Its window is
// subclassed, so every message reaches WindowProc first and Default() hands it on to the
// system's dialog processing, in the middle of a handler if need be.
class CDialog : public CWnd {
public:
    CDialog(int templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}
    ~CDialog() override;

    // Creates the modeless dialog; OnInitDialog runs inside. False when it could not.
    bool Create();
    // Runs the modal dialog; IDOK, IDCANCEL, or -1 when it could not run.
    INT_PTR DoModal();
    void DestroyWindow();

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message being handled.
    LRESULT Default();
    const MSG& GetCurrentMessage() const { return m_current; }

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Commands other than IDOK and IDCANCEL; true when handled.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
    // Called once the window is gone; the object may delete itself here.
    virtual void PostNcDestroy() {}
    void EndDialog(int result);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL InitDialog(HWND window);
    LRESULT Dispatch(const MSG& message);
    void CenterWindow();
    LRESULT ReflectDrawItem(WPARAM wParam, LPARAM lParam);

    int m_templateId;
    HWND m_parent;
    WNDPROC m_superProc = nullptr;
    MSG m_current{};
    bool m_modal = false;
};
