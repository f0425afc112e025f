#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <new>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <set>
#include <string>

#include "app/RegistrySettings.h"
#include "app/SettingsStore.h"
#include "platform/Dialog.h"
#include "platform/Display.h"
#include "platform/Menu.h"
#include "platform/Registry.h"
#include "res/resource.h"
#include "ruler/ContextMenu.h"
#include "ruler/DpiScale.h"
#include "ruler/GdiCanvas.h"
#include "ruler/Magnifier.h"
#include "ruler/ReadoutPainter.h"
#include "ruler/RulerFonts.h"
#include "ruler/RulerLayout.h"
#include "ruler/RulerWnd.h"

// Every allocation fails while this is set, as when memory runs out; the failures are counted.
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
    static HCURSOR CursorAt(Point at, int hitTest = HTCLIENT) {
        ::SetCursorPos(50 + at.x, 60 + at.y);
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        ::SendMessageW(s_window, WM_SETCURSOR, reinterpret_cast<WPARAM>(s_window), MAKELPARAM(hitTest, WM_MOUSEMOVE));
        return ::GetCursor();
    }
    static inline HWND s_window = nullptr;
};

// A cursor as the user sees it: its size, hot spot and mask.
std::string Look(HCURSOR cursor) {
    ICONINFO info{};
    if (!cursor || !::GetIconInfo(cursor, &info)) return "none";
    BITMAP mask{};
    ::GetObjectW(info.hbmMask, sizeof mask, &mask);
    std::string bits(static_cast<std::size_t>(mask.bmWidthBytes) * mask.bmHeight, '\0');
    ::GetBitmapBits(info.hbmMask, static_cast<LONG>(bits.size()), bits.data());
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    return std::to_string(mask.bmWidth) + "x" + std::to_string(mask.bmHeight) + "@" + std::to_string(info.xHotspot) + "," +
           std::to_string(info.yHotspot) + ":" + bits;
}

// The look of the reading cursor `id` drawn for `dpi`, or of the system's cursor `system`.
std::string Reading(int id, int dpi = 96) {
    const int size = Scaled(32, dpi);
    const auto cursor = static_cast<HCURSOR>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_CURSOR, size, size, 0));
    const std::string look = Look(cursor);
    ::DestroyCursor(cursor);
    return look;
}
std::string System(const wchar_t* id) { return Look(::LoadCursorW(nullptr, id)); }

// Records where the painting puts its texts, measured in a real font: the numbers of the scale
// as they stand centred in their boxes, the readouts' texts from their top-left corners.
class TextPlaces : public Canvas {
public:
    explicit TextPlaces(const TextMeasure& font) : m_font(font) {}
    std::vector<Rect> numbers, readouts;

    Rect ClipBox() const override { return {-100000, -100000, 100000, 100000}; }
    int TextWidth(std::string_view text) const override { return m_font.TextWidth(text); }
    int TextHeight() const override { return m_font.TextHeight(); }
    void TextCentred(const Rect& box, std::string_view text) override {
        const int width = TextWidth(text), left = box.left + (box.Width() - width) / 2, top = box.top + (box.Height() - TextHeight()) / 2;
        numbers.push_back({left, top, left + width, top + TextHeight()});
    }
    void TextAt(Point at, std::string_view text) override { readouts.push_back({at.x, at.y, at.x + TextWidth(text), at.y + TextHeight()}); }
    void SelectPen(Color) override {}
    void Line(Point, Point) override {}
    void SelectTextColor(Color) override {}
    void Fill(const Rect&, Color) override {}
    void StretchFromScreen(const Rect&, const Rect&, const Rect&) override {}
    void StretchFromCopy(const Rect&, const Rect&, const Rect&) override {}
    void FillChecker(const Rect&, Point) override {}

private:
    const TextMeasure& m_font;
};

bool Apart(const Rect& a, const Rect& b, int gap) { return !a.Inflated(gap, gap).Intersects(b); }
bool Holds(const Rect& outer, const Rect& inner) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top && inner.bottom <= outer.bottom;
}

