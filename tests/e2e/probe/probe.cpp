// velmar_probe: the end-to-end tests' helper. Run under Wine in the ruler's prefix, it reports
// what Windows knows as one JSON object on stdout, or puts something on the screen.
//
//   velmar_probe windows <title>     the shown top-level windows with that title (rectangles,
//                                    styles, alpha, owner, focus, move loop, and their controls
//                                    with live texts, check states and slider positions), the
//                                    work area and dpi
//   velmar_probe text <dpi> <text>   the text as the ruler's 8-point font draws it at that
//                                    resolution, one string of '#' (ink) and '.' per row
//   velmar_probe menutext <text>     the text as menus draw it, in the same rows
//   velmar_probe clipboard           the clipboard's Unicode and ANSI texts
//   velmar_probe place <title> <x> <y> <w> <h>    moves and sizes the unowned window
//   velmar_probe close <title>       posts WM_CLOSE to it, as the taskbar's "Close window" does
//   velmar_probe minimize <title>    minimizes it, as "Show the desktop" does
//   velmar_probe colorwindow <x> <y> <w> <h> <RRGGBB> [<RRGGBB> <ms>]    a topmost window of one
//                                    colour, or of two taking turns, until the process is ended
//   velmar_probe picture <x> <y>     a topmost white 400x200 window with things to measure, at
//                                    these offsets: #3366CC boxes of 120x32 at 20,20 and of 60x32 at
//                                    148,20 (an 8-pixel gap between them); a grey gradient 200
//                                    wide at 20,80 that ends at a black box 40 wide; a #CC6633 box
//                                    of 150x20 at 20,150
//   velmar_probe accvalue <title>    name and value of the unowned window's client area as
//                                    assistive technology reads them (null when a call failed)
// Exit codes: 0 done, 1 bad arguments, 2 no such window. Device pixels throughout.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <utility>
#include <type_traits>

namespace {

// A JSON string literal: printable ASCII as it is, other UTF-16 units escaped, other bytes '?'.
template <class Char>
std::string Quoted(const Char* text) {
    std::string result = "\"";
    for (; *text; ++text) {
        const auto c = static_cast<std::make_unsigned_t<Char>>(*text);
        char escaped[8] = "?";
        if (sizeof(Char) > 1 && (c < 0x20 || c >= 0x7F)) std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned{c});
        result += c >= 0x20 && c < 0x7F && c != '"' && c != '\\' ? std::string(1, static_cast<char>(c)) : escaped;
    }
    return result + "\"";
}

// Sent rather than read from the system's copy: an edit's text lives in the control.
DWORD_PTR Ask(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
    return result;
}

void PrintChild(HWND child, const char* separator) {
    RECT r{};
    GetWindowRect(child, &r);
    wchar_t text[1024] = L"";
    Ask(child, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    const bool checked = Ask(child, BM_GETCHECK) == BST_CHECKED;  // 0 from any control but a button
    wchar_t kind[64] = L"";
    GetClassNameW(child, kind, 64);
    const long position = std::wcscmp(kind, TRACKBAR_CLASSW) == 0 ? static_cast<long>(Ask(child, TBM_GETPOS)) : 0;
    std::printf(
        "%s{\"id\": %d, \"rect\": [%ld, %ld, %ld, %ld], \"visible\": %d, \"text\": %s, \"checked\": %d, \"pos\": %ld}",
        separator, GetDlgCtrlID(child), r.left, r.top, r.right, r.bottom, IsWindowVisible(child) != 0,
        Quoted(text).c_str(), checked, position);
}

// "alpha" is null unless the window is layered with a constant alpha; "moving" tells that its
// thread runs the system's move or size loop.
void PrintWindow(HWND hwnd, const char* separator) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    BYTE alpha = 0;
    DWORD flags = 0;
    const bool layered = GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags) && (flags & LWA_ALPHA);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &thread);
    std::printf(
        "%s{\"rect\": [%ld, %ld, %ld, %ld], \"style\": %lu, \"exstyle\": %lu, "
        "\"alpha\": %s, \"owned\": %d, \"foreground\": %d, \"focused\": %d, \"moving\": %d, \"children\": [",
        separator, r.left, r.top, r.right, r.bottom, GetWindowLongW(hwnd, GWL_STYLE), GetWindowLongW(hwnd, GWL_EXSTYLE),
        layered ? std::to_string(alpha).c_str() : "null", GetWindow(hwnd, GW_OWNER) != nullptr,
        GetForegroundWindow() == hwnd, thread.hwndFocus == hwnd || IsChild(hwnd, thread.hwndFocus),
        (thread.flags & GUI_INMOVESIZE) != 0);
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        PrintChild(child, child == GetWindow(hwnd, GW_CHILD) ? "" : ", ");
    std::printf("]}");
}

