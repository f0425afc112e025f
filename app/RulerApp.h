#pragma once
#include "platform/WinApp.h"

class CRulerWnd;

// The application: it creates the one ruler window, which is its main window.
class CRulerApp : public CWinApp {
public:
    bool InitInstance() override;

private:
    CRulerWnd* m_pRulerWnd = nullptr;
};
