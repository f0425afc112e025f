// The application: it makes the one ruler window.
#include "app/win32/RulerApp.h"

#include "ruler/win32/RulerWnd.h"

namespace {
CRulerApp theApp;
}

bool CRulerApp::InitInstance() {
    auto* ruler = new CRulerWnd(m_settings);
    if (!ruler->Create()) {
        // Without a window there is nothing to run: end at once, leaving the stored settings
        // as they were.
        delete ruler;
        return false;
    }
    m_pMainWnd = ruler;
    return true;
}
