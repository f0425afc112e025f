// The dialog data exchange: reading and writing a dialog's controls.
#include "base/DataExchange.h"

#include <limits>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;

    // Magnitude in 64 bits, stopped as soon as it leaves the 32-bit range, so any number
    // of digits is read safely.
    const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                                        : std::int64_t{std::numeric_limits<std::int32_t>::max()};
    std::int64_t magnitude = 0;
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

void DDX_Text(CDataExchange& dx, int id, int& value) {
    if (dx.Failed()) return;
    DialogItems& items = dx.Items();
    if (dx.m_bSaveAndValidate) {
        if (const auto number = ParseWholeNumber(items.ItemText(id))) {
            value = *number;
        } else {
            items.ReportInvalidWholeNumber(id);
            dx.Fail();
        }
        return;
    }
    const std::string text = std::to_string(value);
    if (items.ItemText(id) != text) items.SetItemText(id, text);
}

void DDX_Radio(CDataExchange& dx, int firstId, int& index) {
    if (dx.Failed()) return;
    DialogItems& items = dx.Items();
    const std::vector<int> group = items.RadioGroup(firstId);
    if (dx.m_bSaveAndValidate) {
        index = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (items.IsRadioChecked(group[i])) {
                index = static_cast<int>(i);
                return;
            }
        }
        return;
    }
    for (std::size_t i = 0; i < group.size(); ++i) {
        items.SetRadioChecked(group[i], index >= 0 && static_cast<std::size_t>(index) == i);
    }
}

bool CDataExchangeHost::UpdateData(DialogItems& items, bool saveAndValidate) {
    // Restored rather than cleared, also when the exchange throws, so an exchange started
    // from inside another one does not end the outer one's discarding early.
    struct ExchangingScope {
        bool& flag;
        const bool previous;
        ~ExchangingScope() { flag = previous; }
    } scope{m_bExchanging, m_bExchanging};
    m_bExchanging = true;
    CDataExchange dx(items, saveAndValidate);
    DoDataExchange(dx);
    return !dx.Failed();
}
