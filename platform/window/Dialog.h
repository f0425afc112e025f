// Modeless and modal dialogs made from templates.
#pragma once
#include "platform/window/Wnd.h"

// A dialog made from a template of the program's, in the run's language, modeless (Create) or
// modal (DoModal). Its window is subclassed, so every message reaches WindowProc first and
// Default() hands it on to the system's dialog processing, in the middle of a handler if need be.
//
// A handler may destroy the window, directly or from a nested message loop (a menu, a modal
// dialog, a message box). The object then stays alive until the outermost handler of this
// window has returned, and only then is PostNcDestroy called; the window handle is null from
// WM_NCDESTROY on, so code after a nested loop checks IsWindow() before it goes on.
class CDialog : public CWnd {
public:
    CDialog(int templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}
    ~CDialog() override;

    // Creates the modeless dialog; OnInitDialog runs inside. False when there is no window (it
    // could not be made, or it was destroyed while being made): then the object is the
    // caller's to delete, else its window's.
    bool Create();
    // Runs the modal dialog; IDOK, IDCANCEL, or -1 when it could not run.
    INT_PTR DoModal();
    void DestroyWindow();

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message being handled; 0 once the window is gone.
    LRESULT Default();
    const MSG& GetCurrentMessage() const { return m_current; }
    // Called from OnInitDialog: the dialog has been placed where it belongs and is not to be
    // centred, even where its template put it.
    void KeepPlace() { m_keepPlace = true; }

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Commands other than IDOK and IDCANCEL; true when handled.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
    // Called once the window is gone and no handler of it runs any more; the object may
    // delete itself here.
    virtual void PostNcDestroy() {}
    void EndDialog(int result);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL InitDialog(HWND window);
    LRESULT Dispatch(const MSG& message);
    // Runs one handler as a frame of this window: no exception leaves it, and the last frame
    // to end after the window is gone calls PostNcDestroy.
    template <class Handler>
    LRESULT RunFrame(const MSG& message, Handler handler);
    LRESULT OnNcDestroy();
    void CenterWindow();
    LRESULT ReflectDrawItem(WPARAM wParam, LPARAM lParam);

    int m_templateId;
    HWND m_parent;
    WNDPROC m_superProc = nullptr;
    MSG m_current{};
    int m_frames = 0;          // handlers of this window on the stack
    bool m_destroyed = false;  // WM_NCDESTROY came; PostNcDestroy is due
    bool m_keepPlace = false;
};
