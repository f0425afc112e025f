// A dialog window's controls as the data exchange sees them.
#pragma once
#include "base/DataExchange.h"
#include "platform/system/Win32.h"

// The data exchange's view of a dialog window's controls.
class CDialogItems : public DialogItems {
public:
    explicit CDialogItems(HWND dialog) : m_dialog(dialog) {}

    std::string ItemText(int id) const override;
    void SetItemText(int id, std::string_view text) override;
    bool IsRadioChecked(int id) const override;
    void SetRadioChecked(int id, bool checked) override;
    std::vector<int> RadioGroup(int firstId) const override;
    // The program's message in its own box, under the program's name.
    void ReportInvalidWholeNumber(int id) override;

private:
    HWND m_dialog;
};
