// A screen area copied into a bitmap of the program's own.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/gdi/DC.h"
#include "platform/gdi/GdiObject.h"
#include "base/Color.h"

// The screen area the magnifier shows, copied on every tick into a bitmap of its own: the tick
// tells from it whether the picture changed, and a paint draws from it instead of reading the
// screen again. Its memory context is made once and its bitmap again only when the area's
// size changes; both are released with the object.
class CScreenCapture {
public:
    CScreenCapture() = default;
    ~CScreenCapture();
    CScreenCapture(const CScreenCapture&) = delete;
    CScreenCapture& operator=(const CScreenCapture&) = delete;

    // Copies `source` (virtual-screen pixels) from `screen`, a context of the whole screen;
    // false when the copy failed (the screen is locked, the system refused a context or a
    // bitmap), and then the capture holds nothing.
    bool Grab(const Rect& source, const CDC& screen);
    // Whether the capture holds exactly `source`.
    bool Holds(const Rect& source) const { return m_holds && source == m_source; }
    // The screen pixels it holds; empty when it holds nothing.
    Rect Source() const { return m_holds ? m_source : Rect{}; }
    // The colour of the screen pixel `pixel` as copied, when the capture holds it.
    std::optional<Color> ColorAt(Point pixel) const;
    // The pixels of the last grab, row by row from the top.
    const std::uint32_t* Pixels() const { return m_bits; }
    std::size_t PixelCount() const;
    HDC GetSafeHdc() const { return m_memory.GetSafeHdc(); }

private:
    bool Fit(const CDC& screen, int width, int height);

    CDC m_memory;
    CBitmap m_bitmap;
    HGDIOBJ m_previousBitmap = nullptr;
    std::uint32_t* m_bits = nullptr;  // the bitmap's pixels, owned by m_bitmap
    Point m_size;                     // the bitmap's width and height
    Rect m_source;
    bool m_holds = false;
};
