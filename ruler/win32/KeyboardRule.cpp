// The ruler's rule for the keyboard.
#include "ruler/win32/KeyboardRule.h"

void CKeyboardRule::OnKillFocus(HWND ruler, HWND to) {
    if (to && ::IsChild(ruler, to)) m_onRuler = false;
}

bool CKeyboardRule::OnActivate(HWND ruler, int state) {
    if (state == WA_INACTIVE || !m_onRuler) return false;
    ::SetFocus(ruler);
    return true;
}

void CKeyboardRule::AfterMenu(HWND ruler) {
    if (m_onRuler && ::GetActiveWindow() == ruler) ::SetFocus(ruler);
}
