// The zoom dialog's window.
#pragma once
#include "platform/window/Controls.h"
#include "platform/window/Dialog.h"
#include "platform/window/DialogItems.h"
#include "zoom/rules/ZoomRules.h"

// The modal "Zoom" dialog: presets and a free percentage with a spin. The caller sets
// m_nPercent, runs DoModal and takes m_nPercent only after IDOK.
class CZoomDlg : public CDialog, public ZoomDialogRules {
public:
    explicit CZoomDlg(HWND parent);

    CSpinButtonCtrl m_spinPercent;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void ExchangeControls(CDataExchange& dx) override;
    void InitControls() override;

private:
    CDialogItems Items() const { return CDialogItems(m_hWnd); }
};
