// Putting a text on the clipboard.
#include "platform/system/Clipboard.h"

#include "platform/system/Unicode.h"

namespace {

// The clipboard, open for one scope.
class ClipboardOpen {
public:
    explicit ClipboardOpen(HWND owner) : m_open(::OpenClipboard(owner)) {}
    ~ClipboardOpen() {
        if (m_open) ::CloseClipboard();
    }
    ClipboardOpen(const ClipboardOpen&) = delete;
    ClipboardOpen& operator=(const ClipboardOpen&) = delete;
    explicit operator bool() const { return m_open; }

private:
    bool m_open;
};

// Movable global memory holding a NUL-terminated wide text, freed unless handed to the
// clipboard.
class ClipboardText {
public:
    explicit ClipboardText(const std::wstring& text)
        : m_memory(::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        auto* chars = m_memory ? static_cast<wchar_t*>(::GlobalLock(m_memory)) : nullptr;
        if (!chars) return;
        chars[text.copy(chars, text.size())] = L'\0';
        ::GlobalUnlock(m_memory);
        m_filled = true;
    }
    ~ClipboardText() {
        if (m_memory) ::GlobalFree(m_memory);
    }
    ClipboardText(const ClipboardText&) = delete;
    ClipboardText& operator=(const ClipboardText&) = delete;

    // Hands the memory to the clipboard, which owns it from then on.
    bool Put() {
        if (!m_filled || !::SetClipboardData(CF_UNICODETEXT, m_memory)) return false;
        m_memory = nullptr;
        return true;
    }

private:
    HGLOBAL m_memory;
    bool m_filled = false;
};

}  // namespace

bool CopyTextToClipboard(HWND owner, std::string_view text) {
    ClipboardText unicode(Widened(text));
    const ClipboardOpen clipboard(owner);
    return clipboard && ::EmptyClipboard() && unicode.Put();
}
