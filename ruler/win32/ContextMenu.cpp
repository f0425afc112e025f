// Marking and running the right-click menu, and the zoom dialog it opens.
#include "ruler/win32/ContextMenu.h"

#include "platform/window/Menu.h"
#include "res/resource.h"
#include "ruler/input/MenuMarks.h"
#include "zoom/win32/ZoomDlg.h"

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

// The zoom the dialog hands back after OK; the caller's when it was cancelled or could not run.
void RunZoomDialog(HWND owner, RulerSettings& settings) {
    CZoomDlg dialog(owner);
    dialog.m_nPercent = settings.zoom;
    const INT_PTR result = dialog.DoModal();
    ApplyZoomDialogResult(settings, result == IDOK, dialog.m_nPercent);
}

}  // namespace

void MarkContextMenu(HMENU popup, const RulerSettings& settings) {
    for (const int command : CheckedCommands(settings)) ::CheckMenuItem(popup, command, MF_BYCOMMAND | MF_CHECKED);
    const int zoom = SubmenuHolding(popup, ID_ZOOM_100);
    if (!ZoomMenuEnabled(settings.unit) && zoom >= 0)
        ::EnableMenuItem(popup, zoom, MF_BYPOSITION | MF_GRAYED | MF_DISABLED);
}

RulerSettings RunContextMenu(HWND owner, Point at, const RulerSettings& current, bool& menuOpen) {
    const CMenu menu(IDR_RULER_MENU);
    HMENU popup = menu.GetSubMenu(0);
    if (!popup) return current;
    MarkContextMenu(popup, current);
    menuOpen = true;
    const int command =
        static_cast<int>(::TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr));
    menuOpen = false;
    RulerSettings settings = current;
    if (::IsWindow(owner) && ApplyMenuCommand(settings, command) == MenuFollowUp::RunZoomDialog)
        RunZoomDialog(owner, settings);
    return settings;
}