// With the fonts the ruler makes at 96, 120, 144 and 192 dpi, for every unit, extreme values
// and zooms: every readout box lies inside the ruler, holds its texts and keeps 3 scaled pixels
// from the other boxes, the magnifier and its slider; every number of the scale keeps as much
// from the readouts and from the other numbers.
TEST_F(Ruler, NothingRunsIntoAnything) {
    const ReadoutSubject subjects[] = {{{-32768, -32768}, {0, 0}, 0}, {{32767, 32767}, {-32768, -32768}, 0x123456}, {{5, 5}, {0, 0}, 0}};
    for (const int dpi : {96, 120, 144, 192}) {
        CRulerFonts fonts;
        fonts.Make(reinterpret_cast<HFONT>(::SendMessageW(s_window, WM_GETFONT, 0, 0)), dpi);
        const TextMeasure& font = fonts;
        const int gap = Scaled(3, dpi);
        for (const RulerUnit unit : {UnitPixel, UnitLogical, UnitCentimetre, UnitInch}) {
            for (const Rect& client : {Rect{0, 0, Scaled(489, dpi), Scaled(41, dpi)}, Rect{0, 0, Scaled(640, dpi), Scaled(170, dpi)},
                                       Rect{0, 0, Scaled(300, dpi), Scaled(84, dpi)}, Rect{0, 0, Scaled(41, dpi), Scaled(489, dpi)},
                                       Rect{0, 0, Scaled(300, dpi), Scaled(600, dpi)}}) {
                for (const std::int32_t zoom : {10, 100, 500}) {
                    for (const ReadoutSubject& subject : subjects) {
                        RulerView view;
                        view.client = client, view.unit = unit, view.zoom = zoom, view.dpi = dpi;
                        view.layout = LayoutPanes(client, dpi, MeasureReadouts(fonts, unit, dpi));
                        view.reference = subject.color;
                        view.texts = ReadoutTextsFor(subject, unit, dpi, client.Height() > client.Width(), view.reference);
                        TextPlaces places(font);
                        PaintRuler(places, view);
                        const std::string what = testing::PrintToString(std::make_tuple(dpi, int(unit), client.right, client.bottom, zoom, subject.cursor.x));
                        std::vector<Rect> boxes = ReadoutBoxes(view, font);
                        for (const Rect& box : boxes) {
                            EXPECT_TRUE(Holds(client, box)) << what;
                            for (const Rect& other : {view.layout.magnifier, view.layout.magnifierSlider}) EXPECT_TRUE(Apart(box, other, gap)) << what;
                        }
                        for (const Rect& text : places.readouts)
                            EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [&](const Rect& box) { return Holds(box.Inflated(-1, -1), text); })) << what;
                        boxes.insert(boxes.end(), places.numbers.begin(), places.numbers.end());
                        for (std::size_t i = 0; i < boxes.size(); ++i)
                            for (std::size_t j = i + 1; j < boxes.size(); ++j) EXPECT_TRUE(Apart(boxes[i], boxes[j], gap)) << what << i << ',' << j;
                    }
                }
            }
        }
    }
}

// Check marks go by command, also into the "Zoom" and "Farbe kopieren als" submenus; "Zoom"
// is greyed unless the unit is centimetres.
TEST_F(Ruler, ContextMenuMarksTheSettings) {
    const std::pair<RulerSettings, std::set<int>> cases[] = {
        {{UnitInch, 120, true}, {ID_UNIT_INCH, ID_TRANSPARENT, ID_ZOOM_120, ID_COPY_HEX}},
        {{UnitCentimetre, 110, false, 2, ColorFormat::Hsl}, {ID_UNIT_CM, ID_ZOOM_OTHER, ID_COPY_HSL}},
        {{UnitPixel, 75, false, 2, ColorFormat::Decimal}, {ID_UNIT_PIXEL, ID_ZOOM_75, ID_COPY_DECIMAL}},
        {{UnitLogical, 100, false}, {ID_UNIT_DIP, ID_ZOOM_100, ID_COPY_HEX}}};
    for (const auto& [settings, checked] : cases) {
        const CMenu menu(IDR_RULER_MENU);
        HMENU popup = menu.GetSubMenu(0);
        MarkContextMenu(popup, settings);
        for (int id = ID_UNIT_CM; id <= ID_COPY_DECIMAL; ++id)
            EXPECT_EQ((::GetMenuState(popup, id, MF_BYCOMMAND) & MF_CHECKED) != 0, checked.count(id) > 0) << id;
        for (int position : {0, 1, 2, 3, 5, 6, 8})  // 4 and 7 are separators, 6 the "Zoom" submenu
            EXPECT_EQ((::GetMenuState(popup, position, MF_BYPOSITION) & MF_GRAYED) != 0, position == 6 && settings.unit != UnitCentimetre);
    }
}

