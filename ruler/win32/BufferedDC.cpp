// The off-screen buffer of a paint request.
#include "ruler/win32/BufferedDC.h"

CBufferedDC::CBufferedDC(CDC& target)
    : m_target(&target), m_area(target.GetClipBox()), m_buffered(!target.IsPrinting()) {
    if (!m_buffered) {
        Share(target.GetSafeHdc(), target.GetAttribHdc(), true);
        return;
    }
    // A memory context or bitmap the system refuses is not an error: the drawing into it
    // is lost and the copy-back copies nothing useful, but the paint request completes.
    CreateCompatibleDC(target);
    m_bitmap.Reset(::CreateCompatibleBitmap(target.GetSafeHdc(), m_area.Width(), m_area.Height()));
    if (m_bitmap) m_previousBitmap = ::SelectObject(m_hDC, m_bitmap.GetSafeHandle());
    SetWindowOrg({m_area.left, m_area.top});
}

CBufferedDC::~CBufferedDC() {
    if (!m_buffered) {
        Forget();
        return;
    }
    ::BitBlt(m_target->GetSafeHdc(), m_area.left, m_area.top, m_area.Width(), m_area.Height(), m_hDC, m_area.left,
             m_area.top, SRCCOPY);
    if (m_previousBitmap) ::SelectObject(m_hDC, m_previousBitmap);
}
