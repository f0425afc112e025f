// Tests of the real ruler window under Wine, driven by messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <new>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "app/win32/RegistrySettings.h"
#include "platform/window/Dialog.h"
#include "platform/system/Display.h"
#include "platform/window/Menu.h"
#include "res/resource.h"
#include "ruler/win32/ContextMenu.h"
#include "base/DpiScale.h"
#include "ruler/win32/Magnifier.h"
#include "ruler/readouts/ReadoutPainter.h"
#include "ruler/win32/RulerFonts.h"
#include "ruler/win32/RulerWnd.h"
#include "ruler/win32/ScreenCapture.h"
#include "tests/unit/TestCanvas.h"

// Every allocation fails while this is set, as when memory runs out; the failures are counted.
// (GCC takes the plain free() below for a mismatch with the new it does not see replaced.)
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
std::atomic<bool> g_refuseMemory{false};
std::atomic<int> g_refusals{0};

void* operator new(std::size_t size) {
    if (g_refuseMemory) throw ++g_refusals, std::bad_alloc();
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace {

CRegistrySettings g_registry;

// The real ruler, made as the program makes it; one for all tests, since Wine without a
// window manager takes two seconds to withdraw a window.
class Ruler : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        auto* ruler = new CRulerWnd(g_registry);
        ruler->Create();
        s_window = ruler->GetSafeHwnd();
    }
    static void TearDownTestSuite() { ::DestroyWindow(s_window); }
    // Every test starts from the ruler at 96 dpi, whatever the tests before it left.
    void SetUp() override {
        RECT rect{50, 60, 350, 260};
        ::SendMessageW(s_window, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&rect));
        ::SendMessageW(s_window, WM_DISPLAYCHANGE, 32, 0);  // the monitors as they are
    }
    static Rect ChildRect(int id) {
        RECT r{};
        ::GetWindowRect(::GetDlgItem(s_window, id), &r);
        ::MapWindowPoints(nullptr, s_window, reinterpret_cast<POINT*>(&r), 2);
        return FromRECT(r);
    }
    // The cursor the ruler sets over a client point of a 300x200 ruler at 50, 60.
    static HCURSOR CursorAt(Point at) {
        ::SetCursorPos(50 + at.x, 60 + at.y);
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        ::SendMessageW(s_window, WM_SETCURSOR, reinterpret_cast<WPARAM>(s_window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    }
    static inline HWND s_window = nullptr;
};

// A cursor's size and hot spot, as "32x64@31,15" (its mask holds the AND and the XOR image).
std::string Shape(HCURSOR cursor) {
    ICONINFO info{};
    if (!cursor || !::GetIconInfo(cursor, &info)) return "none";
    BITMAP mask{};
    ::GetObjectW(info.hbmMask, sizeof mask, &mask);
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    return std::to_string(mask.bmWidth) + "x" + std::to_string(mask.bmHeight) + "@" + std::to_string(info.xHotspot) +
           "," + std::to_string(info.yHotspot);
}

// A WM_DPICHANGED gives the ruler the suggested rectangle and all its sizes, faces, zones and
// limits for the new resolution.
TEST_F(Ruler, FollowsANewResolution) {
    ::SetWindowPos(s_window, nullptr, 50, 60, 400, 120, SWP_NOZORDER | SWP_NOACTIVATE);
    const Rect button96 = ChildRect(IDCANCEL);
    RECT suggested{50, 60, 850, 300};
    ::SendMessageW(s_window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    RECT window{};
    ::GetWindowRect(s_window, &window);
    EXPECT_EQ(FromRECT(window), FromRECT(suggested));
    CRulerFonts fonts;
    fonts.Make(reinterpret_cast<HFONT>(::SendMessageW(s_window, WM_GETFONT, 0, 0)), 192);
    const Point face{2 * button96.Width(), 2 * button96.Height()};
    const PaneLayout layout =
        LayoutPanes({0, 0, 800, 240}, 192, MeasureReadouts(fonts, {UnitPixel, 192}), {face, false});
    const Rect button = ChildRect(IDCANCEL);
    EXPECT_EQ(button, layout.closeButton);
    EXPECT_EQ(ChildRect(IDC_MAGNIFY_SLIDER), layout.magnifierSlider);
    LOGFONTW tipFont{};  // the transparency slider's tip in the font made for 192 dpi
    HWND tip = reinterpret_cast<HWND>(::SendMessageW(::GetDlgItem(s_window, IDC_ALPHA_SLIDER), TBM_GETTOOLTIPS, 0, 0));
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(tip, WM_GETFONT, 0, 0)), sizeof tipFont, &tipFont);
    EXPECT_EQ(tipFont.lfHeight, FontHeight(8, 192));
    MINMAXINFO limits{};
    ::SendMessageW(s_window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ((Point{limits.ptMinTrackSize.x, limits.ptMinTrackSize.y}), (Point{90, 80}));
    // The reading cursors drawn for 192 dpi, not stretched: 64 pixels, the hot spot on the tip;
    // the corners' size cursor across their whole scaled size.
    EXPECT_EQ(Shape(CursorAt({40, 100})), "64x128@63,31");
    EXPECT_EQ(CursorAt({15, 15}), ::LoadCursorW(nullptr, IDC_SIZENWSE));
    EXPECT_EQ(Shape(CursorAt({16, 15})), "64x128@31,63");
    // The close button shows its 24x26 face: black outer edge at its last pixel, grey inside its bevel.
    ::RedrawWindow(s_window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const CScreenDC screen;
    EXPECT_EQ(::GetPixel(screen.GetSafeHdc(), 50 + button.left + 23, 60 + button.top + 25), RGB(0, 0, 0));
    EXPECT_EQ(::GetPixel(screen.GetSafeHdc(), 50 + button.left + 4, 60 + button.top + 4), RGB(0xC0, 0xC0, 0xC0));
    // The readouts' boxes are as high as the font made for 192 dpi needs: the frame ends there.
    const Rect box = layout.distance.box;
    EXPECT_EQ(::GetPixel(screen.GetSafeHdc(), 50 + box.left, 60 + box.bottom - 1), kRulerColors.ink);
    EXPECT_EQ(::GetPixel(screen.GetSafeHdc(), 50 + box.left, 60 + box.bottom), kRulerColors.surface);
}

// A ruler that is told whether high contrast is on, where the real one asks the system (Wine
// cannot switch it on).
class HighContrastRuler : public CRulerWnd {
public:
    using CRulerWnd::CRulerWnd;
    bool on = false;

protected:
    bool HighContrastOn() const override { return on; }
};

// While high contrast is on the surface takes the system's window colour, and goes back to
// cyan at once when it is switched off; the crosshair takes the highlight colour, a held one
// the hot-light colour.
TEST(HighContrast, TheRulerFollowsTheSystemsColours) {
    auto* ruler = new HighContrastRuler(g_registry);
    ASSERT_TRUE(ruler->Create());
    HWND window = ruler->GetSafeHwnd();
    ::SetWindowPos(window, nullptr, 100, 300, 489, 41, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const bool on : {true, false}) {
        ruler->on = on;
        ::SendMessageW(window, on ? WM_SYSCOLORCHANGE : WM_SETTINGCHANGE, 0, 0);
        ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW);
        EXPECT_EQ(::GetPixel(CScreenDC().GetSafeHdc(), 100 + 250, 300 + 20),
                  on ? ::GetSysColor(COLOR_WINDOW) : RGB(0, 255, 255))
            << on;
    }
    ruler->on = true;
    ::SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
    ::SetWindowPos(window, nullptr, 100, 300, 500, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetCursorPos(110, 480);                   // over the ruler's own surface: the picture holds no highlight
    const auto pixels = [&](COLORREF colour) {  // of that colour on the ruler, after a tick and a paint
        ::SendMessageW(window, WM_TIMER, 250960, 0);
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        CScreenCapture shown;
        shown.Grab({100, 300, 600, 500}, CScreenDC());
        int count = 0;
        for (int y = 300; y < 500; ++y)
            for (int x = 100; x < 600; ++x) count += shown.ColorAt({x, y}) == colour;
        return count;
    };
    EXPECT_GE(pixels(::GetSysColor(COLOR_HIGHLIGHT)), 20);
    ::SendMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(pixels(::GetSysColor(COLOR_HIGHLIGHT)), 0);
    EXPECT_GE(pixels(::GetSysColor(COLOR_HOTLIGHT)), 20);
    ::DestroyWindow(window);
}

// The four corners each show their own diagonal size cursor.
TEST_F(Ruler, EachCornerShowsItsDiagonalCursor) {
    ::SetWindowPos(s_window, nullptr, 50, 60, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    const std::pair<Point, const wchar_t*> corners[] = {
        {{1, 1}, IDC_SIZENWSE}, {{298, 1}, IDC_SIZENESW}, {{1, 198}, IDC_SIZENESW}, {{298, 198}, IDC_SIZENWSE}};
    for (const auto& [at, cursor] : corners)
        EXPECT_EQ(CursorAt(at), ::LoadCursorW(nullptr, cursor)) << at.x << ',' << at.y;
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

// While copying the screen fails (it is locked, say) the magnifier is repainted only when it
// moves; the first copy that works again repaints it, also over an unchanged screen.
TEST(Magnifier, RepaintsOnceTheScreenCanBeCopiedAgain) {
    CMagnifier magnifier;
    const MagnifierGeometry here = MagnifierGeometryFor({0, 0, 100, 60}, 2, {50, 50}, {0, 0, 1024, 768}, 96);
    const MagnifierGeometry there = MagnifierGeometryFor({0, 0, 100, 60}, 2, {60, 50}, {0, 0, 1024, 768}, 96);
    const CScreenDC screen;
    const CDC locked;  // no context: every copy from it fails
    const struct {
        const MagnifierGeometry& geometry;
        const CDC& screen;
        bool repainted;
    } ticks[] = {{here, screen, true},   {here, screen, false}, {here, locked, false},
                 {here, locked, false},  {here, screen, true},  {there, locked, true},
                 {there, locked, false}, {there, screen, true}, {there, screen, false}};
    for (const auto& tick : ticks) {
        EXPECT_EQ(magnifier.Tick(tick.geometry, tick.screen), tick.repainted) << &tick - ticks;
        // After a failed copy nothing of the copy before it is shown or read.
        EXPECT_EQ(magnifier.ColorAt({50, 50}).has_value(), &tick.screen == &screen) << &tick - ticks;
        EXPECT_EQ(magnifier.Capture().Holds(tick.geometry.source), &tick.screen == &screen) << &tick - ticks;
    }
}

// Points the program's imports of the function at `from` at `to` instead.
void RedirectImports(const void* from, const void* to) {
    auto* base = reinterpret_cast<unsigned char*>(::GetModuleHandleW(nullptr));
    const auto* nt =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress); import->Name;
         ++import) {
        for (auto* entry = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk); entry->u1.Function;
             ++entry) {
            if (reinterpret_cast<const void*>(entry->u1.Function) != from) continue;
            DWORD protection = 0;
            ::VirtualProtect(&entry->u1.Function, sizeof entry->u1.Function, PAGE_READWRITE, &protection);
            entry->u1.Function = reinterpret_cast<ULONG_PTR>(to);
            ::VirtualProtect(&entry->u1.Function, sizeof entry->u1.Function, protection, &protection);
        }
    }
}

// Leads the program's imports of the user32 function `name` to `replacement` while it lives,
// and gives `original` the system's own.
template <class Function>
class Redirected {
public:
    Redirected(const char* name, Function replacement, Function& original) : m_replacement(replacement) {
        m_original = original = reinterpret_cast<Function>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), name)));
        RedirectImports(reinterpret_cast<const void*>(m_original), reinterpret_cast<const void*>(replacement));
    }
    ~Redirected() {
        RedirectImports(reinterpret_cast<const void*>(m_replacement), reinterpret_cast<const void*>(m_original));
    }