// Each zone shows its cursor, on both sides of every boundary: a size cursor on the edges and
// corners (8 and 5 pixels), the band's reading cursor (20), the default over the rest and the
// close button, and while the ruler is disabled (HTERROR).
TEST_F(Ruler, EachZoneShowsItsCursor) {
    ::SetWindowPos(s_window, nullptr, 50, 60, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    const auto system = System;
    const auto reading = [](int id) { return Reading(id); };
    const Rect button = ChildRect(IDCANCEL);
    const std::pair<Point, std::string> cases[] = {
        {{7, 7}, system(IDC_SIZENWSE)}, {{8, 7}, reading(IDC_READ_TOP)}, {{100, 4}, system(IDC_SIZENS)}, {{100, 5}, reading(IDC_READ_TOP)},
        {{100, 20}, reading(IDC_READ_TOP)}, {{100, 21}, system(IDC_ARROW)}, {{4, 100}, system(IDC_SIZEWE)},
        {{5, 100}, reading(IDC_READ_LEFT)}, {{20, 100}, reading(IDC_READ_LEFT)}, {{21, 100}, system(IDC_ARROW)},
        {{0, 199}, system(IDC_SIZENESW)}, {{100, 180}, reading(IDC_READ_BOTTOM)}, {{100, 179}, system(IDC_ARROW)},
        {{280, 100}, reading(IDC_READ_RIGHT)}, {{279, 100}, system(IDC_ARROW)}, {{293, 193}, system(IDC_SIZENWSE)}, {{292, 193}, reading(IDC_READ_BOTTOM)},
        {{button.left, button.top}, system(IDC_ARROW)}};
    for (const auto& [at, cursor] : cases) EXPECT_EQ(Look(CursorAt(at)), cursor) << at.x << ',' << at.y;
    EXPECT_EQ(Look(CursorAt({100, 5}, HTERROR)), system(IDC_ARROW)) << "not the band's";
}

// A modal dialog disables the ruler, which loses the keyboard, and deactivates it; when the
// dialog has gone the ruler, which had the keyboard before, has it again, not one of its sliders.
TEST_F(Ruler, TakesTheKeyboardBackAfterAModalDialog) {
    ::SetWindowPos(s_window, nullptr, 50, 60, 400, 130, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetFocus(s_window);
    ASSERT_EQ(::GetFocus(), s_window);
    ::EnableWindow(s_window, FALSE);
    ::SendMessageW(s_window, WM_ACTIVATE, WA_INACTIVE, 0);
    ::EnableWindow(s_window, TRUE);
    ::SendMessageW(s_window, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(::GetFocus(), s_window);
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
    const Rect button = ChildRect(IDCANCEL);
    EXPECT_EQ((Rect{790 - 2 * button96.Width(), 10, 790, 10 + 2 * button96.Height()}), button);
    CRulerFonts fonts;
    fonts.Make(reinterpret_cast<HFONT>(::SendMessageW(s_window, WM_GETFONT, 0, 0)), 192);
    const PaneLayout layout = LayoutPanes({0, 0, 800, 240}, 192, MeasureReadouts(fonts, UnitPixel, 192));
    EXPECT_EQ(ChildRect(IDC_MAGNIFY_SLIDER), layout.magnifierSlider);
    EXPECT_EQ(ChildRect(IDC_ALPHA_SLIDER), AlphaSliderRect(192));
    for (const int slider : {IDC_MAGNIFY_SLIDER, IDC_ALPHA_SLIDER}) {  // their tips in the font made for 192 dpi
        LOGFONTW tipFont{};
        HWND tip = reinterpret_cast<HWND>(::SendMessageW(::GetDlgItem(s_window, slider), TBM_GETTOOLTIPS, 0, 0));
        ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(tip, WM_GETFONT, 0, 0)), sizeof tipFont, &tipFont);
        EXPECT_EQ(tipFont.lfHeight, DialogFontHeight(192)) << slider;
    }
    MINMAXINFO limits{};
    ::SendMessageW(s_window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ((Point{limits.ptMinTrackSize.x, limits.ptMinTrackSize.y}), (Point{90, 80}));
    // The cursors drawn for 192 dpi, not stretched: 64 pixels, the hot spot on the tip; the
    // corners' size cursors across their whole scaled size.
    EXPECT_EQ(Look(CursorAt({40, 100})).substr(0, 13), "64x128@63,31:");  // the mask holds AND and XOR
    EXPECT_EQ(Look(CursorAt({15, 15})), System(IDC_SIZENWSE));
    EXPECT_EQ(Look(CursorAt({16, 15})), Reading(IDC_READ_TOP, 192));
    // The close button shows its 24x26 face: black outer edge at its last pixel, grey inside its bevel.
    ::RedrawWindow(s_window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const CClientDC screen(nullptr);
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
// cyan at once when it is switched off.
TEST(HighContrast, TheSurfaceFollowsTheSystemsColours) {
    auto* ruler = new HighContrastRuler(g_registry);
    ASSERT_TRUE(ruler->Create());
    HWND window = ruler->GetSafeHwnd();
    ::SetWindowPos(window, nullptr, 100, 300, 489, 41, SWP_NOZORDER | SWP_NOACTIVATE);
    const auto surface = [window] {
        ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW);
        return ::GetPixel(CClientDC(nullptr).GetSafeHdc(), 100 + 250, 300 + 20);
    };
    for (const bool on : {true, false}) {
        ruler->on = on;
        ::SendMessageW(window, on ? WM_SYSCOLORCHANGE : WM_SETTINGCHANGE, 0, 0);
        EXPECT_EQ(surface(), on ? ::GetSysColor(COLOR_WINDOW) : RGB(0, 255, 255)) << on;
    }
    ::DestroyWindow(window);
}

// While copying the screen fails (it is locked, say) the magnifier is repainted only when it
// moves; the first copy that works again repaints it, also over an unchanged screen.
TEST(Magnifier, RepaintsOnceTheScreenCanBeCopiedAgain) {
    CMagnifier magnifier;
    const MagnifierGeometry here = MagnifierGeometryFor({0, 0, 100, 60}, 2, {50, 50}, {0, 0, 1024, 768}, 96);
    const MagnifierGeometry there = MagnifierGeometryFor({0, 0, 100, 60}, 2, {60, 50}, {0, 0, 1024, 768}, 96);
    const CScreenDC screen;
    const CDC locked;  // no context: every copy from it fails
    const struct { const MagnifierGeometry& geometry; const CDC& screen; bool repainted; } ticks[] = {
        {here, screen, true}, {here, screen, false}, {here, locked, false}, {here, locked, false}, {here, screen, true},
        {there, locked, true}, {there, locked, false}, {there, screen, true}, {there, screen, false}};
    for (const auto& tick : ticks) EXPECT_EQ(magnifier.Tick(tick.geometry, tick.screen), tick.repainted) << &tick - ticks;
}

// Points the program's imports of the function at `from` at `to` instead.
void RedirectImports(const void* from, const void* to) {
    auto* base = reinterpret_cast<unsigned char*>(::GetModuleHandleW(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress); import->Name; ++import) {
        for (auto* entry = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk); entry->u1.Function; ++entry) {
            if (reinterpret_cast<const void*>(entry->u1.Function) != from) continue;
            DWORD protection = 0;
            ::VirtualProtect(&entry->u1.Function, sizeof entry->u1.Function, PAGE_READWRITE, &protection);
            entry->u1.Function = reinterpret_cast<ULONG_PTR>(to);
            ::VirtualProtect(&entry->u1.Function, sizeof entry->u1.Function, protection, &protection);
        }
    }
}

// A system function of user32, and the program's imports of it led to `replacement` while it lives.
template <class Function>
class Redirected {
public:
    Redirected(const char* name, Function replacement)
        : m_original(reinterpret_cast<Function>(::GetProcAddress(::GetModuleHandleA("user32.dll"), name))), m_replacement(replacement) {
        RedirectImports(reinterpret_cast<const void*>(m_original), reinterpret_cast<const void*>(replacement));
    }
    ~Redirected() { RedirectImports(reinterpret_cast<const void*>(m_replacement), reinterpret_cast<const void*>(m_original)); }
    Function Original() const { return m_original; }

private:
    Function m_original;
    Function m_replacement;
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
        const Redirected<EnumDisplayMonitorsFn> refusing("EnumDisplayMonitors", EnumDisplayMonitorsRefusingMemory);
        g_enumDisplayMonitors = refusing.Original();
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
        const Redirected<EnumDisplayMonitorsFn> enumerating("EnumDisplayMonitors", EnumDisplayMonitorsWithASecond);
        const Redirected<GetMonitorInfoFn> telling("GetMonitorInfoW", GetMonitorInfoWithASecond);
        g_enumDisplayMonitors = enumerating.Original();
        g_getMonitorInfo = telling.Original();
        ::SendMessageW(s_window, WM_DISPLAYCHANGE, 32, MAKELPARAM(2048, 768));
    }
    EXPECT_EQ(right(), 985);
}

// A modeless dialog that deletes itself once its window is gone, and whose handler of WM_APP
// runs `handler`. Its memory is never given back: the delete fills it with a pattern, so any
// write after the delete shows in it.
class Doomed : public CDialog {
public:
    static void* operator new(std::size_t size) {
        s_deleted = false;
        return s_block = static_cast<unsigned char*>(std::malloc(s_size = size));
    }
    static void operator delete(void* block) { std::memset(block, 0xDD, s_size), s_deleted = true; }
    static bool UntouchedSinceDelete() { return std::all_of(s_block, s_block + s_size, [](unsigned char b) { return b == 0xDD; }); }
    static inline unsigned char* s_block = nullptr;
    static inline std::size_t s_size = 0;
    static inline bool s_deleted = false;

    explicit Doomed(std::function<void(Doomed&)> handler) : CDialog(IDD_ZOOM, nullptr), m_handler(std::move(handler)) {}
    void Destroy() { DestroyWindow(); }

protected:
    BOOL OnInitDialog() override {
        if (!m_handler) DestroyWindow();  // a message sent in during its creation destroys it
        return TRUE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_APP) return CDialog::WindowProc(message, wParam, lParam);
        m_handler(*this);
        m_handled = true;  // a member written after the window went
        return 0;
    }
    void OnCancel() override { DestroyWindow(); }
    void PostNcDestroy() override { delete this; }

private:
    std::function<void(Doomed&)> m_handler;
    bool m_handled = false;
};

