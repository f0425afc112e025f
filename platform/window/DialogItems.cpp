// A dialog window's controls as the data exchange sees them.
#include "platform/window/DialogItems.h"

#include <string>

#include "platform/system/Resources.h"
#include "res/resource.h"

std::string CDialogItems::ItemText(int id) const {
    HWND item = ::GetDlgItem(m_dialog, id);
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(item)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(item, text.data(), static_cast<int>(text.size()))));
    return text;
}

void CDialogItems::SetItemText(int id, std::string_view text) {
    ::SetDlgItemTextA(m_dialog, id, std::string(text).c_str());
}

bool CDialogItems::IsRadioChecked(int id) const { return ::IsDlgButtonChecked(m_dialog, id) == BST_CHECKED; }

void CDialogItems::SetRadioChecked(int id, bool checked) {
    ::CheckDlgButton(m_dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

// The radio buttons from `firstId` on, up to the next control that starts a group.
std::vector<int> CDialogItems::RadioGroup(int firstId) const {
    std::vector<int> ids;
    for (HWND item = ::GetDlgItem(m_dialog, firstId); item; item = ::GetWindow(item, GW_HWNDNEXT)) {
        const LONG_PTR style = ::GetWindowLongPtrW(item, GWL_STYLE);
        if (!ids.empty() && (style & WS_GROUP)) break;
        if (!(::SendMessageW(item, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) break;
        ids.push_back(::GetDlgCtrlID(item));
    }
    return ids;
}

void CDialogItems::ReportInvalidWholeNumber(int id) {
    ::MessageBoxW(m_dialog, ResourceString(IDS_WHOLE_NUMBER).c_str(), ResourceString(IDS_APP_NAME).c_str(),
                  MB_OK | MB_ICONEXCLAMATION);
    if (!::IsWindow(m_dialog)) return;  // closed while the message was shown
    HWND item = ::GetDlgItem(m_dialog, id);
    ::SetFocus(item);
    ::SendMessageW(item, EM_SETSEL, 0, -1);
}
