// Device contexts: memory, paint and screen.
#include "platform/gdi/DC.h"

#include "platform/gdi/ResourceException.h"

CDC::~CDC() {
    if (m_ownsDC) ::DeleteDC(m_hDC);
}

bool CDC::CreateCompatibleDC(const CDC& other) {
    HDC dc = ::CreateCompatibleDC(other.m_hAttribDC);
    if (!dc) return false;
    if (m_ownsDC) ::DeleteDC(m_hDC);
    m_hDC = m_hAttribDC = dc;
    m_ownsDC = true;
    return true;
}

Rect CDC::GetClipBox() const {
    RECT box{};
    ::GetClipBox(m_hDC, &box);
    return FromRECT(box);
}

void CDC::SetWindowOrg(Point origin) { ::SetWindowOrgEx(m_hDC, origin.x, origin.y, nullptr); }

void CDC::Share(HDC output, HDC attributes, bool printing) {
    m_hDC = output;
    m_hAttribDC = attributes;
    m_bPrinting = printing;
    m_ownsDC = false;
}

void CDC::Forget() {
    m_hDC = m_hAttribDC = nullptr;
    m_ownsDC = false;
}

CPaintDC::CPaintDC(HWND window) : m_window(window) {
    HDC dc = ::BeginPaint(window, &m_paint);
    if (!dc) throw CResourceException();
    Share(dc, dc, false);
}

CPaintDC::~CPaintDC() {
    ::EndPaint(m_window, &m_paint);
    Forget();
}