void CloseFromANestedLoop(Doomed& self) {  // as a menu's loop dispatches a WM_CLOSE
    self.PostMessage(WM_CLOSE);
    for (MSG message; self.IsWindow() && ::GetMessageW(&message, nullptr, 0, 0) > 0;) ::DispatchMessageW(&message);
}

// Destroyed by its own handler, or by a WM_CLOSE that a nested loop dispatches: the object
// lives until that handler has returned, and nothing touches it after its delete. Destroyed
// while it is being created, it outlives its creation and is left to its creator.
TEST(DialogLifetime, ObjectOutlivesEveryHandlerOfItsDestroyedWindow) {
    for (const auto& way : {std::function<void(Doomed&)>(&Doomed::Destroy), std::function<void(Doomed&)>(CloseFromANestedLoop)}) {
        auto* doomed = new Doomed([&way](Doomed& self) {
            way(self);
            EXPECT_FALSE(self.IsWindow());
            EXPECT_FALSE(Doomed::s_deleted) << "deleted while its handler still ran";
        });
        ASSERT_TRUE(doomed->Create());
        doomed->SendMessage(WM_APP);
        EXPECT_TRUE(Doomed::s_deleted && Doomed::UntouchedSinceDelete()) << "not deleted, or written after its delete";
        std::free(doomed);
    }
    auto* doomed = new Doomed(nullptr);
    EXPECT_FALSE(doomed->Create());
    EXPECT_FALSE(Doomed::s_deleted) << "deleted inside its own creation";
    delete doomed;
    std::free(doomed);
}

LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
    return code == HCBT_CREATEWND ? 1 : ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// A ruler whose window the system refuses writes nothing over the stored settings; texts are
// stored with their terminating NUL, integers as 4-byte DWORDs.
TEST(Settings, AStartWithoutWindowLeavesThemAloneAndTextsKeepTheirNul) {
    WriteSettingString("Option", "Einheit", "mm");
    WriteSettingInt("Option", "Zoom", -5);
    HHOOK hook = ::SetWindowsHookExW(WH_CBT, RefuseWindows, nullptr, ::GetCurrentThreadId());
    auto* ruler = new CRulerWnd(g_registry);
    EXPECT_FALSE(ruler->Create());
    ::UnhookWindowsHookEx(hook);
    delete ruler;
    const CRegKey key = CRegKey::Open(HKEY_CURRENT_USER, "Software\\zp-r\\Velmar\\Option", KEY_READ);
    const RegistryValue text = key.Query("Einheit", 64).value(), zoom = key.Query("Zoom", 64).value();
    EXPECT_EQ(std::pair(text.type, std::string(text.data.begin(), text.data.end())), std::pair(std::uint32_t{REG_SZ}, std::string("mm", 3)));
    EXPECT_EQ(std::pair(zoom.type, zoom.data), std::pair(std::uint32_t{REG_DWORD}, std::vector<unsigned char>{0xFB, 0xFF, 0xFF, 0xFF}));
}

}  // namespace
