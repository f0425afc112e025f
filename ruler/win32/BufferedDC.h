// The off-screen buffer of a paint request.
#pragma once
#include "platform/gdi/DC.h"
#include "platform/gdi/GdiObject.h"

// An off-screen copy of a paint context's clip box. Drawing goes into a memory bitmap in
// window coordinates; the destructor copies the clip box to the target in one step, so
// nothing on screen is ever half drawn. A printing target is drawn on directly.
class CBufferedDC : public CDC {
public:
    explicit CBufferedDC(CDC& target);
    ~CBufferedDC() override;

private:
    CBitmap m_bitmap;
    HGDIOBJ m_previousBitmap = nullptr;
    CDC* m_target;
    Rect m_area;
    bool m_buffered;
};
