#include "ruler/win32/ContextMenu.h"

#include "res/resource.h"
#include "ruler/input/MenuMarks.h"

namespace {

// Position of the submenu of `popup` that holds `command`, or -1. A submenu has no command of
// its own, so it is found by one of its items.
int SubmenuHolding(HMENU popup, int command) {
    const int count = ::GetMenuItemCount(popup);
    for (int position = 0; position < count; ++position) {
        HMENU submenu = ::GetSubMenu(popup, position);
        if (submenu && ::GetMenuState(submenu, command, MF_BYCOMMAND) != static_cast<UINT>(-1)) return position;
    }
    return -1;
}

}  // namespace

void MarkContextMenu(HMENU popup, const RulerSettings& settings) {
    for (const int command : CheckedCommands(settings)) ::CheckMenuItem(popup, command, MF_BYCOMMAND | MF_CHECKED);
    const int zoom = SubmenuHolding(popup, ID_ZOOM_100);
    if (!ZoomMenuEnabled(settings.unit) && zoom >= 0)
        ::EnableMenuItem(popup, zoom, MF_BYPOSITION | MF_GRAYED | MF_DISABLED);
}
