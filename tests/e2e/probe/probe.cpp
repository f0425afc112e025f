// velmar_probe: a small console helper for the end-to-end tests. Run under Wine in the same
// prefix as the ruler, it reports what Windows itself knows about windows as one JSON object
// on stdout, puts a plain coloured window on the screen, or places a window.
//
//   velmar_probe window <title>      rectangles, styles, alpha, focus and child controls of the
//                                    unowned window with that title, and the screen's work
//                                    area and logical dpi
//   velmar_probe texts <title>       every shown top-level window with that title, its controls'
//                                    live texts and check states included
//   velmar_probe colorwindow <x> <y> <w> <h> <RRGGBB> [<RRGGBB> <ms>]
//                                    a topmost borderless window of one colour, or of two taking
//                                    turns every <ms> milliseconds, kept until the process ends
//   velmar_probe place <title> <x> <y> <w> <h>
//                                    moves and sizes a window, as a benchmark's set-up does
//   velmar_probe clipboard           the clipboard's Unicode and ANSI texts
//   velmar_probe close <title>       posts WM_CLOSE to the window, as the taskbar's "Close
//                                    window" or a taskkill without /F does
// Exit codes: 0 done, 1 bad arguments, 2 no window with that title.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <utility>

namespace {

constexpr int kExitUsage = 1;
constexpr int kExitNoWindow = 2;

// A JSON string literal; everything outside printable ASCII goes as \u escapes.
std::string Quoted(const std::wstring& text) {
    std::string result = "\"";
    for (const wchar_t c : text) {
        char escaped[8] = {static_cast<char>(c), '\0'};
        if (c < 0x20 || c > 0x7E)
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
        if (c == L'"' || c == L'\\')
            result += '\\';
        result += escaped;
    }
    return result + "\"";
}

std::string RectJson(const RECT& rect) {
    char text[96];
    std::snprintf(text, sizeof text, "[%ld, %ld, %ld, %ld]", rect.left, rect.top, rect.right, rect.bottom);
    return text;
}

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string Field(const char* name, const std::string& json) { return ", \"" + std::string(name) + "\": " + json; }

std::wstring TextOf(HWND hwnd) {
    wchar_t text[512] = L"";
    GetWindowTextW(hwnd, text, 512);
    return text;
}

// Sent rather than read from the system's copy: an edit's text lives in the control.
LRESULT Ask(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result) ? result : -1;
}

// Id, class, rectangle and visibility; with live, also the text and check state.
std::string ChildJson(HWND child, bool live) {
    RECT rect{};
    GetWindowRect(child, &rect);
    wchar_t name[256] = L"";
    GetClassNameW(child, name, 256);
    std::string json = "{\"id\": " + std::to_string(GetDlgCtrlID(child)) + Field("class", Quoted(name)) +
                       Field("rect", RectJson(rect)) + Field("visible", Bool(IsWindowVisible(child)));
    if (live) {
        wchar_t text[1024] = L"";
        Ask(child, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
        const bool button = _wcsicmp(name, L"Button") == 0;
        json += Field("text", Quoted(text)) + Field("checked", Bool(button && Ask(child, BM_GETCHECK, 0, 0) > 0));
    }
    return json + "}";
}

// The window's facts, then extra; "alpha" is null unless the window is layered with a constant
// alpha, and "moving" tells that its thread runs the system's move or size loop.
std::string WindowJson(HWND hwnd, bool live, const std::string& extra = "") {
    RECT rect{}, client{};
    GetWindowRect(hwnd, &rect);
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const auto exstyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
    BYTE alpha = 0;
    DWORD flags = 0;
    const bool constantAlpha = GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags) && (flags & LWA_ALPHA);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &thread);
    std::string children;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children += (children.empty() ? "" : ", ") + ChildJson(child, live);
    return "{\"title\": " + Quoted(TextOf(hwnd)) + Field("rect", RectJson(rect)) + Field("client", RectJson(client)) +
           Field("style", std::to_string(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)))) +
           Field("exstyle", std::to_string(exstyle)) + Field("topmost", Bool(exstyle & WS_EX_TOPMOST)) +
           Field("visible", Bool(IsWindowVisible(hwnd))) + Field("alpha", constantAlpha ? std::to_string(alpha) : "null") +
           Field("foreground", Bool(GetForegroundWindow() == hwnd)) +
           Field("focused", Bool(thread.hwndFocus == hwnd || IsChild(hwnd, thread.hwndFocus))) +
           Field("moving", Bool(thread.flags & GUI_INMOVESIZE)) + Field("children", "[" + children + "]") + extra + "}";
}

// The top-level window with that title that has no owner: the program's own window, not a
// message box of it that carries the same title.
HWND FindOwnerless(const wchar_t* title) {
    for (HWND hwnd = FindWindowW(nullptr, title); hwnd; hwnd = FindWindowExW(nullptr, hwnd, nullptr, title)) {
        if (!GetWindow(hwnd, GW_OWNER))
            return hwnd;
    }
    return nullptr;
}

