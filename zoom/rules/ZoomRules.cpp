// The zoom dialog's rules: presets and percentage kept in step.
#include "zoom/rules/ZoomRules.h"

#include <limits>

#include "res/resource.h"

std::optional<std::int32_t> PresetNumber(std::string_view caption) {
    if (caption.empty() || caption.back() != '%') return std::nullopt;
    caption.remove_suffix(1);
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    std::int32_t number = 0;
    for (char c : caption) {
        if (c < '0' || c > '9') break;
        const int digit = c - '0';
        if (number > (kMax - digit) / 10) return kMax;
        number = number * 10 + digit;
    }
    return number;
}

void ZoomDialogRules::DoDataExchange(CDataExchange& dx) {
    ExchangeControls(dx);
    DDX_Text(dx, IDC_PERCENT, m_nPercent);
    DDX_Radio(dx, IDC_ZOOM_200, m_nPreset);
}

void ZoomDialogRules::OnInitDialog(DialogItems& items) {
    UpdateData(items, false);
    InitControls();
    m_bInitialized = 1;
    SyncRadioToValue(items);
}

void ZoomDialogRules::OnPresetClicked(DialogItems& items, int radioId) {
    if (IsExchanging()) return;
    UpdateData(items, true);
    if (const auto number = PresetNumber(items.ItemText(radioId))) m_nPercent = *number;
    UpdateData(items, false);
}

void ZoomDialogRules::OnEditChanged(DialogItems& items) {
    // The exchange's own write of the edit reports a change too; the handler that started
    // that exchange already keeps edit and radios in step.
    if (IsExchanging()) return;
    SyncRadioToValue(items);
}

bool ZoomDialogRules::OnOK(DialogItems& items) {
    UpdateData(items, true);
    if (m_nPreset >= 0 && m_nPreset < kZoomPresetCount) {
        if (const auto number = PresetNumberAt(items, m_nPreset)) m_nPercent = *number;
    }
    if (!UpdateData(items, true)) return false;
    if (m_nPercent < kMinDialogZoom) {
        m_nPercent = kMinDialogZoom;
        SelectMatchingPreset(items);
        UpdateData(items, false);
        return false;
    }
    return true;
}

void ZoomDialogRules::SyncRadioToValue(DialogItems& items) {
    // While the controls are being created the spin may write into its buddy edit; the
    // caller's value must survive that.
    if (m_bInitialized == 0) return;
    UpdateData(items, true);
    SelectMatchingPreset(items);
    UpdateData(items, false);
}

void ZoomDialogRules::SelectMatchingPreset(const DialogItems& items) {
    m_nPreset = -1;
    for (int i = 0; i < kZoomPresetCount; ++i) {
        if (PresetNumberAt(items, i) == m_nPercent) {
            m_nPreset = i;
            return;
        }
    }
}

std::optional<std::int32_t> ZoomDialogRules::PresetNumberAt(const DialogItems& items, int index) const {
    return PresetNumber(items.ItemText(IDC_ZOOM_200 + index));
}
