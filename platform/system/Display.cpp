// The monitors and resolutions of the display, as the system reports them.
#include "platform/system/Display.h"

#include <array>
#include <cstddef>

#include "platform/gdi/DC.h"
#include "platform/system/SystemLibraries.h"
#include "base/DpiScale.h"

namespace {

// The monitors' handles, gathered without allocating: nothing may throw through the system's
// callback. More monitors than this are left out.
struct MonitorHandles {
    std::array<HMONITOR, 32> handles{};
    std::size_t count = 0;
};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) noexcept {
    auto& list = *reinterpret_cast<MonitorHandles*>(found);
    if (list.count == list.handles.size()) return FALSE;
    list.handles[list.count++] = monitor;
    return TRUE;
}

// The system's resolution, which a program that is not per-monitor aware sees everywhere.
int SystemDpi() {
    const CScreenDC screen;
    const int dpi = screen.GetSafeHdc() ? screen.GetDeviceCaps(LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : kBaseDpi;
}

int MonitorDpi(HMONITOR monitor) {
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int type, UINT* x, UINT* y);
    constexpr int kEffectiveDpi = 0;
    static const auto getDpiForMonitor = Shcore().Find<GetDpiForMonitorFn>("GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (getDpiForMonitor && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && x > 0)
        return static_cast<int>(x);
    return SystemDpi();
}

}  // namespace

std::vector<MonitorArea> Monitors() {
    MonitorHandles found;
    ::EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&found));
    std::vector<MonitorArea> monitors;
    for (std::size_t i = 0; i < found.count; ++i) {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (!::GetMonitorInfoW(found.handles[i], &info)) continue;
        const MonitorArea area{FromRECT(info.rcMonitor), FromRECT(info.rcWork), MonitorDpi(found.handles[i])};
        monitors.insert((info.dwFlags & MONITORINFOF_PRIMARY) ? monitors.begin() : monitors.end(), area);
    }
    if (monitors.empty()) {
        const Rect screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        monitors.push_back({screen, screen, SystemDpi()});
    }
    return monitors;
}

int DpiForRect(const Rect& rect) {
    const RECT r = ToRECT(rect);
    return MonitorDpi(::MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST));
}

Rect VirtualScreen() {
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN), top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32().Find<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
    }
    return SystemDpi();
}

bool IsHighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

void KeepDialogManagerFromScaling(HWND dialog) {
    // The behaviours are an enum in newer headers only; DDC_DISABLE_ALL is 1.
    using SetDialogDpiChangeBehaviorFn = BOOL(WINAPI*)(HWND, int mask, int values);
    constexpr int kDisableAll = 1;
    static const auto setBehavior = User32().Find<SetDialogDpiChangeBehaviorFn>("SetDialogDpiChangeBehavior");
    if (setBehavior) setBehavior(dialog, kDisableAll, kDisableAll);
}
