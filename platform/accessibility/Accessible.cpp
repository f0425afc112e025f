// A window's client area for Active Accessibility: the object, its value and its change events.
#include "platform/accessibility/Accessible.h"

#include "platform/system/Unicode.h"

#include <oleacc.h>
#include <wrl/client.h>

#include <algorithm>
#include <atomic>
#include <new>

using Microsoft::WRL::ComPtr;

// Interface ids come from __uuidof throughout: mingw-w64's liboleacc.a defines IID_IAccessible
// as an import thunk, so the name can link to code bytes instead of the id.

namespace {

// The answer of every call once the window is gone.
constexpr HRESULT kGone = CO_E_OBJNOTCONNECTED;

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

}  // namespace

// The client area of one window as IAccessible: the name it was given and the window's value
// for CHILDID_SELF, the standard object's answers for everything else. Single-threaded
// apartment: COM calls it on the window's thread only.
class CClientAccessible final : public IAccessible {
public:
    using Link = CWindowAccessibility::Link;

    // With one reference for the caller, or null without a standard object to lean on.
    static CClientAccessible* Create(const std::shared_ptr<Link>& link, std::wstring name) {
        ComPtr<IAccessible> standard;
        if (FAILED(::CreateStdAccessibleObject(link->hwnd, OBJID_CLIENT, IID_PPV_ARGS(&standard)))) return nullptr;
        return new CClientAccessible(link, std::move(name), std::move(standard));
    }

    // The window is going: from now on every call answers "gone", here and in other processes.
    void Disconnect() {
        m_link.reset();
        m_standard.Reset();
        ::CoDisconnectObject(static_cast<IAccessible*>(this), 0);
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        const bool offered = iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible);
        *object = offered ? static_cast<IAccessible*>(this) : nullptr;
        if (!*object) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_references; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --m_references;
        if (left == 0) delete this;
        return left;
    }

    // Assistive technology calls IAccessible itself; late binding through IDispatch is not offered.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!IsConnected()) return kGone;
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return IsConnected() ? E_NOTIMPL : kGone; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return IsConnected() ? E_NOTIMPL : kGone;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return IsConnected() ? E_NOTIMPL : kGone;
    }

    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
        if (!IsConnected() || !IsSelf(child)) return Forward(&IAccessible::get_accName, child, name);
        return Answer(m_name, name);
    }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override {
        if (!IsConnected() || !IsSelf(child)) return Forward(&IAccessible::get_accValue, child, value);
        try {  // nothing may throw through COM
            return Answer(Widened(m_link.lock()->value()), value);
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }

    STDMETHODIMP get_accParent(IDispatch** parent) override { return Forward(&IAccessible::get_accParent, parent); }
    STDMETHODIMP get_accChildCount(long* count) override { return Forward(&IAccessible::get_accChildCount, count); }
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override {
        return Forward(&IAccessible::get_accChild, child, object);
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* text) override {
        return Forward(&IAccessible::get_accDescription, child, text);
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
        return Forward(&IAccessible::get_accRole, child, role);
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
        return Forward(&IAccessible::get_accState, child, state);
    }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* text) override {
        return Forward(&IAccessible::get_accHelp, child, text);
    }
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return Forward(&IAccessible::get_accHelpTopic, file, child, topic);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return Forward(&IAccessible::get_accKeyboardShortcut, child, text);
    }
    STDMETHODIMP get_accFocus(VARIANT* child) override { return Forward(&IAccessible::get_accFocus, child); }
    STDMETHODIMP get_accSelection(VARIANT* children) override {
        return Forward(&IAccessible::get_accSelection, children);
    }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* text) override {
        return Forward(&IAccessible::get_accDefaultAction, child, text);
    }
    STDMETHODIMP accSelect(long flags, VARIANT child) override {
        return Forward(&IAccessible::accSelect, flags, child);
    }
    STDMETHODIMP accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        return Forward(&IAccessible::accLocation, left, top, width, height, child);
    }
    STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return Forward(&IAccessible::accNavigate, direction, start, end);
    }
    STDMETHODIMP accHitTest(long x, long y, VARIANT* child) override {
        return Forward(&IAccessible::accHitTest, x, y, child);
    }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override { return Forward(&IAccessible::accDoDefaultAction, child); }
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override {
        return Forward(&IAccessible::put_accName, child, name);
    }
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override {
        return Forward(&IAccessible::put_accValue, child, value);
    }

private:
    CClientAccessible(const std::shared_ptr<Link>& link, std::wstring name, ComPtr<IAccessible> standard)
        : m_link(link), m_name(std::move(name)), m_standard(std::move(standard)) {}
    ~CClientAccessible() = default;

    // The window is told nothing once it is gone: its handle may even name another window by then.
    bool IsConnected() const {
        const auto link = m_link.lock();
        return link && ::IsWindow(link->hwnd);
    }

    template <class... Parameters, class... Arguments>
    HRESULT Forward(HRESULT (STDMETHODCALLTYPE IAccessible::*method)(Parameters...), Arguments... arguments) {
        return IsConnected() ? (m_standard.Get()->*method)(arguments...) : kGone;
    }

    static HRESULT Answer(const std::wstring& text, BSTR* out) {
        if (!out) return E_POINTER;
        *out = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    std::atomic<ULONG> m_references{1};
    std::weak_ptr<Link> m_link;
    const std::wstring m_name;
    ComPtr<IAccessible> m_standard;
};

CWindowAccessibility::CWindowAccessibility(std::wstring name, ValueSource value)
    : m_name(std::move(name)), m_link(std::make_shared<Link>(Link{nullptr, std::move(value)})) {}

CWindowAccessibility::~CWindowAccessibility() {
    m_link.reset();
    if (!m_object) return;
    m_object->Disconnect();
    m_object->Release();
}

std::optional<LRESULT> CWindowAccessibility::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The object id comes as a 32-bit value: OBJID_CLIENT may arrive as 0x00000000FFFFFFFC.
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT))
        return OnGetObject(hwnd, wParam);
    return std::nullopt;
}

LRESULT CWindowAccessibility::OnGetObject(HWND hwnd, WPARAM wParam) {
    if (!m_object) {
        m_link->hwnd = hwnd;
        m_object = CClientAccessible::Create(m_link, m_name);
        if (!m_object) return 0;  // the system then answers with its standard object
    }
    return ::LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(m_object));
}

bool CWindowAccessibility::IsListening() const {
    return m_object && ::IsWinEventHookInstalled(EVENT_OBJECT_VALUECHANGE);
}

// Only while assistive technology listens is the text made on every tick.
void CWindowAccessibility::Tick(std::uint32_t now) {
    if (IsListening() && m_throttle.Update(m_link->value(), now))
        ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, m_link->hwnd, OBJID_CLIENT, CHILDID_SELF);
}
