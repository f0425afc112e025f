// The application: it makes the one ruler window.
#include "app/win32/RulerApp.h"

#include "app/language/LanguageChoice.h"
#include "platform/system/Resources.h"
#include "ruler/win32/RulerWnd.h"

namespace {

CRulerApp theApp;

LANGID LanguageId(Language language) {
    return language == Language::German ? MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)
                                        : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
}

}  // namespace

bool CRulerApp::InitInstance() {
    UseResourceLanguage(LanguageId(ChooseLanguage(::GetUserDefaultUILanguage(), m_settings.LoadLanguage())));
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
