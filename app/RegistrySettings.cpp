#include "app/RegistrySettings.h"

#include "app/SettingsCodec.h"
#include "app/SettingsStore.h"

namespace {

constexpr char kSection[] = "Option";
constexpr char kSliderShownValue[] = "MitTransparentSlider";
constexpr char kUnitValue[] = "Einheit";
constexpr char kZoomValue[] = "Zoom";
constexpr char kMagnifierValue[] = "Lupe";
constexpr char kColorFormatValue[] = "Farbformat";
constexpr char kPlacementValue[] = "Fenster";

}  // namespace

RulerSettings CRegistrySettings::Load() const {
    StoredSettings stored;
    stored.sliderShown = ReadSettingString(kSection, kSliderShownValue);
    stored.unit = ReadSettingString(kSection, kUnitValue);
    stored.zoom = ReadSettingInt(kSection, kZoomValue);
    stored.magnifier = ReadSettingInt(kSection, kMagnifierValue);
    stored.colorFormat = ReadSettingString(kSection, kColorFormatValue);
    return SettingsFromStored(stored);
}

void CRegistrySettings::Save(const RulerSettings& settings) noexcept {
    try {
        const StoredSettings stored = StoredFromSettings(settings);
        WriteSettingString(kSection, kSliderShownValue, stored.sliderShown);
        if (!stored.unit.empty()) WriteSettingString(kSection, kUnitValue, stored.unit);
        WriteSettingInt(kSection, kZoomValue, stored.zoom);
        WriteSettingInt(kSection, kMagnifierValue, stored.magnifier);
        WriteSettingString(kSection, kColorFormatValue, stored.colorFormat);
    } catch (...) {
    }
}

// A value of another type reads as an empty text, which is no placement either.
std::optional<StoredPlacement> CRegistrySettings::LoadPlacement() const {
    return ParsePlacement(ReadSettingString(kSection, kPlacementValue));
}

void CRegistrySettings::SavePlacement(const StoredPlacement& placement) noexcept {
    try {
        WriteSettingString(kSection, kPlacementValue, PlacementText(placement));
    } catch (...) {
    }
}
