#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "app/SettingsStore.h"
#include "platform/Dialog.h"
#include "res/resource.h"
#include "ruler/RulerWnd.h"

namespace {

constexpr unsigned char kFreed = 0xDD;
constexpr UINT kRunHandler = WM_APP;

// A modeless dialog that deletes itself once its window is gone. Its memory is never given
// back: the delete fills it with a pattern, so any write after the delete shows in it.
class Doomed : public CDialog {
public:
    static void* operator new(std::size_t size) {
        s_size = size;
        s_block = static_cast<unsigned char*>(std::malloc(size));
        s_deleted = false;
        return s_block;
    }
    static void operator delete(void* block) {
        std::memset(block, kFreed, s_size);
        s_deleted = true;
    }
    static bool Deleted() { return s_deleted; }
    static bool UntouchedSinceDelete() {
        return std::all_of(s_block, s_block + s_size, [](unsigned char b) { return b == kFreed; });
    }

    explicit Doomed(std::function<void(Doomed&)> handler) : CDialog(IDD_ZOOM, nullptr), m_handler(handler) {
        Create();
    }
    // Runs the handler inside a message of the window.
    void RunHandler() { SendMessage(kRunHandler); }
    void Destroy() { DestroyWindow(); }
    // Dispatches this thread's messages until the window is gone, as a menu's loop would.
    void NestedLoopUntilGone() {
        MSG message;
        for (int i = 0; i < 1000 && IsWindow(); ++i) {
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
        }
    }
    bool m_sawWindowGone = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != kRunHandler) return CDialog::WindowProc(message, wParam, lParam);
        m_handler(*this);
        m_sawWindowGone = !IsWindow();  // a member written after the window went
        return 0;
    }
    void OnCancel() override { DestroyWindow(); }
    void PostNcDestroy() override { delete this; }

private:
    std::function<void(Doomed&)> m_handler;
    static inline unsigned char* s_block = nullptr;
    static inline std::size_t s_size = 0;
    static inline bool s_deleted = false;
};

// Destroyed by its own handler, or by a WM_CLOSE that a nested loop dispatches: the object
// lives until that handler has returned, and nothing touches it after its delete.
TEST(DialogLifetime, ObjectOutlivesEveryHandlerOfItsDestroyedWindow) {
    const std::function<void(Doomed&)> ways[] = {
        [](Doomed& self) { self.Destroy(); },
        [](Doomed& self) {
            self.PostMessage(WM_CLOSE);
            self.NestedLoopUntilGone();
        },
    };
    for (const auto& way : ways) {
        auto* doomed = new Doomed([&way](Doomed& self) {
            way(self);
            EXPECT_FALSE(self.IsWindow());
            EXPECT_FALSE(Doomed::Deleted()) << "deleted while its handler still ran";
        });
        ASSERT_TRUE(doomed->IsWindow());
        doomed->RunHandler();
        EXPECT_TRUE(Doomed::Deleted());
        EXPECT_TRUE(Doomed::UntouchedSinceDelete()) << "written after its delete";
        std::free(doomed);
    }
}

// A CBT hook that refuses every window this thread tries to create.
class RefuseWindows {
public:
    RefuseWindows()
        : m_hook(::SetWindowsHookExW(WH_CBT, Refuse, nullptr, ::GetCurrentThreadId())) {}
    ~RefuseWindows() { ::UnhookWindowsHookEx(m_hook); }

private:
    static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam) {
        return code == HCBT_CREATEWND ? 1 : ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK m_hook;
};

TEST(RulerLifetime, AStartWithoutWindowLeavesTheStoredSettingsAlone) {
    WriteSettingString("Option", "Einheit", "mm");
    WriteSettingInt("Option", "Zoom", -5);
    CRulerWnd* ruler = nullptr;
    {
        RefuseWindows refuse;
        ruler = new CRulerWnd();
    }
    EXPECT_FALSE(ruler->IsWindow());
    delete ruler;
    EXPECT_EQ(ReadSettingString("Option", "Einheit"), "mm");
    EXPECT_EQ(ReadSettingInt("Option", "Zoom"), -5);
}

}  // namespace
