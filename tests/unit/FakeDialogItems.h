#pragma once
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/DataExchange.h"

// A dialog's controls held in maps. Records every text write and every report, and calls
// `onWrite` inside each text write, as an edit reports its change while being written.
class FakeDialogItems : public DialogItems {
public:
    explicit FakeDialogItems(std::vector<int> radios = {}) : group(std::move(radios)) {}

    std::map<int, std::string> texts;
    std::map<int, bool> checked;
    std::vector<int> group;  // the one radio group, asked for by its first id
    std::vector<std::pair<int, std::string>> reports;
    std::function<void(int id)> onWrite;
    int textWrites = 0;
    mutable int readsInsideWrite = 0;  // texts read while a text write runs

    std::string ItemText(int id) const override {
        if (m_writing > 0) ++readsInsideWrite;
        return texts.count(id) > 0 ? texts.at(id) : std::string();
    }
    void SetItemText(int id, std::string_view text) override {
        ++textWrites;
        texts[id] = std::string(text);
        ++m_writing;
        if (onWrite) onWrite(id);
        --m_writing;
    }
    bool IsRadioChecked(int id) const override { return checked.count(id) > 0 && checked.at(id); }
    void SetRadioChecked(int id, bool value) override { checked[id] = value; }
    std::vector<int> RadioGroup(int firstId) const override {
        return !group.empty() && group.front() == firstId ? group : std::vector<int>{};
    }
    void ReportInvalidWholeNumber(int id, std::string_view message) override {
        reports.emplace_back(id, message);
    }

private:
    int m_writing = 0;
};
