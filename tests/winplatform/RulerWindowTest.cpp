// Tests of the Win32 layer under Wine: the real ruler window driven by messages, and the magnifier's copy.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "app/win32/RegistrySettings.h"
#include "res/resource.h"
#include "base/DpiScale.h"
#include "ruler/win32/Magnifier.h"
#include "ruler/layout/PaneLayout.h"
#include "ruler/win32/RulerFonts.h"
#include "ruler/win32/RulerWnd.h"
#include "ruler/win32/ScreenCapture.h"
#include "tests/unit/TestCanvas.h"

// The program's link to the system's GetMonitorInfoW, which a test points elsewhere for a while.
extern "C" decltype(&::GetMonitorInfoW) __imp_GetMonitorInfoW;

namespace {

CRegistrySettings g_registry;

// The ruler, told whether high contrast is on where the real one asks the system (Wine cannot
// switch it on); in all else made as the program makes it.
struct CTestRuler : CRulerWnd {
    using CRulerWnd::CRulerWnd;
    bool HighContrastOn() const override { return highContrast; }
    bool highContrast = false;
};

// One ruler for all tests, since Wine without a window manager takes two seconds to withdraw a
// window.
class Ruler : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_ruler = new CTestRuler(g_registry);
        s_ruler->Create();
        s_window = s_ruler->GetSafeHwnd();
    }
    static void TearDownTestSuite() { ::DestroyWindow(s_window); }
    // Every test starts from the ruler at 96 dpi, its monitors and colours as they are, whatever
    // the tests before it left.
    void SetUp() override {
        RECT rect{50, 60, 350, 260};
        ::SendMessageW(s_window, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&rect));
        ::SendMessageW(s_window, WM_DISPLAYCHANGE, 32, 0);
    }
    // The cursor the ruler sets over a client point of a ruler at 50, 60.
    static HCURSOR CursorAt(Point at) {
        ::SetCursorPos(50 + at.x, 60 + at.y);
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        ::SendMessageW(s_window, WM_SETCURSOR, reinterpret_cast<WPARAM>(s_window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    }
    static inline CTestRuler* s_ruler = nullptr;
    static inline HWND s_window = nullptr;
};

// A black-and-white cursor's mask height and hot spot, as "64@31,15" (the mask holds the AND
// image above the XOR image: it is twice as high as the cursor).
std::string Shape(HCURSOR cursor) {
    ICONINFO info{};
    BITMAP mask{};
    ::GetIconInfo(cursor, &info);
    ::GetObjectW(info.hbmMask, sizeof mask, &mask);
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    return std::to_string(mask.bmHeight) + "@" + std::to_string(info.xHotspot) + "," + std::to_string(info.yHotspot);
}

// A WM_DPICHANGED gives the ruler the suggested rectangle and all its sizes, faces, zones,
// cursors and limits for the new resolution.
TEST_F(Ruler, FollowsANewResolution) {
    RECT suggested{50, 60, 850, 300};
    ::SendMessageW(s_window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(s_ruler->GetWindowRect(), FromRECT(suggested));
    CRulerFonts fonts;
    fonts.Make(reinterpret_cast<HFONT>(::SendMessageW(s_window, WM_GETFONT, 0, 0)), 192);
    // Where the parts belong at 192 dpi, with the close button's 24x26 face drawn for it.
    const PaneLayout layout =
        LayoutPanes({0, 0, 800, 240}, 192, MeasureReadouts(fonts, {UnitPixel, 192}), {{24, 26}, false});
    const Rect button = layout.closeButton, slider = layout.magnifierSlider;
    for (const POINT corner : {POINT{slider.left, slider.top}, POINT{slider.right - 1, slider.bottom - 1}})
        EXPECT_EQ(::GetDlgCtrlID(::ChildWindowFromPoint(s_window, corner)), IDC_MAGNIFY_SLIDER) << corner.x;
    LOGFONTW tipFont{};  // the transparency slider's tip in the font made for 192 dpi
    HWND tip = reinterpret_cast<HWND>(::SendMessageW(::GetDlgItem(s_window, IDC_ALPHA_SLIDER), TBM_GETTOOLTIPS, 0, 0));
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(tip, WM_GETFONT, 0, 0)), sizeof tipFont, &tipFont);
    EXPECT_EQ(tipFont.lfHeight, FontHeight(8, 192));
    MINMAXINFO limits{};
    ::SendMessageW(s_window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ((Point{limits.ptMinTrackSize.x, limits.ptMinTrackSize.y}), (Point{90, 80}));
    // The reading cursors drawn for 192 dpi, not stretched: 64 pixels, the hot spot on the tip.
    // Each corner shows its own diagonal size cursor across its whole scaled size.
    EXPECT_EQ(Shape(CursorAt({40, 100})), "128@63,31");
    EXPECT_EQ(Shape(CursorAt({16, 15})), "128@31,63");
    const std::pair<Point, const wchar_t*> corners[] = {
        {{15, 15}, IDC_SIZENWSE}, {{798, 1}, IDC_SIZENESW}, {{1, 238}, IDC_SIZENESW}, {{798, 238}, IDC_SIZENWSE}};
    for (const auto& [at, cursor] : corners) EXPECT_EQ(CursorAt(at), ::LoadCursorW(nullptr, cursor)) << at.x;
    // The close button shows its face where the layout puts it: black outer edge at its last
    // pixel, grey inside its bevel. (Wine puts what was painted on the screen when the thread waits.)
    ::RedrawWindow(s_window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, 0);
    const CScreenDC screen;
    EXPECT_EQ(::GetPixel(screen.GetSafeHdc(), 50 + button.left + 23, 60 + button.top + 25), RGB(0, 0, 0));
    EXPECT_EQ(::GetPixel(screen.GetSafeHdc(), 50 + button.left + 4, 60 + button.top + 4), RGB(0xC0, 0xC0, 0xC0));
}

// While high contrast is on, the surface takes the system's window colour, a held crosshair the
// hot-light colour and a released one the highlight colour; switched off, the surface is cyan
// at once.
TEST_F(Ruler, FollowsTheSystemsColoursInHighContrast) {
    ::SetWindowPos(s_window, nullptr, 50, 60, 500, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetCursorPos(60, 240);                   // over the ruler's own surface: the picture holds no highlight
    const auto pixels = [](COLORREF colour) {  // of that colour on the ruler, after a tick and what it repaints
        ::SendMessageW(s_window, WM_TIMER, 250960, 0);
        ::RedrawWindow(s_window, nullptr, nullptr, RDW_UPDATENOW);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, 0);  // Wine shows what was painted when the thread waits
        CScreenCapture shown;
        shown.Grab({50, 60, 550, 260}, CScreenDC());
        int count = 0;
        for (int y = 60; y < 260; ++y)
            for (int x = 50; x < 550; ++x) count += shown.ColorAt({x, y}) == colour;
        return count;
    };
    s_ruler->highContrast = true;
    ::SendMessageW(s_window, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_GT(pixels(::GetSysColor(COLOR_WINDOW)), 500 * 200 / 3);  // the surface at least
    ::SendMessageW(s_window, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(pixels(::GetSysColor(COLOR_HIGHLIGHT)), 0);
    EXPECT_GE(pixels(::GetSysColor(COLOR_HOTLIGHT)), 20);
    ::SendMessageW(s_window, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_GE(pixels(::GetSysColor(COLOR_HIGHLIGHT)), 20) << "released";
    s_ruler->highContrast = false;
    ::SendMessageW(s_window, WM_SETTINGCHANGE, 0, 0);
    EXPECT_GT(pixels(RGB(0, 255, 255)), 500 * 200 / 3);
}

// The opacity set with the transparency slider stays when the sliders are made anew for a new
// resolution.
TEST_F(Ruler, KeepsItsOpacityAtANewResolution) {
    const auto set = [](int opacity) {
        HWND slider = ::GetDlgItem(s_window, IDC_ALPHA_SLIDER);
        ::SendMessageW(slider, TBM_SETPOS, TRUE, opacity);
        NMHDR moved{slider, IDC_ALPHA_SLIDER, static_cast<UINT>(NM_CUSTOMDRAW)};
        ::SendMessageW(s_window, WM_NOTIFY, IDC_ALPHA_SLIDER, reinterpret_cast<LPARAM>(&moved));
    };
    set(100);
    RECT suggested{50, 60, 500, 360};
    ::SendMessageW(s_window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    BYTE alpha = 0;
    EXPECT_TRUE(::GetLayeredWindowAttributes(s_window, nullptr, &alpha, nullptr) && alpha == 100);
    EXPECT_EQ(::SendMessageW(::GetDlgItem(s_window, IDC_ALPHA_SLIDER), TBM_GETPOS, 0, 0), 100);
    set(255);
}

decltype(&::GetMonitorInfoW) g_systemsMonitorInfo = nullptr;

// The system's answer for a screen grown to 2048 pixels wide.
BOOL WINAPI WiderMonitorInfo(HMONITOR monitor, MONITORINFO* info) {
    const BOOL known = g_systemsMonitorInfo(monitor, info);
    info->rcMonitor.right = info->rcWork.right = 2048;
    return known;
}

// A screen grown wider counts once the display has changed: the arrow keys then carry the ruler
// further right, which they would not before.
TEST_F(Ruler, ReadsTheMonitorsAgainWhenTheDisplayChanges) {
    ::SetWindowPos(s_window, nullptr, 984, 300, 300, 40, SWP_NOZORDER | SWP_NOACTIVATE);  // 40 pixels on the screen
    ::SendMessageW(s_window, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(s_ruler->GetWindowRect().left, 984);
    DWORD protection = 0;
    ::VirtualProtect(&__imp_GetMonitorInfoW, sizeof __imp_GetMonitorInfoW, PAGE_READWRITE, &protection);
    g_systemsMonitorInfo = std::exchange(__imp_GetMonitorInfoW, &WiderMonitorInfo);
    ::SendMessageW(s_window, WM_DISPLAYCHANGE, 32, MAKELPARAM(2048, 768));
    __imp_GetMonitorInfoW = g_systemsMonitorInfo;
    ::SendMessageW(s_window, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(s_ruler->GetWindowRect().left, 985);
}

// While copying the screen fails (it is locked, say) the magnifier is repainted only when it
// moves; the first copy that works again repaints it, also over an unchanged screen.
TEST(Magnifier, RepaintsOnceTheScreenCanBeCopiedAgain) {
    CMagnifier magnifier;
    const MagnifierGeometry here = MagnifierGeometryFor({0, 0, 100, 60}, 2, {50, 50}, {0, 0, 1024, 768}, 96);
    const MagnifierGeometry there = MagnifierGeometryFor({0, 0, 100, 60}, 2, {60, 50}, {0, 0, 1024, 768}, 96);
    const CScreenDC screen;
    const CDC locked;  // no context: every copy from it fails
    const std::tuple<const MagnifierGeometry&, const CDC&, bool> ticks[] = {
        {here, screen, true},   {here, screen, false}, {here, locked, false},
        {here, locked, false},  {here, screen, true},  {there, locked, true},
        {there, locked, false}, {there, screen, true}, {there, screen, false}};
    for (const auto& tick : ticks) {
        const auto& [geometry, from, repainted] = tick;
        EXPECT_EQ(magnifier.Tick(geometry, from), repainted) << &tick - ticks;
        // After a failed copy nothing of the copy before it is shown or read.
        EXPECT_EQ(magnifier.ColorAt({50, 50}).has_value(), &from == &screen) << &tick - ticks;
        EXPECT_EQ(magnifier.Capture().Holds(geometry.source), &from == &screen) << &tick - ticks;
    }
}

}  // namespace
