// The ruler's settings store in the registry.
#include "app/win32/RegistrySettings.h"

#include "app/language/LanguageChoice.h"
#include "app/settings/SettingsCodec.h"
#include "app/win32/SettingsStore.h"

namespace {

constexpr char kSection[] = "Option";

}  // namespace

RulerSettings CRegistrySettings::Load() const {
    return DecodeSettings([](std::string_view name) { return ReadSetting(kSection, name); });
}

void CRegistrySettings::SaveChanges(const RulerSettings& before, const RulerSettings& after) noexcept {
    try {
        for (const NamedValue& changed : ChangedValues(before, after))
            WriteSetting(kSection, changed.name, changed.value);
    } catch (...) {}
}

std::optional<StoredPlacement> CRegistrySettings::LoadPlacement() const {
    const auto value = ReadSetting(kSection, kPlacementName);
    return value ? DecodePlacement(*value) : std::nullopt;
}

void CRegistrySettings::SavePlacement(const StoredPlacement& placement) noexcept {
    try {
        WriteSetting(kSection, kPlacementName, EncodePlacement(placement));
    } catch (...) {}
}

std::optional<StoredValue> CRegistrySettings::LoadLanguage() const { return ReadSetting(kSection, kLanguageName); }
