// Copying a screen area into a bitmap of the program's own.
#include "ruler/win32/ScreenCapture.h"

CScreenCapture::~CScreenCapture() {
    if (m_previousBitmap) ::SelectObject(m_memory.GetSafeHdc(), m_previousBitmap);
}

std::size_t CScreenCapture::PixelCount() const {
    return m_holds ? static_cast<std::size_t>(m_source.Width()) * static_cast<std::size_t>(m_source.Height()) : 0;
}

std::optional<Color> CScreenCapture::ColorAt(Point pixel) const {
    if (!m_holds || !m_source.Contains(pixel)) return std::nullopt;
    const std::size_t at =
        static_cast<std::size_t>(pixel.y - m_source.top) * static_cast<std::size_t>(m_source.Width()) +
        static_cast<std::size_t>(pixel.x - m_source.left);
    const std::uint32_t bgr = m_bits[at];  // a 32-bit DIB holds blue in its low byte
    return Rgb((bgr >> 16) & 0xFFu, (bgr >> 8) & 0xFFu, bgr & 0xFFu);
}

bool CScreenCapture::Grab(const Rect& source, const CDC& screen) {
    m_holds = false;
    if (!Fit(screen, source.Width(), source.Height())) return false;
    if (!::BitBlt(m_memory.GetSafeHdc(), 0, 0, source.Width(), source.Height(), screen.GetSafeHdc(), source.left,
                  source.top, SRCCOPY))
        return false;
    ::GdiFlush();  // the copy must have reached the bitmap's memory before it is read
    m_source = source;
    m_holds = true;
    return true;
}

// A 32-bit top-down bitmap of the given size selected into the memory context, made only
// when the size changes.
bool CScreenCapture::Fit(const CDC& screen, int width, int height) {
    if (width <= 0 || height <= 0) return false;
    if (m_bitmap && m_size == Point{width, height}) return true;
    if (!m_memory.GetSafeHdc() && !m_memory.CreateCompatibleDC(screen)) return false;
    if (m_previousBitmap) ::SelectObject(m_memory.GetSafeHdc(), m_previousBitmap);
    m_previousBitmap = nullptr;
    m_bits = nullptr;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    m_bitmap.Reset(::CreateDIBSection(m_memory.GetSafeHdc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!m_bitmap || !bits) return false;
    m_previousBitmap = ::SelectObject(m_memory.GetSafeHdc(), m_bitmap.GetSafeHandle());
    m_bits = static_cast<std::uint32_t*>(bits);
    m_size = {width, height};
    return true;
}
