#include "app/RulerApp.h"

#include "ruler/RulerWnd.h"

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