int PrintWindows(const wchar_t* title) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    HDC screen = GetDC(nullptr);
    std::printf("{\"workarea\": [%ld, %ld, %ld, %ld], \"dpi\": %d, \"windows\": [", work.left, work.top, work.right,
                work.bottom, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    const char* separator = "";
    for (HWND hwnd = FindWindowW(nullptr, title); hwnd; hwnd = FindWindowExW(nullptr, hwnd, nullptr, title))
        if (IsWindowVisible(hwnd)) PrintWindow(hwnd, separator), separator = ", ";
    std::printf("]}\n");
    return 0;
}

// `text` as `font` draws it, one string of '#' (ink) and '.' per row; the font is deleted.
int PrintText(HFONT font, const wchar_t* text) {
    HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text, static_cast<int>(std::wcslen(text)), &size);
    HGDIOBJ bitmap = SelectObject(dc, CreateCompatibleBitmap(screen, size.cx, size.cy));
    PatBlt(dc, 0, 0, size.cx, size.cy, WHITENESS);
    TextOutW(dc, 0, 0, text, static_cast<int>(std::wcslen(text)));
    std::printf("{\"rows\": [");
    for (int y = 0; y < size.cy; ++y) {
        std::printf(y ? ", \"" : "\"");
        for (int x = 0; x < size.cx; ++x) std::putchar(GetPixel(dc, x, y) == 0 ? '#' : '.');
        std::printf("\"");
    }
    std::printf("]}\n");
    DeleteObject(SelectObject(dc, bitmap));
    DeleteObject(SelectObject(dc, oldFont));
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return 0;
}

// The font the dialog manager makes for the ruler's template at `dpi`.
HFONT RulerFont(int dpi) {
    return CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                       PROOF_QUALITY, FF_DONTCARE, L"MS Sans Serif");
}

// The font menus are drawn in.
HFONT MenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return CreateFontIndirectW(&metrics.lfMenuFont);
}

template <class Char>
std::string ClipboardText(UINT format) {
    HANDLE data = GetClipboardData(format);
    const auto* text = data ? static_cast<const Char*>(GlobalLock(data)) : nullptr;
    const std::string quoted = text ? Quoted(text) : "null";
    if (text) GlobalUnlock(data);
    return quoted;
}

// Paints the picture of things to measure (see the top of this file).
LRESULT CALLBACK PaintPicture(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd, &paint);
    const auto fill = [dc](int left, int top, int right, int bottom, COLORREF colour) {
        const RECT r{left, top, right, bottom};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    };
    fill(0, 0, 400, 200, RGB(255, 255, 255));
    fill(20, 20, 140, 52, RGB(0x33, 0x66, 0xCC));
    fill(148, 20, 208, 52, RGB(0x33, 0x66, 0xCC));
    for (int x = 0; x < 200; ++x) fill(20 + x, 80, 21 + x, 120, RGB(200 - x / 2, 200 - x / 2, 200 - x / 2));
    fill(220, 80, 260, 120, RGB(0, 0, 0));
    fill(20, 150, 170, 170, RGB(0xCC, 0x66, 0x33));
    EndPaint(hwnd, &paint);
    return 0;
}

// A topmost window that never takes the keyboard, painted by `paint`, until the process ends; a
// timer ticks every `periodMs` milliseconds when that is above 0.
int ShowWindowOf(WNDPROC paint, const wchar_t* name, HBRUSH background, int x, int y, int width, int height,
                 int periodMs = 0) {
    const WNDCLASSW windowClass{0, paint, 0, 0, GetModuleHandleW(nullptr), nullptr, nullptr, background, nullptr, name};
    RegisterClassW(&windowClass);
    HWND hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, name, name, WS_POPUP | WS_VISIBLE,
                                x, y, width, height, nullptr, nullptr, nullptr, nullptr);
    if (periodMs > 0) SetTimer(hwnd, 1, periodMs, nullptr);
    for (MSG msg; GetMessageW(&msg, nullptr, 0, 0) > 0;) DispatchMessageW(&msg);
    return 0;
}

