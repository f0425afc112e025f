// The zoom dialog's rules: presets and percentage kept in step.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/DataExchange.h"

// Behaviour of the "Zoom" dialog: nine preset radios and an edit for any whole percentage,
// kept in step. The window class forwards its notifications here and adds the spin.

// Number of preset radios; the radio with index i is the control IDC_ZOOM_200 + i.
constexpr int kZoomPresetCount = 9;
// Smallest zoom the dialog hands back: the centimetre scale needs a positive step.
constexpr std::int32_t kMinDialogZoom = 1;

// Number a preset radio stands for, read from its caption: "75%" gives 75. Nothing for a
// caption that is empty or does not end in "%"; 0 when no digit leads the rest. Digits past
// the 32-bit range give the largest 32-bit number.
std::optional<std::int32_t> PresetNumber(std::string_view caption);

class ZoomDialogRules : public CDataExchangeHost {
public:
    // The zoom percentage; the caller sets it before the dialog runs and reads it after IDOK.
    std::int32_t m_nPercent = 0;
    // Index of the selected preset radio, -1 when none is.
    std::int32_t m_nPreset = -1;
    // 0 while the dialog's controls are being created, 1 once they are initialised.
    std::int32_t m_bInitialized = 0;

    // Writes the members into the controls and selects the preset matching m_nPercent.
    void OnInitDialog(DialogItems& items);
    // A preset radio was clicked; it has already selected itself.
    void OnPresetClicked(DialogItems& items, int radioId);
    // The edit's text changed.
    void OnEditChanged(DialogItems& items);
    // OK or Enter: true when the dialog is to end with IDOK. A number below
    // kMinDialogZoom is not handed back: the edit is quietly corrected to it instead and
    // the dialog stays open.
    bool OnOK(DialogItems& items);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    // Binds controls that only the window system has (the spin); runs before the others.
    virtual void ExchangeControls(CDataExchange&) {}
    // Sets up those controls (the spin's range) once the members were first written, while
    // m_bInitialized is still 0.
    virtual void InitControls() {}

private:
    // Reads the edit and selects exactly the preset whose number equals it, or none.
    void SyncRadioToValue(DialogItems& items);
    // m_nPreset = index of the first preset whose number equals m_nPercent, or -1.
    void SelectMatchingPreset(const DialogItems& items);
    // Number of the preset with index `index`, when it has one.
    std::optional<std::int32_t> PresetNumberAt(const DialogItems& items, int index) const;
};
