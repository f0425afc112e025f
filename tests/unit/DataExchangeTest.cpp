#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>
#include <map>

#include "platform/DataExchange.h"

namespace {

constexpr int kEdit = 10;
constexpr int kFirstRadio = 20;

// Controls held in maps; records every write and every report.
class FakeItems : public DialogItems {
public:
    std::map<int, std::string> texts;
    std::map<int, bool> checked;
    std::vector<int> group{20, 21, 22};
    int textWrites = 0;
    std::vector<std::pair<int, std::string>> reports;
    std::function<void()> onWrite;  // runs inside every text write

    std::string ItemText(int id) const override {
        const auto it = texts.find(id);
        return it == texts.end() ? std::string() : it->second;
    }
    void SetItemText(int id, std::string_view text) override {
        ++textWrites;
        texts[id] = std::string(text);
        if (onWrite) onWrite();
    }
    bool IsRadioChecked(int id) const override {
        const auto it = checked.find(id);
        return it != checked.end() && it->second;
    }
    void SetRadioChecked(int id, bool value) override { checked[id] = value; }
    std::vector<int> RadioGroup(int firstId) const override {
        return firstId == kFirstRadio ? group : std::vector<int>{};
    }
    void ReportInvalidWholeNumber(int id, std::string_view message) override {
        reports.emplace_back(id, std::string(message));
    }
};

// A dialog with one number and one radio group, exchanged in that order.
class NumberAndChoice : public CDataExchangeHost {
public:
    int number = 0;
    int choice = -1;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Text(dx, kEdit, number);
        DDX_Radio(dx, kFirstRadio, choice);
    }
};

}  // namespace

TEST(ParseWholeNumber, AcceptsSignedDecimalsSurroundedByBlanksWithin32Bits) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    const struct {
        const char* text;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {"2147483647", kMax},
        {"2147483648", std::nullopt},
        {"-2147483648", kMin},
        {"-2147483649", std::nullopt},
        {"99999999999", std::nullopt},
        {"99999999999999999999999999", std::nullopt},
        {"0000000000000000000000125", 125},
        {"0", 0},
        {"-0", 0},
        {"+7", 7},
        {"-5", -5},
        {"007", 7},
        {" \t42\t ", 42},
        {"", std::nullopt},
        {" \t ", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"--5", std::nullopt},
        {"- 5", std::nullopt},
        {"5-", std::nullopt},
        {"1 2", std::nullopt},
        {"12a", std::nullopt},
        {"x", std::nullopt},
        {"1.5", std::nullopt},
        {"0x10", std::nullopt},
        {"\n5", std::nullopt},
        {"5\r", std::nullopt},
        {"\xef\xbc\x95", std::nullopt},  // a full-width digit is no decimal digit
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseWholeNumber(c.text), c.expected) << '"' << c.text << '"';
    }
    EXPECT_EQ(ParseWholeNumber(std::string_view("1\0" "2", 3)), std::nullopt);
}

TEST(DataExchange, WritingFormatsAndReplacesOnlyDifferentText) {
    const struct {
        const char* before;
        int value;
        const char* after;
        int writes;
    } cases[] = {
        {"125", 125, "125", 0},
        {"0125", 125, "125", 1},
        {" 125", 125, "125", 1},
        {"", 0, "0", 1},
        {"5", -5, "-5", 1},
        {"x", -2147483647 - 1, "-2147483648", 1},
    };
    for (const auto& c : cases) {
        FakeItems items;
        items.texts[kEdit] = c.before;
        NumberAndChoice dialog;
        dialog.number = c.value;
        EXPECT_TRUE(dialog.UpdateData(items, false));
        EXPECT_EQ(items.texts[kEdit], c.after) << c.before;
        EXPECT_EQ(items.textWrites, c.writes) << c.before;
        EXPECT_TRUE(items.reports.empty());
    }
}

TEST(DataExchange, FailedReadReportsOnItemKeepsValueAndStopsTheExchange) {
    for (const char* text : {"", "abc", "-", "99999999999"}) {
        FakeItems items;
        items.texts[kEdit] = text;
        items.checked[22] = true;
        NumberAndChoice dialog;
        dialog.number = 130;
        dialog.choice = 0;

        EXPECT_FALSE(dialog.UpdateData(items, true)) << text;
        EXPECT_EQ(dialog.number, 130) << text;
        EXPECT_EQ(dialog.choice, 0) << "the radio read must not run after a failure: " << text;
        ASSERT_EQ(items.reports.size(), 1u) << text;
        EXPECT_EQ(items.reports[0].first, kEdit);
        EXPECT_EQ(items.reports[0].second, "Bitte geben Sie eine ganze Zahl ein.");
        EXPECT_FALSE(dialog.IsExchanging());
    }
}

TEST(DataExchange, RadioGroupReadsCheckedIndexAndWritesExactlyOne) {
    FakeItems items;
    items.texts[kEdit] = "1";
    NumberAndChoice dialog;

    dialog.choice = 7;
    ASSERT_TRUE(dialog.UpdateData(items, true));
    EXPECT_EQ(dialog.choice, -1) << "nothing checked";

    items.checked[22] = true;
    ASSERT_TRUE(dialog.UpdateData(items, true));
    EXPECT_EQ(dialog.choice, 2) << "last radio of the group";

    const struct {
        int index;
        std::array<bool, 3> expected;
    } writes[] = {
        {0, {true, false, false}},
        {2, {false, false, true}},
        {-1, {false, false, false}},
        {3, {false, false, false}},  // past the group: nothing to check
    };
    for (const auto& w : writes) {
        items.checked = {{20, true}, {21, true}, {22, true}};
        dialog.choice = w.index;
        dialog.UpdateData(items, false);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(items.checked[20 + i], w.expected[i]) << "index " << w.index << " radio " << i;
        }
    }
}

TEST(DataExchange, ExchangingFlagCoversExactlyTheExchange) {
    FakeItems items;
    NumberAndChoice dialog;
    std::vector<bool> seenDuringWrite;
    items.onWrite = [&] { seenDuringWrite.push_back(dialog.IsExchanging()); };
    EXPECT_FALSE(dialog.IsExchanging());

    dialog.number = 42;
    dialog.UpdateData(items, false);
    EXPECT_EQ(seenDuringWrite, std::vector<bool>{true});
    EXPECT_FALSE(dialog.IsExchanging());

    // An exchange started from inside another keeps the outer one's flag when it ends.
    seenDuringWrite.clear();
    bool nested = false;
    items.onWrite = [&] {
        if (nested) return;
        nested = true;
        dialog.UpdateData(items, true);
        seenDuringWrite.push_back(dialog.IsExchanging());
    };
    dialog.number = 43;
    dialog.UpdateData(items, false);
    EXPECT_EQ(seenDuringWrite, std::vector<bool>{true});
    EXPECT_FALSE(dialog.IsExchanging());
}
