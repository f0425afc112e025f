// The entry point and the message loop.
#include "platform/window/WinApp.h"

#include "platform/accessibility/Accessible.h"

CWinApp* CWinApp::s_app = nullptr;

CWinApp::CWinApp() { s_app = this; }

CWinApp::~CWinApp() { s_app = nullptr; }

int CWinApp::Run() {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The main window is a modeless dialog: the dialog manager turns Escape, Enter and
        // Tab into its commands and focus moves.
        HWND main = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
        if (main && ::IsDialogMessageW(main, &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    ::InitCommonControlsEx(&controls);
    // The accessible objects that windows hand out reach other processes through COM.
    const CComApartment com;

    CWinApp* app = CWinApp::Get();
    if (!app || !app->InitInstance()) return 1;
    return app->Run();
}