HBRUSH g_colours[2] = {};

// On each tick the other of the two colours, for a screen that changes (bench/cpu_under_wine.sh).
LRESULT CALLBACK AlternateColours(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER) return DefWindowProcW(hwnd, message, wParam, lParam);
    std::swap(g_colours[0], g_colours[1]);
    SetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(g_colours[0]));
    return InvalidateRect(hwnd, nullptr, TRUE), 0;
}

// A topmost window of one colour, or of two taking turns, that never takes the keyboard.
int ShowColorWindow(wchar_t** args, int count) {
    for (int i = 0; i < (count > 5 ? 2 : 1); ++i) {
        const unsigned long rrggbb = std::wcstoul(args[4 + i], nullptr, 16);
        g_colours[i] = CreateSolidBrush(RGB((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF));
    }
    return ShowWindowOf(AlternateColours, L"Colour", g_colours[0], _wtoi(args[0]), _wtoi(args[1]), _wtoi(args[2]),
                        _wtoi(args[3]), count > 6 ? _wtoi(args[6]) : 0);
}

// The top-level window with that title that has no owner: the ruler, not a message box of it.
HWND FindOwnerless(const wchar_t* title) {
    HWND hwnd = FindWindowW(nullptr, title);
    while (hwnd && GetWindow(hwnd, GW_OWNER)) hwnd = FindWindowExW(nullptr, hwnd, nullptr, title);
    return hwnd;
}

// One text of the client object, null when the call fails.
std::string AccessibleText(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    VARIANT self{};
    self.vt = VT_I4;  // lVal 0: CHILDID_SELF
    BSTR text = nullptr;
    const std::string quoted = object && SUCCEEDED((object->*get)(self, &text)) ? Quoted(text ? text : L"") : "null";
    SysFreeString(text);
    return quoted;
}

int PrintAccessibleValue(HWND hwnd) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, IID_PPV_ARGS(&object));
    std::printf("{\"name\": %s, \"value\": %s}\n", AccessibleText(object, &IAccessible::get_accName).c_str(),
                AccessibleText(object, &IAccessible::get_accValue).c_str());
    if (object) object->Release();
    CoUninitialize();
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    SetProcessDPIAware();
    const std::wstring command = argc > 1 ? argv[1] : L"";
    HWND target = argc > 2 ? FindOwnerless(argv[2]) : nullptr;
    if (command == L"windows" && argc == 3) return PrintWindows(argv[2]);
    if (command == L"text" && argc == 4) return PrintText(RulerFont(_wtoi(argv[2])), argv[3]);
    if (command == L"menutext" && argc == 3) return PrintText(MenuFont(), argv[2]);
    if (command == L"clipboard" && argc == 2 && OpenClipboard(nullptr)) {
        std::printf("{\"unicode\": %s, \"ansi\": %s}\n", ClipboardText<wchar_t>(CF_UNICODETEXT).c_str(),
                    ClipboardText<char>(CF_TEXT).c_str());
        return CloseClipboard(), 0;
    }
    if (command == L"place" && argc == 7 && target)
        return SetWindowPos(target, nullptr, _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]), _wtoi(argv[6]),
                            SWP_NOZORDER | SWP_NOACTIVATE),
               std::printf("{}\n"), 0;
    if (command == L"close" && argc == 3 && target) return PostMessageW(target, WM_CLOSE, 0, 0), std::printf("{}\n"), 0;
    if (command == L"minimize" && argc == 3 && target) return ShowWindow(target, SW_MINIMIZE), std::printf("{}\n"), 0;
    if (command == L"accvalue" && argc == 3 && target) return PrintAccessibleValue(target);
    if (command == L"colorwindow" && (argc == 7 || argc == 9)) return ShowColorWindow(argv + 2, argc - 2);
    if (command == L"picture" && argc == 4)
        return ShowWindowOf(PaintPicture, L"Picture", nullptr, _wtoi(argv[2]), _wtoi(argv[3]), 400, 200);
    return argc > 2 && !target ? 2 : 1;
}
