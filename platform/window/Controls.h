// Controls: the owner-drawn bitmap button, trackbars, up-down controls.
#pragma once
#include "platform/gdi/GdiObject.h"
#include "platform/window/Wnd.h"

// A control that its dialog asks to draw itself (BS_OWNERDRAW); the dialog passes its
// WM_DRAWITEM on to the object registered for the control's window.
class COwnerDrawn : public CChildWnd {
public:
    ~COwnerDrawn() override;
    virtual void DrawItem(const DRAWITEMSTRUCT& item) = 0;
    static COwnerDrawn* FromHandle(HWND control);
    // Ends the registrations of the controls of `dialog`, which is being destroyed: its
    // controls go before their wrappers do.
    static void ForgetControlsOf(HWND dialog);

protected:
    // Makes WM_DRAWITEM of the control reach DrawItem.
    void Register();
};

// A push button drawn from bitmaps: the normal face, and the pressed face while it is down.
class CBitmapButton : public COwnerDrawn {
public:
    // Loads the faces from the program's bitmaps; 0 leaves a face out.
    bool LoadBitmaps(int normalId, int pressedId);
    // The normal face's size; 0 by 0 without one.
    Point FaceSize() const;
    // Takes over the owner-drawn button `id` of `parent`.
    bool SubclassDlgItem(int id, HWND parent);
    void DrawItem(const DRAWITEMSTRUCT& item) override;

private:
    CBitmap m_normal;
    CBitmap m_pressed;
};

// A trackbar.
class CSliderCtrl : public CChildWnd {
public:
    bool Create(DWORD style, const Rect& rect, HWND parent, int id) {
        return CChildWnd::Create(TRACKBAR_CLASSW, style, rect, parent, id);
    }
    void SetRange(int minimum, int maximum, bool redraw) {
        SendMessage(TBM_SETRANGEMIN, FALSE, minimum);
        SendMessage(TBM_SETRANGEMAX, redraw, maximum);
    }
    void SetPos(int position) { SendMessage(TBM_SETPOS, TRUE, position); }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    void SetTipSide(int side) { SendMessage(TBM_SETTIPSIDE, side); }
    void SetTipFont(HFONT font) {
        if (HWND tip = reinterpret_cast<HWND>(SendMessage(TBM_GETTOOLTIPS)))
            ::SendMessageW(tip, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    // Hands the mouse wheel to the parent, which decides what it does (a trackbar's own
    // handling differs between systems).
    void ForwardWheelToParent();
};

// An up-down control.
class CSpinButtonCtrl : public CChildWnd {
public:
    void SetRange(short minimum, short maximum) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(maximum, minimum)); }
};
