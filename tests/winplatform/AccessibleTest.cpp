#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Accessible.h"
#include <oleacc.h>
#include <wrl/client.h>

namespace {

using Microsoft::WRL::ComPtr;

// A plain hidden window that hands its messages to its CWindowAccessibility first, as a window
// of the program does, and counts the WM_GETOBJECT left to default processing.
struct TestWindow {
    TestWindow() {
        static const WNDCLASSW c{0, Proc, 0, 0, ::GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, nullptr, L"AccessibleTest"};
        static const ATOM windowClass = ::RegisterClassW(&c);
        hwnd = ::CreateWindowExW(0, MAKEINTATOM(windowClass), L"", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr, nullptr, nullptr);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~TestWindow() { ::DestroyWindow(hwnd); }
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TestWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && self->accessibility)
            if (const auto result = self->accessibility->OnMessage(hwnd, message, wParam, lParam)) return *result;
        if (self && message == WM_GETOBJECT) ++self->defaultGetObjects;
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND hwnd;
    std::unique_ptr<CWindowAccessibility> accessibility = std::make_unique<CWindowAccessibility>(L"Velmar");
    int defaultGetObjects = 0;
};

// The windows whose client area announced a value change since the last call, as a listener
// out of context hears them: as messages to this thread.
std::vector<HWND> g_heard;
std::vector<HWND> Heard() {
    for (MSG message; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) ::DispatchMessageW(&message);
    return std::exchange(g_heard, {});
}
void CALLBACK Record(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) g_heard.push_back(hwnd);
}

VARIANT Self() {
    VARIANT self{};  // lVal 0: CHILDID_SELF
    self.vt = VT_I4;
    return self;
}

// What get_accName or get_accValue answers: the text, or "failed" and the HRESULT.
std::wstring Read(const ComPtr<IAccessible>& object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    BSTR text = nullptr;
    const HRESULT hr = (object.Get()->*get)(Self(), &text);
    const std::wstring answer = FAILED(hr) ? L"failed " + std::to_wstring(static_cast<unsigned long>(hr)) : text ? text : L"";
    ::SysFreeString(text);
    return answer;
}

// Nothing is made or announced before assistive technology asks for the client area; other
// objects are the system's. Then the object tells the window's name and its value as it is
// now, the system tells the rest, and changes are announced at least 250 ms apart.
TEST(Accessibility, TheClientAreaTellsNameAndValueOnceAskedAndAnnouncesChanges) {
    const CComApartment com;
    HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, Record,
                                           ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    TestWindow window;
    window.accessibility->SetValue("Abstand 245 Pixel", 1000);
    EXPECT_FALSE(window.accessibility->IsListening());
    for (const LONG id : {OBJID_WINDOW, OBJID_CARET, OBJID_VSCROLL}) ::SendMessageW(window.hwnd, WM_GETOBJECT, 0, id);
    EXPECT_EQ(window.defaultGetObjects, 3);
    EXPECT_TRUE(Heard().empty());

    // The object id sign-extended, as a 64-bit client may send it (Wine's AccessibleObjectFromWindow
    // sends it zero-extended).
    ComPtr<IAccessible> object, again;
    const LRESULT result = ::SendMessageW(window.hwnd, WM_GETOBJECT, 0, OBJID_CLIENT);
    ASSERT_EQ(::ObjectFromLresult(result, __uuidof(IAccessible), 0, reinterpret_cast<void**>(object.GetAddressOf())), S_OK);
    window.accessibility->SetValue("Gr\xC3\xB6\xC3\x9F" "e 3,5 mm", 1100);
    ASSERT_EQ(::AccessibleObjectFromWindow(window.hwnd, OBJID_CLIENT, IID_PPV_ARGS(&again)), S_OK);
    EXPECT_EQ(Read(object, &IAccessible::get_accName), L"Velmar");
    EXPECT_EQ(Read(again, &IAccessible::get_accValue), L"Gr\u00F6\u00DFe 3,5 mm");
    VARIANT role{};
    EXPECT_EQ(object->get_accRole(Self(), &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_CLIENT);

    EXPECT_TRUE(window.accessibility->IsListening());
    EXPECT_TRUE(Heard().empty()) << "the change at 1100 ms waits for 1250 ms";
    window.accessibility->Tick(1249);
    EXPECT_TRUE(Heard().empty());
    window.accessibility->Tick(1250);
    EXPECT_EQ(Heard(), std::vector<HWND>{window.hwnd});
    window.accessibility->SetValue("Abstand 3 Pixel", 1500);
    EXPECT_EQ(Heard(), std::vector<HWND>{window.hwnd});
    EXPECT_EQ(Read(object, &IAccessible::get_accValue), L"Abstand 3 Pixel");
    ::UnhookWinEvent(hook);
}

// Once its window is destroyed, or its owner before the window, the object answers "gone" to
// every call, and its last reference may come last.
TEST(Accessibility, TheObjectOutlivesItsWindowAndAnswersGone) {
    const CComApartment com;
    const std::wstring gone = L"failed " + std::to_wstring(static_cast<unsigned long>(CO_E_OBJNOTCONNECTED));
    for (const bool windowFirst : {true, false}) {
        auto window = std::make_unique<TestWindow>();
        ComPtr<IAccessible> object;
        ASSERT_EQ(::AccessibleObjectFromWindow(window->hwnd, OBJID_CLIENT, IID_PPV_ARGS(&object)), S_OK);
        ASSERT_EQ(Read(object, &IAccessible::get_accName), L"Velmar");
        if (windowFirst) ::DestroyWindow(window->hwnd);
        else window->accessibility.reset();
        VARIANT role{};
        long count = 0;
        EXPECT_EQ(Read(object, &IAccessible::get_accName), gone) << windowFirst;
        EXPECT_EQ(Read(object, &IAccessible::get_accValue), gone) << windowFirst;
        EXPECT_EQ(object->get_accRole(Self(), &role), CO_E_OBJNOTCONNECTED) << windowFirst;
        EXPECT_EQ(object->get_accChildCount(&count), CO_E_OBJNOTCONNECTED) << windowFirst;
        window.reset();
        EXPECT_EQ(Read(object, &IAccessible::get_accValue), gone) << windowFirst;
    }
}

}  // namespace
