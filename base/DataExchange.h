// The dialog data exchange, which binds a dialog's members to its controls.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The dialog data exchange: binds a dialog's members to its controls in both directions.
// It sees a dialog only through DialogItems, so dialogs' rules can be exercised without a
// window system.

// What the data exchange reads and writes on a dialog, by control id.
class DialogItems {
public:
    virtual ~DialogItems() = default;

    virtual std::string ItemText(int id) const = 0;
    virtual void SetItemText(int id, std::string_view text) = 0;
    virtual bool IsRadioChecked(int id) const = 0;
    virtual void SetRadioChecked(int id, bool checked) = 0;
    // Ids of the radio group that begins at `firstId`, in the dialog's order.
    virtual std::vector<int> RadioGroup(int firstId) const = 0;
    // Tells the user that the item's text is no valid whole number and puts the focus on it.
    virtual void ReportInvalidWholeNumber(int id) = 0;
};

// One run of a dialog's exchange, in one direction.
class CDataExchange {
public:
    CDataExchange(DialogItems& items, bool saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_items(items) {}

    // True: controls into members, with validation. False: members into controls.
    const bool m_bSaveAndValidate;

    DialogItems& Items() const { return m_items; }
    // A read has failed: the exchanges that follow in this run do nothing.
    bool Failed() const { return m_failed; }
    void Fail() { m_failed = true; }

private:
    DialogItems& m_items;
    bool m_failed = false;
};

// A signed decimal whole number that blanks or tabs may surround, fitting in 32 bits;
// nothing for any other text.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// The item's text as a whole number. Reading text that is no whole number reports it on
// the item, fails the exchange and leaves `value` as it was. Writing replaces the text
// only when it differs, so a caret in an unchanged text stays where it is.
void DDX_Text(CDataExchange& dx, int id, int& value);
// Index of the checked radio in the group that begins at `firstId`, or -1 when none is.
// Writing checks exactly the radio with that index; -1 unchecks all of them.
void DDX_Radio(CDataExchange& dx, int firstId, int& index);

// A dialog's members bound to its controls by one exchange routine, run through UpdateData.
class CDataExchangeHost {
public:
    virtual ~CDataExchangeHost() = default;

    // Runs DoDataExchange in the given direction; false when a read failed.
    bool UpdateData(DialogItems& items, bool saveAndValidate);
    // True while an exchange runs. Notifications that the dialog's own controls send then
    // (an edit written by the exchange reports a change) are to be discarded.
    bool IsExchanging() const { return m_bExchanging; }

protected:
    virtual void DoDataExchange(CDataExchange& dx) = 0;

private:
    bool m_bExchanging = false;
};
