// The zoom dialog's window.
#include "zoom/win32/ZoomDlg.h"

#include "res/resource.h"

namespace {
constexpr short kSpinMinimum = 10;
constexpr short kSpinMaximum = 500;
}  // namespace

CZoomDlg::CZoomDlg(HWND parent) : CDialog(IDD_ZOOM, parent) {}

BOOL CZoomDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CDialogItems items = Items();
    ZoomDialogRules::OnInitDialog(items);
    return TRUE;  // the focus goes to the first tab stop, OK
}

void CZoomDlg::ExchangeControls(CDataExchange&) {
    if (!m_spinPercent.IsWindow()) m_spinPercent.Attach(m_hWnd, IDC_PERCENT_SPIN);
}

// The spin steps within 10 to 500; a typed number may lie outside.
void CZoomDlg::InitControls() { m_spinPercent.SetRange(kSpinMinimum, kSpinMaximum); }

void CZoomDlg::OnOK() {
    CDialogItems items = Items();
    if (ZoomDialogRules::OnOK(items)) EndDialog(IDOK);
}

bool CZoomDlg::OnCommand(WPARAM wParam, LPARAM) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    CDialogItems items = Items();
    if (code == BN_CLICKED && id >= IDC_ZOOM_200 && id <= IDC_ZOOM_50) {
        OnPresetClicked(items, id);
        return true;
    }
    if (code == EN_CHANGE && id == IDC_PERCENT) {
        OnEditChanged(items);
        return true;
    }
    return false;
}
