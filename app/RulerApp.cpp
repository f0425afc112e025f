#include "app/RulerApp.h"

#include "ruler/RulerWnd.h"

namespace {
CRulerApp theApp;
}

bool CRulerApp::InitInstance() {
    m_pRulerWnd = new CRulerWnd();
    if (!m_pRulerWnd->IsWindow()) {
        // Without a window there is nothing to run: end at once instead of looping forever.
        delete m_pRulerWnd;
        m_pRulerWnd = nullptr;
        return false;
    }
    m_pMainWnd = m_pRulerWnd;
    return true;
}
