// What a window tells assistive technology through Active Accessibility.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/system/Win32.h"
#include <objbase.h>

#include "base/ChangeThrottle.h"

// What a window tells assistive technology through Microsoft Active Accessibility: its client
// area as an IAccessible object with a name and a value (the text the window shows), and an
// EVENT_OBJECT_VALUECHANGE whenever that text changes, no more often than ChangeThrottle lets.
//
// The object is handed out by WM_GETOBJECT and may outlive the window. It asks the window's side
// for the value directly, never through a message (a message can come from any program, and its
// parameters are not to be trusted), and it holds that side only weakly: once the window or its
// side is gone it answers every call with CO_E_OBJNOTCONNECTED and touches nothing of the window.
// What it does not change (location, role, state, navigation, ...) it leaves to the system's
// standard object for a client area.

class CClientAccessible;

// The window's side, owned by the window. It builds the object on the first WM_GETOBJECT for
// OBJID_CLIENT and raises the change events; when destroyed (with or after the window) it
// disconnects the object, whose remaining clients get "gone".
class CWindowAccessibility {
public:
    // The text the window shows now (UTF-8), made when assistive technology asks for it.
    using ValueSource = std::function<std::string()>;

    CWindowAccessibility(std::wstring name, ValueSource value);
    ~CWindowAccessibility();
    CWindowAccessibility(const CWindowAccessibility&) = delete;
    CWindowAccessibility& operator=(const CWindowAccessibility&) = delete;

    // WM_GETOBJECT received by `hwnd`: its result, or nothing when the message is to go on to
    // default processing (other messages and other object ids).
    std::optional<LRESULT> OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Whether anyone listens: the object was asked for and a hook for value changes is installed.
    bool IsListening() const;
    // On a timer tick: announces a change of the value when it is its turn. Reading the value
    // announces nothing.
    void Tick(std::uint32_t now = ::GetTickCount());

    // What the object holds of its window: the handle and where the value comes from.
    struct Link {
        HWND hwnd = nullptr;
        ValueSource value;
    };

private:
    LRESULT OnGetObject(HWND hwnd, WPARAM wParam);

    std::wstring m_name;
    std::shared_ptr<Link> m_link;  // the object's weak link; gone with this side
    ChangeThrottle m_throttle;
    CClientAccessible* m_object = nullptr;  // one reference, from the first WM_GETOBJECT on
};

// COM for the calling thread in a single-threaded apartment, as long as this object lives:
// without it the object cannot be marshalled to another process.
class CComApartment {
public:
    CComApartment() : m_initialized(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~CComApartment() {
        if (m_initialized) ::CoUninitialize();
    }
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

private:
    bool m_initialized;
};
