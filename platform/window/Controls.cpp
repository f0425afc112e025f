// Controls: the owner-drawn bitmap button, trackbars, up-down controls.
#include "platform/window/Controls.h"

namespace {

const wchar_t kOwnerDrawnProperty[] = L"Velmar.OwnerDrawn";

LRESULT CALLBACK WheelToParent(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_MOUSEWHEEL) return ::SendMessageW(::GetParent(control), message, wParam, lParam);
    return ::DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

COwnerDrawn::~COwnerDrawn() {
    if (IsWindow()) ::RemovePropW(m_hWnd, kOwnerDrawnProperty);
}

COwnerDrawn* COwnerDrawn::FromHandle(HWND control) {
    return static_cast<COwnerDrawn*>(::GetPropW(control, kOwnerDrawnProperty));
}

void COwnerDrawn::ForgetControlsOf(HWND dialog) {
    ::EnumChildWindows(
        dialog, [](HWND control, LPARAM) { return ::RemovePropW(control, kOwnerDrawnProperty), TRUE; }, 0);
}

void COwnerDrawn::Register() { ::SetPropW(m_hWnd, kOwnerDrawnProperty, this); }

bool CBitmapButton::LoadBitmaps(int normalId, int pressedId) {
    HINSTANCE module = ::GetModuleHandleW(nullptr);
    auto load = [module](int id) {
        return id ? static_cast<HBITMAP>(::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0)) : nullptr;
    };
    m_normal.Reset(load(normalId));
    m_pressed.Reset(load(pressedId));
    return static_cast<bool>(m_normal);
}

Point CBitmapButton::FaceSize() const {
    BITMAP face{};
    if (!m_normal || !::GetObjectW(m_normal.GetSafeHandle(), sizeof face, &face)) return {};
    return {face.bmWidth, face.bmHeight};
}

bool CBitmapButton::SubclassDlgItem(int id, HWND parent) {
    if (!Attach(parent, id)) return false;
    Register();
    return true;
}

void CBitmapButton::DrawItem(const DRAWITEMSTRUCT& item) {
    const bool pressed = (item.itemState & ODS_SELECTED) && m_pressed;
    HBITMAP face = pressed ? m_pressed.GetSafeHandle() : m_normal.GetSafeHandle();
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
    if (!face) return;

    HDC memory = ::CreateCompatibleDC(item.hDC);
    if (!memory) return;
    BITMAP size{};
    ::GetObjectW(face, sizeof size, &size);
    {
        CSelection select(memory, face);
        ::BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
    }
    ::DeleteDC(memory);
}

void CSliderCtrl::ForwardWheelToParent() {
    // The subclass ends with the control's window.
    if (m_hWnd) ::SetWindowSubclass(m_hWnd, WheelToParent, 0, 0);
}
