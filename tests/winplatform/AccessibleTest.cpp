// Tests of the accessible object and of messages from another thread.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
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

using Microsoft::WRL::ComPtr;

// A plain hidden window that hands its messages to its CWindowAccessibility first, as the ruler
// does, its value counting how often it is asked for.
struct TestWindow {
    TestWindow() {
        static const WNDCLASSW c{0,       Proc,    0,       0,       ::GetModuleHandleW(nullptr),
                                 nullptr, nullptr, nullptr, nullptr, L"AccessibleTest"};
        static const ATOM windowClass = ::RegisterClassW(&c);
        hwnd = ::CreateWindowExW(0, MAKEINTATOM(windowClass), L"", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr, nullptr,
                                 nullptr);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~TestWindow() { ::DestroyWindow(hwnd); }
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TestWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && self->accessibility)
            if (const auto result = self->accessibility->OnMessage(hwnd, message, wParam, lParam)) return *result;
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND hwnd;
    std::string value = "Abstand 245 Pixel";
    int asked = 0;
    std::unique_ptr<CWindowAccessibility> accessibility =
        std::make_unique<CWindowAccessibility>(L"Velmar", [this] { return ++asked, value; });
};

// The client areas that announced a value change since the last call, as a listener out of
// context hears them: as messages to this thread.
std::vector<HWND> g_heard;
std::vector<HWND> Heard() {
    for (MSG message; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) ::DispatchMessageW(&message);
    return std::exchange(g_heard, {});
}
void CALLBACK Record(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) g_heard.push_back(hwnd);
}

// What get_accName or get_accValue answers: the text, or "failed" and the HRESULT.
std::wstring Read(const ComPtr<IAccessible>& object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    VARIANT self{};  // lVal 0: CHILDID_SELF
    self.vt = VT_I4;
    BSTR text = nullptr;
    const HRESULT hr = (object.Get()->*get)(self, &text);
    const std::wstring answer = FAILED(hr) ? L"failed " + std::to_wstring(static_cast<unsigned long>(hr))
                                : text     ? text
                                           : L"";
    ::SysFreeString(text);
    return answer;
}

// The object reads the value as it is now, and reading announces nothing; a change is announced
// once at its tick and then never again while the value stays the same. Once the window is
// destroyed, or its side before the window, every call answers "gone" and the window is asked
// for nothing any more.
TEST(Accessibility, TellsTheValueAnnouncesOnlyChangesAndAnswersGoneOnceTheWindowIs) {
    const CComApartment com;
    HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, Record,
                                           ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    const std::wstring gone = L"failed " + std::to_wstring(static_cast<unsigned long>(CO_E_OBJNOTCONNECTED));
    for (const bool windowFirst : {true, false}) {
        auto window = std::make_unique<TestWindow>();
        ComPtr<IAccessible> object;
        ASSERT_EQ(::AccessibleObjectFromWindow(window->hwnd, OBJID_CLIENT, IID_PPV_ARGS(&object)), S_OK);
        EXPECT_EQ(Read(object, &IAccessible::get_accName), L"Velmar");
        window->value =
            "Gr\xC3\xB6\xC3\x9F"
            "e 3,5 mm";
        EXPECT_EQ(Read(object, &IAccessible::get_accValue), L"Gr\u00F6\u00DFe 3,5 mm");
        EXPECT_TRUE(Heard().empty()) << "reading announced a change";
        window->accessibility->Tick(1000);
        EXPECT_EQ(Heard(), std::vector<HWND>{window->hwnd});
        for (const std::uint32_t now : {1300u, 2000u, 90000u}) window->accessibility->Tick(now);
        EXPECT_TRUE(Heard().empty()) << "an announcement for a value that stayed the same";

        const int asked = window->asked;
        if (windowFirst)
            ::DestroyWindow(window->hwnd);
        else
            window->accessibility.reset();
        VARIANT role{}, self{};
        self.vt = VT_I4;
        EXPECT_EQ(Read(object, &IAccessible::get_accName), gone) << windowFirst;
        EXPECT_EQ(Read(object, &IAccessible::get_accValue), gone) << windowFirst;
        EXPECT_EQ(object->get_accRole(self, &role), CO_E_OBJNOTCONNECTED) << windowFirst;
        EXPECT_EQ(window->asked, asked) << "the window was asked after it was gone";
        window.reset();
        EXPECT_EQ(Read(object, &IAccessible::get_accValue), gone) << windowFirst;
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
    std::atomic<bool> sent{false};
    std::thread sender([&] {
        const UINT message = ::RegisterWindowMessageW(L"Velmar.AccessibleValue");
        ::SendMessageW(window, message, 64, reinterpret_cast<LPARAM>(buffer));
        ::SendMessageW(window, message, 64, 0x10);
        sent = true;
    });
    while (!sent) {  // the ruler's thread takes the sent messages while it waits for messages
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        for (MSG message; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) ::DispatchMessageW(&message);
    }
    sender.join();
    EXPECT_STREQ(buffer, L"untouched");
    ::DestroyWindow(window);
}

}  // namespace
