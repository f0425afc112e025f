#include "ruler/ContextMenu.h"

#include "ruler/MenuMarks.h"

void MarkContextMenu(HMENU popup, const RulerSettings& settings) {
    for (const int command : CheckedCommands(settings)) ::CheckMenuItem(popup, command, MF_BYCOMMAND | MF_CHECKED);
    if (!ZoomMenuEnabled(settings.unit)) ::EnableMenuItem(popup, kZoomMenuPosition, MF_BYPOSITION | MF_GRAYED | MF_DISABLED);
}