private:
    Function m_original, m_replacement;
};

using EnumDisplayMonitorsFn = BOOL(WINAPI*)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);
using GetMonitorInfoFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
EnumDisplayMonitorsFn g_enumDisplayMonitors = nullptr;
GetMonitorInfoFn g_getMonitorInfo = nullptr;

// The system's enumeration with memory refused while it calls the program back.
BOOL WINAPI EnumDisplayMonitorsRefusingMemory(HDC dc, LPCRECT clip, MONITORENUMPROC callback, LPARAM data) {
    g_refuseMemory = true;
    const BOOL result = g_enumDisplayMonitors(dc, clip, callback, data);
    g_refuseMemory = false;
    return result;
}

// Memory running out while the system lists the monitors and calls the program back for each
// throws nothing through the system (which may swallow or pass it on): nothing the program does
// there allocates, and the monitors are still listed.
TEST(Monitors, RunningOutOfMemoryInTheSystemsCallbackThrowsNothingThroughIt) {
    std::vector<MonitorArea> monitors;
    g_refusals = 0;
    {
        const Redirected refusing("EnumDisplayMonitors", &EnumDisplayMonitorsRefusingMemory, g_enumDisplayMonitors);
        EXPECT_NO_THROW(monitors = Monitors());
    }
    EXPECT_EQ(g_refusals, 0) << "an allocation in the callback";
    EXPECT_FALSE(monitors.empty());
}

