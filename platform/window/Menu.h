// A menu loaded from the program's resources.
#pragma once
#include "platform/system/Resources.h"
#include "platform/system/Win32.h"

// A menu loaded from the program's resources in the run's language, destroyed at the end of its
// life.
class CMenu {
public:
    explicit CMenu(int resourceId) : m_menu(Load(ResourceData(RT_MENU, resourceId))) {}
    ~CMenu() {
        if (m_menu) ::DestroyMenu(m_menu);
    }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // The popup at `position`, or null when the menu or the popup is missing.
    HMENU GetSubMenu(int position) const { return m_menu ? ::GetSubMenu(m_menu, position) : nullptr; }

private:
    static HMENU Load(const void* menuTemplate) {
        return menuTemplate ? ::LoadMenuIndirectW(static_cast<const MENUTEMPLATEW*>(menuTemplate)) : nullptr;
    }

    HMENU m_menu;
};
