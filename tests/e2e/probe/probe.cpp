// velmar_probe: a small console helper for the end-to-end tests. Run under Wine in the same
// prefix as the ruler, it reports what Windows itself knows about a window as one JSON
// object on stdout, or puts a plain coloured window on the screen.
//
//   velmar_probe window <title>                  rectangles, styles and child controls
//   velmar_probe layered <title>                 GetLayeredWindowAttributes and the exstyle
//   velmar_probe screen                          screen size, work area and logical dpi
//   velmar_probe colorwindow <x> <y> <w> <h> <RRGGBB>
//                                                a topmost borderless window of one colour,
//                                                kept until the process is ended
// Exit codes: 0 done, 1 bad arguments, 2 no window with that title.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr int kExitUsage = 1;
constexpr int kExitNoWindow = 2;

std::string Utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}

// A JSON string literal: quotes, backslashes and control characters escaped.
std::string Quoted(const std::wstring& text) {
    std::string result = "\"";
    for (char c : Utf8(text)) {
        if (c == '"' || c == '\\') {
            result += '\\';
            result += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            result += escaped;
        } else {
            result += c;
        }
    }
    return result + "\"";
}

std::string RectJson(const RECT& rect) {
    char text[96];
    std::snprintf(text, sizeof text, "[%ld, %ld, %ld, %ld]", rect.left, rect.top, rect.right, rect.bottom);
    return text;
}

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string Number(unsigned long long value) { return std::to_string(value); }

std::wstring TextOf(HWND hwnd) {
    wchar_t text[512] = L"";
    GetWindowTextW(hwnd, text, 512);
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = L"";
    GetClassNameW(hwnd, name, 256);
    return name;
}

// The client area in screen coordinates, comparable with the window rectangle.
RECT ClientOnScreen(HWND hwnd) {
    RECT rect{};
    GetClientRect(hwnd, &rect);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string ChildJson(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    return "{\"id\": " + std::to_string(GetDlgCtrlID(child)) + ", \"class\": " + Quoted(ClassOf(child)) +
           ", \"rect\": " + RectJson(rect) + ", \"visible\": " + Bool(IsWindowVisible(child) != FALSE) +
           ", \"style\": " + Number(static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE))) + "}";
}

// Direct children only, in Z order.
std::string ChildrenJson(HWND parent) {
    std::string result = "[";
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (result.size() > 1)
            result += ", ";
        result += ChildJson(child);
    }
    return result + "]";
}

int Print(const std::string& json) {
    std::printf("%s\n", json.c_str());
    std::fflush(stdout);
    return 0;
}

int ReportWindow(const wchar_t* title) {
    HWND hwnd = FindWindowW(nullptr, title);
    if (!hwnd)
        return kExitNoWindow;
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    auto exstyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
    return Print("{\"hwnd\": " + Number(reinterpret_cast<uintptr_t>(hwnd)) +
                 ", \"title\": " + Quoted(TextOf(hwnd)) + ", \"class\": " + Quoted(ClassOf(hwnd)) +
                 ", \"rect\": " + RectJson(rect) + ", \"client\": " + RectJson(ClientOnScreen(hwnd)) +
                 ", \"style\": " + Number(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE))) +
                 ", \"exstyle\": " + Number(exstyle) + ", \"topmost\": " + Bool(exstyle & WS_EX_TOPMOST) +
                 ", \"visible\": " + Bool(IsWindowVisible(hwnd) != FALSE) +
                 ", \"children\": " + ChildrenJson(hwnd) + "}");
}

int ReportLayered(const wchar_t* title) {
    HWND hwnd = FindWindowW(nullptr, title);
    if (!hwnd)
        return kExitNoWindow;
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    BOOL ok = GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags);
    return Print("{\"ok\": " + Bool(ok != FALSE) + ", \"alpha\": " + Number(alpha) + ", \"flags\": " +
                 Number(flags) + ", \"colorkey\": " + Number(key) + ", \"exstyle\": " +
                 Number(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE))) + "}");
}

int ReportScreen() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    HDC screen = GetDC(nullptr);
    int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return Print("{\"size\": [" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + ", " +
                 std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "], \"workarea\": " + RectJson(work) +
                 ", \"dpi\": [" + std::to_string(dpiX) + ", " + std::to_string(dpiY) + "]}");
}

LRESULT CALLBACK ColorWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

int ShowColorWindow(int x, int y, int width, int height, unsigned long rrggbb) {
    COLORREF colour = RGB((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ColorWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(colour);  // lives as long as the process
    windowClass.lpszClassName = L"VelmarProbeColor";
    RegisterClassW(&windowClass);
    const DWORD exstyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    HWND hwnd = CreateWindowExW(exstyle, windowClass.lpszClassName, L"velmar_probe colour",
                                WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
    if (!hwnd)
        return kExitUsage;
    UpdateWindow(hwnd);
    Print("{\"hwnd\": " + Number(reinterpret_cast<uintptr_t>(hwnd)) + "}");
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}

// Moves and sizes a window from outside, as a benchmark's set-up does.
int PlaceWindow(const wchar_t* title, int x, int y, int width, int height) {
    HWND hwnd = FindWindowW(nullptr, title);
    if (!hwnd)
        return kExitNoWindow;
    return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : kExitUsage;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: velmar_probe window <title> | layered <title> | screen |\n"
                 "       velmar_probe colorwindow <x> <y> <w> <h> <RRGGBB>\n"
                 "       velmar_probe place <title> <x> <y> <w> <h>\n");
    return kExitUsage;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return Usage();
    const std::wstring command = argv[1];
    if (command == L"window" && argc == 3)
        return ReportWindow(argv[2]);
    if (command == L"layered" && argc == 3)
        return ReportLayered(argv[2]);
    if (command == L"screen" && argc == 2)
        return ReportScreen();
    if (command == L"colorwindow" && argc == 7)
        return ShowColorWindow(_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]),
                               std::wcstoul(argv[6], nullptr, 16));
    if (command == L"place" && argc == 7)
        return PlaceWindow(argv[2], _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]), _wtoi(argv[6]));
    return Usage();
}