const auto kSecondMonitor = reinterpret_cast<HMONITOR>(0x5EC0);  // right of the real one

BOOL WINAPI EnumDisplayMonitorsWithASecond(HDC dc, LPCRECT clip, MONITORENUMPROC callback, LPARAM data) {
    return g_enumDisplayMonitors(dc, clip, callback, data) && callback(kSecondMonitor, nullptr, nullptr, data);
}
BOOL WINAPI GetMonitorInfoWithASecond(HMONITOR monitor, LPMONITORINFO info) {
    if (monitor != kSecondMonitor) return g_getMonitorInfo(monitor, info);
    info->rcMonitor = info->rcWork = {1024, 0, 2048, 768};
    info->dwFlags = 0;
    return TRUE;
}

// A monitor added right of the screen counts once the display has changed: the arrow keys
// then carry the ruler across the edge between the two, which they would not before.
TEST_F(Ruler, ReadsTheMonitorsAgainWhenTheDisplayChanges) {
    ::SetWindowPos(s_window, nullptr, 984, 300, 300, 40, SWP_NOZORDER | SWP_NOACTIVATE);  // 40 pixels on the screen
    const auto right = [] {
        ::SendMessageW(s_window, WM_KEYDOWN, VK_RIGHT, 0);
        RECT r{};
        ::GetWindowRect(s_window, &r);
        return static_cast<int>(r.left);
    };
    EXPECT_EQ(right(), 984);
    {
        const Redirected enumerating("EnumDisplayMonitors", &EnumDisplayMonitorsWithASecond, g_enumDisplayMonitors);
        const Redirected telling("GetMonitorInfoW", &GetMonitorInfoWithASecond, g_getMonitorInfo);
        ::SendMessageW(s_window, WM_DISPLAYCHANGE, 32, MAKELPARAM(2048, 768));
    }
    EXPECT_EQ(right(), 985);
}

