// Who has the keyboard: the ruler itself or one of its sliders.
#pragma once
#include "platform/system/Win32.h"

// The ruler's own rule for the keyboard: it gives it up to one of its sliders, but not to a menu,
// a modal dialog (which disables it, leaving no focus at all) or another program, and takes it
// back when it is activated again or a menu of its own closes.
class CKeyboardRule {
public:
    void OnSetFocus() { m_onRuler = true; }
    void OnKillFocus(HWND ruler, HWND to);
    // The ruler was activated or deactivated: true when it took the keyboard itself, false to
    // leave the message to default processing, which gives it to the control that had it.
    bool OnActivate(HWND ruler, int state);
    // A menu of the ruler closed: the keyboard goes back where it was before.
    void AfterMenu(HWND ruler);

private:
    bool m_onRuler = true;  // the ruler itself, not a slider, has (or had) the keyboard
};
