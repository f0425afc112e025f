// The application object and its message loop.
#pragma once
#include "platform/window/Wnd.h"

// The application: one static instance, initialised by the entry point, which then runs
// the message loop until the main window is gone.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // False ends the program at once.
    virtual bool InitInstance() = 0;
    // The message loop; returns the exit code.
    int Run();

    static CWinApp* Get() { return s_app; }
    // The window whose destruction ends the message loop.
    CWnd* m_pMainWnd = nullptr;

private:
    static CWinApp* s_app;
};
