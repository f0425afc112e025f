// velmar_yardstick: the least a ruler with a magnifier can do at rest under this design, as a
// yardstick for bench/cpu_under_wine.sh; not part of the product. On the ruler's 1 ms timer it
// reads the cursor, copies the area the magnifier of a ruler of the given size would show
// from the screen and compares it with the last copy, with the ruler's own code, and paints
// nothing.
//
//   velmar_yardstick <ruler width> <ruler height>   (ruler pixels at the screen's resolution)
#include <cstdlib>
#include <vector>

#include "platform/system/Display.h"
#include "ruler/magnifier/MagnifierGeometry.h"
#include "ruler/magnifier/MagnifierWatch.h"
#include "base/Monitors.h"
#include "ruler/layout/PaneLayout.h"
#include "ruler/win32/RulerFonts.h"
#include "ruler/win32/ScreenCapture.h"

namespace {

struct Yardstick {
    Rect pane;  // the magnifier's, on a ruler of the given size
    int dpi = 96;
    std::vector<MonitorArea> monitors = Monitors();
    CScreenCapture capture;
    MagnifierWatch watch;

    void Tick() {
        POINT cursor{};
        if (!::GetCursorPos(&cursor)) return;
        const Point at = FromPOINT(cursor);
        const MagnifierGeometry geometry = MagnifierGeometryFor(pane, 2, at, MonitorAt(at, monitors), dpi);
        if (geometry.Copies() && capture.Grab(geometry.source, CScreenDC()))
            watch.NoteCopy(geometry.source, geometry.dest, capture.Pixels(), capture.PixelCount());
    }
};

Yardstick* g_yardstick = nullptr;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) { g_yardstick->Tick(); }

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (__argc != 3) return 1;
    ::SetProcessDPIAware();
    Yardstick yardstick;
    yardstick.dpi = WindowDpi(nullptr);
    CRulerFonts fonts;  // near enough the ruler's own for the magnifier's place
    fonts.Make(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)), yardstick.dpi);
    const Rect client{0, 0, _wtoi(__wargv[1]), _wtoi(__wargv[2])};
    yardstick.pane =
        LayoutPanes(client, yardstick.dpi, MeasureReadouts(fonts, {UnitPixel, yardstick.dpi}), {}).magnifier;
    g_yardstick = &yardstick;
    ::SetTimer(nullptr, 0, 1, OnTimer);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
    return 0;
}
