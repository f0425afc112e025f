// The application object.
#pragma once
#include "app/win32/RegistrySettings.h"
#include "platform/window/WinApp.h"

// The application: it creates the one ruler window, which is its main window. The ruler
// deletes itself once its window is gone, and the platform then clears m_pMainWnd, so the
// application keeps no pointer of its own to it.
class CRulerApp : public CWinApp {
public:
    bool InitInstance() override;

private:
    CRegistrySettings m_settings;
};
