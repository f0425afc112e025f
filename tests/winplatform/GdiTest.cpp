#include <gtest/gtest.h>

#include "platform/DC.h"
#include "platform/GdiObject.h"
#include "ruler/BufferedDC.h"
#include "ruler/GdiCanvas.h"

namespace {

// A 64x64 memory context with a white bitmap, standing in for a window's paint context.
class MemoryTarget : public CDC {
public:
    MemoryTarget() {
        CClientDC screen(nullptr);
        CreateCompatibleDC(screen);
        m_bitmap.Reset(::CreateCompatibleBitmap(screen.GetSafeHdc(), 64, 64));
        m_previous = ::SelectObject(m_hDC, m_bitmap.GetSafeHandle());
        const RECT all{0, 0, 64, 64};
        ::FillRect(m_hDC, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    }
    ~MemoryTarget() override { ::SelectObject(m_hDC, m_previous); }
    void ClipTo(const Rect& r) {
        HRGN region = ::CreateRectRgn(r.left, r.top, r.right, r.bottom);
        ::SelectClipRgn(m_hDC, region);
        ::DeleteObject(region);
    }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

private:
    CBitmap m_bitmap;
    HGDIOBJ m_previous = nullptr;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST(Selection, RestoresThePreviousObjectInTheSameContext) {
    MemoryTarget dc;
    HGDIOBJ original = ::GetCurrentObject(dc.GetSafeHdc(), OBJ_PEN);
    CPen red(PS_SOLID, 0, RGB(255, 0, 0));
    {
        CSelection select(dc.GetSafeHdc(), red.GetSafeHandle());
        EXPECT_EQ(::GetCurrentObject(dc.GetSafeHdc(), OBJ_PEN), red.GetSafeHandle());
    }
    EXPECT_EQ(::GetCurrentObject(dc.GetSafeHdc(), OBJ_PEN), original);
}

TEST(GdiObject, MovedObjectIsDeletedOnceByItsNewOwner) {
    CPen pen(PS_SOLID, 0, RGB(1, 2, 3));
    HGDIOBJ handle = pen.GetSafeHandle();
    {
        CGdiObject<HPEN> moved(std::move(pen));
        EXPECT_FALSE(pen);
        EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_PEN));
    }
    EXPECT_EQ(::GetObjectType(handle), 0u);
}

TEST(GdiCanvas, GivesTheContextBackItsPenFontAndBackgroundMode) {
    MemoryTarget dc;
    HDC hdc = dc.GetSafeHdc();
    HGDIOBJ pen = ::GetCurrentObject(hdc, OBJ_PEN);
    HGDIOBJ font = ::GetCurrentObject(hdc, OBJ_FONT);
    HGDIOBJ made = nullptr;
    {
        CGdiCanvas canvas(dc, static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT)), nullptr);
        canvas.SelectFont(Canvas::Font::Dialog);
        canvas.SelectPen(RGB(64, 64, 64));
        made = ::GetCurrentObject(hdc, OBJ_PEN);
        canvas.Line({1, 1}, {1, 10});
        EXPECT_EQ(::GetBkMode(hdc), TRANSPARENT);
    }
    EXPECT_EQ(::GetCurrentObject(hdc, OBJ_PEN), pen);
    EXPECT_EQ(::GetCurrentObject(hdc, OBJ_FONT), font);
    EXPECT_EQ(::GetBkMode(hdc), OPAQUE);
    EXPECT_EQ(::GetObjectType(made), 0u) << "the canvas's pen outlives it";
    EXPECT_EQ(dc.Pixel(1, 9), RGB(64, 64, 64));
    EXPECT_EQ(dc.Pixel(1, 10), kWhite) << "a line stops before its end point";
}

TEST(BufferedDC, CopiesExactlyTheClipBoxInWindowCoordinates) {
    MemoryTarget target;
    target.ClipTo({10, 20, 30, 40});
    {
        CBufferedDC buffer(target);
        CGdiCanvas canvas(buffer, nullptr, nullptr);
        EXPECT_EQ(canvas.ClipBox(), (Rect{10, 20, 30, 40}));
        canvas.Fill({0, 0, 64, 64}, RGB(0, 255, 255));
        EXPECT_EQ(target.Pixel(15, 25), kWhite) << "nothing reaches the target before the copy";
    }
    EXPECT_EQ(target.Pixel(10, 20), RGB(0, 255, 255));
    EXPECT_EQ(target.Pixel(29, 39), RGB(0, 255, 255));
    target.ClipTo({0, 0, 64, 64});
    EXPECT_EQ(target.Pixel(9, 20), kWhite);
    EXPECT_EQ(target.Pixel(30, 39), kWhite);
    EXPECT_EQ(target.Pixel(29, 40), kWhite);
}

}  // namespace
