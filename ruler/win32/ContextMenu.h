// The right-click menu: marked, run, and its command carried out.
#pragma once
#include "base/Geometry.h"
#include "platform/system/Win32.h"
#include "ruler/settings/RulerSettings.h"

// Marks the current settings on the context menu's popup, loaded afresh from the resources:
// the check marks by command (which reaches into the "Zoom" submenu too), and the "Zoom"
// submenu greyed unless the unit is centimetres.
void MarkContextMenu(HMENU popup, const RulerSettings& settings);

// Runs the context menu of `owner` at `at` (screen pixels), marked for `current`, and carries out
// the command chosen there, running the zoom dialog for "andere". The settings afterwards:
// `current` when the menu was dismissed or could not be loaded. `menuOpen` is set while the menu
// runs. The owner may be gone when this returns.
RulerSettings RunContextMenu(HWND owner, Point at, const RulerSettings& current, bool& menuOpen);
