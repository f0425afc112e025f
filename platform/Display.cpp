#include "platform/Display.h"

#include "platform/Library.h"
#include "ruler/DpiScale.h"

namespace {

// Functions of newer systems, looked up at run time so the program still starts on older ones.
const CLibrary& User32() {
    static const CLibrary user32("user32.dll");
    return user32;
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM monitors) {
    reinterpret_cast<std::vector<Rect>*>(monitors)->push_back(FromRECT(*rect));
    return TRUE;
}

}  // namespace

std::vector<Rect> MonitorRects() {
    std::vector<Rect> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) monitors.push_back({0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
    return monitors;
}

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32().Find<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
    }
    HDC dc = ::GetDC(window);
    const int dpi = dc ? ::GetDeviceCaps(dc, LOGPIXELSX) : 0;
    if (dc) ::ReleaseDC(window, dc);
    return dpi > 0 ? dpi : kBaseDpi;
}

void KeepDialogManagerFromScaling(HWND dialog) {
    // The behaviours are an enum in newer headers only; DDC_DISABLE_ALL is 1.
    using SetDialogDpiChangeBehaviorFn = BOOL(WINAPI*)(HWND, int mask, int values);
    constexpr int kDisableAll = 1;
    static const auto setBehavior = User32().Find<SetDialogDpiChangeBehaviorFn>("SetDialogDpiChangeBehavior");
    if (setBehavior) setBehavior(dialog, kDisableAll, kDisableAll);
}
