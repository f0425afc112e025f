// The one include of <windows.h>, and conversions to and from the program's own types.
#pragma once
// The one place that includes <windows.h>, with the settings every Win32 file shares, and
// the conversions between the system's rectangles and the program's own.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commctrl.h>

#include "base/Geometry.h"

inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
inline POINT ToPOINT(Point p) { return POINT{p.x, p.y}; }
inline Point FromPOINT(POINT p) { return Point{p.x, p.y}; }

// The signed client position packed into a mouse message's lParam.
inline Point PointFromLParam(LPARAM lParam) {
    return Point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}
