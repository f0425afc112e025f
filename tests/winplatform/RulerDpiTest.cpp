#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "platform/DC.h"
#include "res/resource.h"
#include "ruler/DpiScale.h"
#include "ruler/RulerFonts.h"
#include "ruler/RulerLayout.h"
#include "ruler/RulerWnd.h"

namespace {

// The real ruler, made as the program makes it; one for all tests, since Wine without a
// window manager takes two seconds to withdraw a window.
class RulerDpi : public ::testing::Test {
protected:
    static void SetUpTestSuite() { m_window = (new CRulerWnd())->GetSafeHwnd(); }
    static void TearDownTestSuite() { ::DestroyWindow(m_window); }
    void SetUp() override { ASSERT_TRUE(m_window); }

    Rect ChildRect(int id) const {
        RECT r{};
        ::GetWindowRect(::GetDlgItem(m_window, id), &r);
        ::MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&r), 2);
        return FromRECT(r);
    }
    Rect WindowRect() const {
        RECT r{};
        ::GetWindowRect(m_window, &r);
        return FromRECT(r);
    }

    static inline HWND m_window = nullptr;
};

// The widest text of each readout line that fits its room at 96 dpi fits at every resolution,
// with the fonts made for it; and the lines of a pane do not run into each other.
TEST_F(RulerDpi, ReadoutTextsKeepClearOfTheNextPaneAndTheSwatch) {
    const HFONT templateFont = reinterpret_cast<HFONT>(::SendMessageW(m_window, WM_GETFONT, 0, 0));
    const CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(screen));
    int height96 = 0;
    for (const int dpi : {96, 144, 192}) {
        SCOPED_TRACE(testing::Message() << dpi << " dpi");
        CRulerFonts fonts;
        fonts.Make(templateFont, dpi);
        ASSERT_TRUE(fonts.Dialog());
        const CSelection font(dc.GetSafeHdc(), fonts.Dialog());
        auto width = [&dc](const char* text) {
            SIZE size{};
            ::GetTextExtentPoint32A(dc.GetSafeHdc(), text, static_cast<int>(std::strlen(text)), &size);
            return static_cast<int>(size.cx);
        };
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc.GetSafeHdc(), &metrics);
        if (dpi == 96) height96 = metrics.tmHeight;
        // The text grows with the resolution (Wine's bitmap "MS Sans Serif" has only a few sizes).
        EXPECT_GE(4 * metrics.tmHeight, 3 * Scaled(height96, dpi));

        const Rect client{0, 0, Scaled(400, dpi), Scaled(120, dpi)};
        const Rect position = PositionPaneRect(client, dpi);
        const Rect distance = DistancePaneRect(client, dpi);
        const Rect colour = ColorPaneRect(client, dpi);
        // Screen coordinates up to four digits and a sign, offsets up to 999.9 mm or inches.
        for (const char* text : {"-9999", "999.9"}) {
            EXPECT_LE(position.left + Scaled(18, dpi) + width(text), colour.left) << text;
        }
        EXPECT_LE(distance.left + width("-9999.9"), distance.right);
        for (const char* text : {"255-255-255", "FF-FF-FF"}) {
            EXPECT_LE(colour.left + width(text), colour.right - Scaled(20, dpi)) << text;
        }
        EXPECT_LE(metrics.tmHeight, Scaled(15, dpi)) << "the lines of a pane overlap";
        EXPECT_LE(distance.top + metrics.tmHeight, position.top) << "the distance runs into the position";
    }
}

// A WM_DPICHANGED gives the ruler the suggested rectangle and all its sizes, faces and limits
// for the new resolution.
TEST_F(RulerDpi, FollowsANewResolution) {
    ::SetWindowPos(m_window, nullptr, 50, 60, 400, 120, SWP_NOZORDER | SWP_NOACTIVATE);
    const Rect button96 = ChildRect(IDCANCEL);
    RECT suggested{40, 50, 840, 290};
    ::SendMessageW(m_window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));

    EXPECT_EQ(WindowRect(), FromRECT(suggested));
    const Rect button = ChildRect(IDCANCEL);
    EXPECT_EQ((Point{button.Width(), button.Height()}), (Point{2 * button96.Width(), 2 * button96.Height()}));
    EXPECT_EQ((Point{800 - button.right, button.top}), (Point{10, 10}));
    const Rect client{0, 0, 800, 240};
    EXPECT_EQ(ChildRect(IDC_MAGNIFY_SLIDER), MagnifierSliderRect(client, 192));
    EXPECT_EQ(ChildRect(IDC_ALPHA_SLIDER), AlphaSliderRect(192));
    MINMAXINFO limits{};
    ::SendMessageW(m_window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ((Point{limits.ptMinTrackSize.x, limits.ptMinTrackSize.y}), (Point{90, 80}));

    // The close button shows its 24x26 face: black outer edge at its last pixel, grey inside
    // its two-pixel bevel.
    ::RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const CClientDC screen(nullptr);
    const Point face{suggested.left + button.left, suggested.top + button.top};
    EXPECT_EQ(::GetPixel(screen.GetSafeHdc(), face.x + 23, face.y + 25), RGB(0, 0, 0));
    EXPECT_EQ(::GetPixel(screen.GetSafeHdc(), face.x + 4, face.y + 4), RGB(0xC0, 0xC0, 0xC0));
}

}  // namespace
