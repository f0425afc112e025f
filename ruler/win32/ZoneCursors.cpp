// The cursors of the ruler's zones.
#include "ruler/win32/ZoneCursors.h"

#include "res/resource.h"
#include "base/DpiScale.h"
#include "ruler/view/DrawnResolutions.h"

namespace {

constexpr int kReadingCursors[4] = {IDC_READ_TOP, IDC_READ_BOTTOM, IDC_READ_LEFT, IDC_READ_RIGHT};
constexpr int kCursorSize = 32;  // at 96 dpi

}  // namespace

void CZoneCursors::Load(int dpi) {
    Release();
    const int size = Scaled(kCursorSize, kDrawnDpis[DrawnIndexFor(dpi)]);  // one the cursors hold
    HINSTANCE module = ::GetModuleHandleW(nullptr);
    for (int i = 0; i < 4; ++i)
        m_reading[i] = static_cast<HCURSOR>(
            ::LoadImageW(module, MAKEINTRESOURCEW(kReadingCursors[i]), IMAGE_CURSOR, size, size, 0));
}

void CZoneCursors::Release() {
    for (HCURSOR& cursor : m_reading) {
        if (cursor) ::DestroyCursor(cursor);
        cursor = nullptr;
    }
}

HCURSOR CZoneCursors::For(ZoneCursor cursor) const {
    switch (cursor) {
    case ZoneCursor::SizeWE: return ::LoadCursorW(nullptr, IDC_SIZEWE);
    case ZoneCursor::SizeNS: return ::LoadCursorW(nullptr, IDC_SIZENS);
    case ZoneCursor::SizeNWSE: return ::LoadCursorW(nullptr, IDC_SIZENWSE);
    case ZoneCursor::SizeNESW: return ::LoadCursorW(nullptr, IDC_SIZENESW);
    case ZoneCursor::ReadTop: return m_reading[0];
    case ZoneCursor::ReadBottom: return m_reading[1];
    case ZoneCursor::ReadLeft: return m_reading[2];
    case ZoneCursor::ReadRight: return m_reading[3];
    case ZoneCursor::Default: break;
    }
    return nullptr;
}