int ReportWindow(const wchar_t* title) {
    HWND hwnd = FindOwnerless(title);
    if (!hwnd)
        return kExitNoWindow;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    HDC screen = GetDC(nullptr);
    const std::string dpi = "[" + std::to_string(GetDeviceCaps(screen, LOGPIXELSX)) + ", " +
                            std::to_string(GetDeviceCaps(screen, LOGPIXELSY)) + "]";
    ReleaseDC(nullptr, screen);
    std::printf("%s\n", WindowJson(hwnd, false, Field("workarea", RectJson(work)) + Field("dpi", dpi)).c_str());
    return 0;
}

int ReportTexts(const wchar_t* title) {
    std::pair<std::wstring, std::string> search{title, ""};  // the title, and the windows found
    EnumWindows(
        [](HWND hwnd, LPARAM state) -> BOOL {
            auto& [title, windows] = *reinterpret_cast<std::pair<std::wstring, std::string>*>(state);
            if (IsWindowVisible(hwnd) && TextOf(hwnd) == title)
                windows += (windows.empty() ? "" : ", ") + WindowJson(hwnd, true);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    std::printf("{\"windows\": [%s]}\n", search.second.c_str());
    return 0;
}

// Runs until the process is ended, which is how the tests remove the window. With a second
// colour the window changes between the two every `periodMs` milliseconds.
HBRUSH g_colours[2] = {};
int g_shown = 0;

LRESULT CALLBACK ColorWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        g_shown = g_colours[1] ? 1 - g_shown : 0;
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_ERASEBKGND: {
        RECT all{};
        GetClientRect(hwnd, &all);
        FillRect(reinterpret_cast<HDC>(wParam), &all, g_colours[g_shown]);
        return TRUE;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

HBRUSH Brush(unsigned long rrggbb) {
    return CreateSolidBrush(RGB((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF));
}

int ShowColorWindow(int x, int y, int width, int height, wchar_t** colours, int count, int periodMs) {
    for (int i = 0; i < count; ++i)
        g_colours[i] = Brush(std::wcstoul(colours[i], nullptr, 16));
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ColorWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VelmarProbeColor";
    RegisterClassW(&windowClass);
    HWND hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass.lpszClassName,
                                L"velmar_probe colour", WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
    if (!hwnd)
        return kExitUsage;
    if (count == 2)
        SetTimer(hwnd, 1, periodMs, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}

// The clipboard's Unicode and ANSI texts, null where it holds no such text.
int ReportClipboard() {
    if (!OpenClipboard(nullptr))
        return kExitNoWindow;
    std::string json = "{\"unicode\": ";
    HANDLE unicode = GetClipboardData(CF_UNICODETEXT);
    const auto* wide = unicode ? static_cast<const wchar_t*>(GlobalLock(unicode)) : nullptr;
    json += wide ? Quoted(wide) : "null";
    if (wide)
        GlobalUnlock(unicode);
    json += ", \"ansi\": ";
    HANDLE ansi = GetClipboardData(CF_TEXT);
    const auto* narrow = ansi ? static_cast<const char*>(GlobalLock(ansi)) : nullptr;
    json += narrow ? Quoted(std::wstring(narrow, narrow + std::strlen(narrow))) : "null";
    if (narrow)
        GlobalUnlock(ansi);
    CloseClipboard();
    std::printf("%s}\n", json.c_str());
    return 0;
}

int PlaceWindow(const wchar_t* title, int x, int y, int width, int height) {
    HWND hwnd = FindOwnerless(title);
    if (!hwnd)
        return kExitNoWindow;
    return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : kExitUsage;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Device pixels throughout, as the ruler itself sees them at any display scaling.
    SetProcessDPIAware();
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"window" && argc == 3)
        return ReportWindow(argv[2]);
    if (command == L"texts" && argc == 3)
        return ReportTexts(argv[2]);
    if (command == L"colorwindow" && (argc == 7 || argc == 9))
        return ShowColorWindow(_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]), argv + 6,
                               argc == 9 ? 2 : 1, argc == 9 ? _wtoi(argv[8]) : 0);
    if (command == L"clipboard" && argc == 2)
        return ReportClipboard();
    if (command == L"close" && argc == 3) {
        HWND hwnd = FindOwnerless(argv[2]);
        if (!hwnd || !PostMessageW(hwnd, WM_CLOSE, 0, 0))
            return kExitNoWindow;
        std::printf("{\"posted\": \"WM_CLOSE\"}\n");
        return 0;
    }
    if (command == L"place" && argc == 7)
        return PlaceWindow(argv[2], _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]), _wtoi(argv[6]));
    std::fprintf(stderr, "usage: velmar_probe window <title> | texts <title> |\n"
                         "       velmar_probe colorwindow <x> <y> <w> <h> <RRGGBB> [<RRGGBB> <ms>] |\n"
                         "       velmar_probe place <title> <x> <y> <w> <h> |\n"
                         "       velmar_probe close <title> | clipboard\n");
    return kExitUsage;
}
