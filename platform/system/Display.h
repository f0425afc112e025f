// The monitors and resolutions of the display, as the system reports them.
#pragma once
#include <vector>

#include "platform/system/Win32.h"
#include "base/Monitors.h"

// The monitors and resolutions of the display, as the system reports them now.

// Every monitor with its work area and resolution, the primary one first; the primary screen
// alone when the system lists none.
std::vector<MonitorArea> Monitors();

// The resolution of the monitor the system picks for `rect`: the one it overlaps most, or the
// nearest.
int DpiForRect(const Rect& rect);

// The bounding rectangle of all monitors.
Rect VirtualScreen();

// The resolution of `window`: that of its monitor for a per-monitor aware program, else the
// system's. Systems older than Windows 10 (1607) report the system's through the device caps.
int WindowDpi(HWND window);

// Whether Windows' high contrast is on.
bool IsHighContrastOn();

// Tells the dialog manager to leave a dialog alone when its resolution changes: the dialog
// handles WM_DPICHANGED itself. Nothing on systems without per-monitor dialog scaling.
void KeepDialogManagerFromScaling(HWND dialog);
