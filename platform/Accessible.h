#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Win32.h"
#include <objbase.h>

#include "ruler/ChangeThrottle.h"

// What a window tells assistive technology through Microsoft Active Accessibility: its client
// area as an IAccessible object with a name and a value (the text the window shows), and an
// EVENT_OBJECT_VALUECHANGE whenever that text changes, no more often than ChangeThrottle lets.
//
// The object is handed out by WM_GETOBJECT and may outlive the window. It holds only the window
// handle: it asks the window for the value with the message below and answers every call with
// CO_E_OBJNOTCONNECTED once the window is gone. What it does not change (location, role, state,
// navigation, ...) it leaves to the system's standard object for a client area.

// The value message, sent by the object to its window: wParam is the capacity of the buffer in
// lParam (wchar_t*, may be null when wParam is 0). The window copies its value into it, cut to
// wParam - 1 characters and ending with a NUL, and returns the whole value's length without the
// NUL. A window that does not answer returns 0: an empty value. CWindowAccessibility::OnMessage
// answers it.
UINT AccessibleValueMessage();

class CClientAccessible;

// The window's side, owned by the window. It builds the object on the first WM_GETOBJECT for
// OBJID_CLIENT, keeps the text to answer with and raises the change events; when destroyed
// (with or after the window) it disconnects the object, whose remaining clients get "gone".
class CWindowAccessibility {
public:
    explicit CWindowAccessibility(std::wstring name) : m_name(std::move(name)) {}
    ~CWindowAccessibility();
    CWindowAccessibility(const CWindowAccessibility&) = delete;
    CWindowAccessibility& operator=(const CWindowAccessibility&) = delete;

    // WM_GETOBJECT and the value message, received by `hwnd`: their result, or nothing when the
    // message is to go on to default processing (other messages and other object ids).
    std::optional<LRESULT> OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Whether anyone listens: the object was asked for and a hook for value changes is installed.
    bool IsListening() const;
    // The window now shows `text` (UTF-8) at `now`: announces it if it is a change and its turn.
    // Changes while nobody listens count as announced: a listener reads the value first. Called
    // on every tick, it does what Tick does as well.
    void SetValue(std::string_view text, std::uint32_t now = ::GetTickCount());
    // On a timer tick: announces a change held back until now.
    void Tick(std::uint32_t now = ::GetTickCount());

private:
    LRESULT OnGetObject(HWND hwnd, WPARAM wParam);
    LRESULT CopyValue(WPARAM capacity, LPARAM buffer) const;
    void Announce(bool due) const;

    std::wstring m_name;
    ChangeThrottle m_throttle;
    HWND m_hwnd = nullptr;                 // set with the object
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
