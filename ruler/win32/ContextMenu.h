#pragma once
#include "ruler/settings/RulerSettings.h"
#include "platform/system/Win32.h"

// Marks the current settings on the context menu's popup, loaded afresh from the resources:
// the check marks by command (which reaches into the "Zoom" submenu too), and the "Zoom"
// submenu greyed unless the unit is centimetres.
void MarkContextMenu(HMENU popup, const RulerSettings& settings);
