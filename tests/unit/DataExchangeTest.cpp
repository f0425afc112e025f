#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <utility>

#include "FakeDialogItems.h"
#include "platform/DataExchange.h"

namespace {

constexpr int kEdit = 10;

// An edit holding `text` and a radio group of three.
struct Items : FakeDialogItems {
    explicit Items(const char* text = "") : FakeDialogItems({20, 21, 22}) { texts[kEdit] = text; }
};

// A dialog with one number and one radio group, exchanged in that order.
class NumberAndChoice : public CDataExchangeHost {
public:
    explicit NumberAndChoice(int n = 0, int c = -1) : number(n), choice(c) {}
    int number, choice;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Text(dx, kEdit, number);
        DDX_Radio(dx, 20, choice);
    }
};

TEST(ParseWholeNumber, AcceptsSignedDecimalsSurroundedByBlanksWithin32Bits) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    const std::optional<std::int32_t> kNo;
    const struct { std::string_view text; std::optional<std::int32_t> expected; } cases[] = {
        {"2147483647", kMax}, {"2147483648", kNo}, {"-2147483648", kMin}, {"-2147483649", kNo},
        {"99999999999", kNo}, {"99999999999999999999999999", kNo}, {"0", 0}, {"-0", 0}, {"+7", 7},
        {"0000000000000000000000125", 125}, {"-5", -5}, {"007", 7}, {" \t42\t ", 42}, {"", kNo},
        {" \t ", kNo}, {"-", kNo}, {"+", kNo}, {"--5", kNo}, {"- 5", kNo}, {"5-", kNo},
        {"1 2", kNo}, {"12a", kNo}, {"x", kNo}, {"1.5", kNo}, {"0x10", kNo}, {"\n5", kNo},
        {"5\r", kNo}, {"\xef\xbc\x95", kNo},  // a full-width digit is no decimal digit
        {std::string_view("1\0" "2", 3), kNo},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseWholeNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

// Writing formats the number and replaces only a different text; a failed read reports on the
// item, keeps the value and stops the exchange.
TEST(DataExchange, TextWritesOnlyChangedTextAndRefusesWhatIsNoWholeNumber) {
    const struct { const char* before; int value; std::string after; int writes; } cases[] = {
        {"125", 125, "125", 0}, {"0125", 125, "125", 1}, {" 125", 125, "125", 1},
        {"", 0, "0", 1},        {"5", -5, "-5", 1},      {"x", -2147483647 - 1, "-2147483648", 1},
    };
    for (const auto& c : cases) {
        Items items(c.before);
        NumberAndChoice dialog(c.value);
        EXPECT_TRUE(dialog.UpdateData(items, false));
        EXPECT_EQ(std::pair(items.texts[kEdit], items.textWrites), std::pair(c.after, c.writes));
        EXPECT_TRUE(items.reports.empty());
    }
    for (const char* text : {"", "abc", "-", "99999999999"}) {
        SCOPED_TRACE(text);
        Items items(text);
        items.checked[22] = true;
        NumberAndChoice dialog(130, 0);
        EXPECT_FALSE(dialog.UpdateData(items, true));
        EXPECT_EQ(dialog.number, 130);
        EXPECT_EQ(dialog.choice, 0) << "the radio read must not run after a failure";
        using Reports = decltype(items.reports);
        EXPECT_EQ(items.reports, (Reports{{kEdit, "Bitte geben Sie eine ganze Zahl ein."}}));
        EXPECT_FALSE(dialog.IsExchanging());
    }
}

// Each index written over a fully checked group, then read back.
TEST(DataExchange, RadioGroupWritesExactlyOneAndReadsTheCheckedIndex) {
    const struct { int index; std::array<bool, 3> checks; int read; } cases[] = {
        {0, {true, false, false}, 0}, {2, {false, false, true}, 2}, {-1, {false, false, false}, -1},
        {3, {false, false, false}, -1},  // past the group: nothing to check
    };
    Items items("1");
    NumberAndChoice dialog;
    for (const auto& c : cases) {
        items.checked = {{20, true}, {21, true}, {22, true}};
        dialog.choice = c.index;
        dialog.UpdateData(items, false);
        EXPECT_EQ((std::array{items.checked[20], items.checked[21], items.checked[22]}), c.checks)
            << c.index;
        dialog.choice = 7;
        ASSERT_TRUE(dialog.UpdateData(items, true));
        EXPECT_EQ(dialog.choice, c.read) << c.index;
    }
}

// Set while the exchange runs; one started from inside another leaves the outer one's flag
// set when it ends.
TEST(DataExchange, ExchangingFlagCoversExactlyTheExchange) {
    Items items;
    NumberAndChoice dialog(42);
    std::vector<bool> seen;  // during the write, and after a nested exchange ended
    items.onWrite = [&](int) {
        seen.push_back(dialog.IsExchanging());
        dialog.UpdateData(items, true);
        seen.push_back(dialog.IsExchanging());
    };
    EXPECT_FALSE(dialog.IsExchanging());
    dialog.UpdateData(items, false);
    EXPECT_EQ(seen, (std::vector<bool>{true, true}));
    EXPECT_FALSE(dialog.IsExchanging());
}

}  // namespace
