// The context menu's rules: its check marks and what its commands do.
#pragma once
#include <cstdint>
#include <vector>

#include "ruler/settings/RulerSettings.h"

// Rules of the ruler's context menu: which items carry a check mark, whether the "Zoom"
// submenu can be opened, and what a chosen command does to the settings.

// Command ids that carry a check mark for these settings: the unit's item (none for an
// unknown unit), "Transparent" while the alpha slider is shown, the zoom's preset or "andere"
// for every other zoom, the colour format Ctrl+C copies in, and "Kanten messen" while spans are
// measured.
std::vector<int> CheckedCommands(const RulerSettings& settings);
// The "Zoom" submenu is offered only for the centimetre scale, the one the zoom acts on.
bool ZoomMenuEnabled(RulerUnit unit);

// What the window must still do after a command changed the settings.
enum class MenuFollowUp {
    None,
    RunZoomDialog,  // then ApplyZoomDialogResult
};

// Carries out a chosen command (0 when the menu was dismissed) on the settings.
MenuFollowUp ApplyMenuCommand(RulerSettings& settings, int command);
// The zoom dialog's percentage becomes the zoom only when the dialog ended with OK and the
// percentage is at least 1.
void ApplyZoomDialogResult(RulerSettings& settings, bool endedWithOk, std::int32_t percent);
