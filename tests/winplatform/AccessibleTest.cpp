// Tests of the accessible object and of messages from another thread.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/win32/RegistrySettings.h"
#include "platform/accessibility/Accessible.h"
#include "ruler/win32/RulerWnd.h"
#include <oleacc.h>
#include <wrl/client.h>

namespace {

// The accessibility side of a plain hidden window, which hands its messages to it first as the
// ruler does, and how often it was asked for the value.
std::unique_ptr<CWindowAccessibility> g_side;
int g_asked = 0;

// The window's value, in UTF-8 as the ruler makes it.
std::string Value() {
    ++g_asked;
    return "Gr\u00F6\u00DFe 3,5 mm";
}

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto result = g_side ? g_side->OnMessage(hwnd, message, wParam, lParam) : std::nullopt) return *result;
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// The windows whose client area announced a value change since the last call, as a listener out
// of context hears them: as messages to this thread.
std::vector<HWND> g_heard;
void CALLBACK Record(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) g_heard.push_back(hwnd);
}
std::vector<HWND> Heard() {
    for (MSG message; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) ::DispatchMessageW(&message);
    return std::exchange(g_heard, {});
}

// The object tells the value as it is now, and reading it announces nothing, where a tick does.
// Once the window is destroyed, or its side before it, every call, its own or the system's
// object's, answers "gone" and the window is asked for nothing any more.
TEST(Accessibility, TellsTheValueAnnouncesNothingWhenReadAndAnswersGoneOnceTheWindowIs) {
    const CComApartment com;
    HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, Record,
                                           ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    VARIANT self{};
    self.vt = VT_I4;  // lVal 0: CHILDID_SELF, the client area itself
    BSTR text = nullptr;
    for (const bool windowFirst : {true, false}) {
        g_side = std::make_unique<CWindowAccessibility>(L"Velmar", Value);
        HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr, nullptr, nullptr);
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc));
        Microsoft::WRL::ComPtr<IAccessible> object;
        ASSERT_EQ(::AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_PPV_ARGS(&object)), S_OK);
        ASSERT_EQ(object->get_accValue(self, &text), S_OK);
        EXPECT_STREQ(text, L"Gr\u00F6\u00DFe 3,5 mm");
        ::SysFreeString(std::exchange(text, nullptr));
        EXPECT_TRUE(Heard().empty()) << "reading announced a change";
        g_side->Tick(1000);
        g_side->Tick(2000);
        EXPECT_EQ(Heard(), std::vector<HWND>{window}) << "not announced once at a tick";

        const int asked = g_asked;
        if (windowFirst)
            ::DestroyWindow(window);
        else
            g_side.reset();
        EXPECT_EQ(object->get_accValue(self, &text), CO_E_OBJNOTCONNECTED) << windowFirst;
        EXPECT_EQ(object->get_accDescription(self, &text), CO_E_OBJNOTCONNECTED) << windowFirst;
        EXPECT_EQ(g_asked, asked) << "the window was asked after it was gone";
        ::DestroyWindow(window);
        g_side.reset();
    }
    ::UnhookWinEvent(hook);
}

// A message that any program can send cannot make the ruler write through an address it
// brings: sent from another thread with the address of a buffer, the buffer stays as it was.
TEST(Accessibility, TheRulerWritesThroughNoAddressAMessageBrings) {
    CRegistrySettings settings;
    auto* ruler = new CRulerWnd(settings);
    ASSERT_TRUE(ruler->Create());
    HWND window = ruler->GetSafeHwnd();
    wchar_t buffer[64] = L"untouched";
    std::thread sender([&, thread = ::GetCurrentThreadId()] {
        const UINT message = ::RegisterWindowMessageW(L"Velmar.AccessibleValue");
        ::SendMessageW(window, message, 64, reinterpret_cast<LPARAM>(buffer));
        ::PostThreadMessageW(thread, WM_QUIT, 0, 0);
    });
    // The ruler's thread takes the sent message while it waits for messages.
    for (MSG message; ::GetMessageW(&message, nullptr, 0, 0) > 0;) ::DispatchMessageW(&message);
    sender.join();
    EXPECT_STREQ(buffer, L"untouched");
    ::DestroyWindow(window);
}

}  // namespace