// A modeless dialog that deletes itself once its window is gone, and destroys its window in its
// handler of WM_APP, or while it is being created. Its memory is never given back: the delete
// fills it with a pattern, so any write after the delete shows in it.
class Doomed : public CDialog {
public:
    static void* operator new(std::size_t size) {
        return s_deleted = false, s_block = static_cast<unsigned char*>(std::malloc(s_size = size));
    }
    static void operator delete(void* block) { std::memset(block, 0xDD, s_size), s_deleted = true; }
    static bool UntouchedSinceDelete() {
        return std::all_of(s_block, s_block + s_size, [](unsigned char b) { return b == 0xDD; });
    }
    static inline unsigned char* s_block = nullptr;
    static inline std::size_t s_size = 0;
    static inline bool s_deleted = false;

    explicit Doomed(bool inCreation) : CDialog(IDD_ZOOM, nullptr), m_inCreation(inCreation) {}

protected:
    BOOL OnInitDialog() override {
        if (m_inCreation) DestroyWindow();
        return TRUE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_APP) return CDialog::WindowProc(message, wParam, lParam);
        DestroyWindow();
        EXPECT_FALSE(s_deleted) << "deleted while its handler still ran";
        m_handled = true;  // a member written after the window went
        return 0;
    }
    void PostNcDestroy() override { delete this; }

private:
    bool m_inCreation, m_handled = false;
};

// Destroyed by its own handler, the object lives until that handler has returned, and nothing
// touches it after its delete. Destroyed while it is being created, it outlives its creation and
// is left to its creator.
TEST(DialogLifetime, ObjectOutlivesEveryHandlerOfItsDestroyedWindow) {
    auto* doomed = new Doomed(false);
    ASSERT_TRUE(doomed->Create());
    doomed->SendMessage(WM_APP);
    EXPECT_TRUE(Doomed::s_deleted && Doomed::UntouchedSinceDelete()) << "not deleted, or written after its delete";
    std::free(doomed);
    doomed = new Doomed(true);
    EXPECT_FALSE(doomed->Create());
    EXPECT_FALSE(Doomed::s_deleted) << "deleted inside its own creation";
    delete doomed;
    std::free(doomed);
}

}  // namespace
