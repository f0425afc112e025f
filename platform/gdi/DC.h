// Device contexts: memory, paint and screen.
#pragma once
#include <string_view>

#include "platform/system/Win32.h"

// A device context: an output handle that receives the drawing and an attribute handle
// that answers questions about the device (they are the same except for special cases).
// It deletes only a context it created itself (a memory context); the derived classes
// release the contexts they obtained.
class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    HDC GetAttribHdc() const { return m_hAttribDC; }
    bool IsPrinting() const { return m_bPrinting; }

    // A memory context compatible with `other`; false when the system refuses it.
    bool CreateCompatibleDC(const CDC& other);

    Rect GetClipBox() const;
    void SetWindowOrg(Point origin);
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hAttribDC, index); }

protected:
    // Uses contexts owned elsewhere; they are neither released nor deleted here.
    void Share(HDC output, HDC attributes, bool printing);
    void Forget();

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    bool m_bPrinting = false;

private:
    bool m_ownsDC = false;
};

// The context of a paint request (BeginPaint ... EndPaint).
class CPaintDC : public CDC {
public:
    // Throws CResourceException when painting cannot begin.
    explicit CPaintDC(HWND window);
    ~CPaintDC() override;

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
};

// The context of the whole screen, or none when the system refuses it: then drawing from it
// fails and reading a pixel gives CLR_INVALID. The one way the program reaches the screen.
class CScreenDC : public CDC {
public:
    CScreenDC() {
        HDC screen = ::GetDC(nullptr);
        Share(screen, screen, false);
    }
    ~CScreenDC() override {
        if (m_hDC) ::ReleaseDC(nullptr, m_hDC);
        Forget();
    }
};
