// The ruler's settings store in the registry.
#pragma once
#include <optional>

#include "app/settings/SettingsCodec.h"
#include "ruler/settings/RulerSettings.h"

// The ruler's settings in the registry, under HKEY_CURRENT_USER\Software\zp-r\Velmar\Option.
class CRegistrySettings : public RulerSettingsStore {
public:
    RulerSettings Load() const override;
    void SaveChanges(const RulerSettings& before, const RulerSettings& after) noexcept override;
    std::optional<StoredPlacement> LoadPlacement() const override;
    void SavePlacement(const StoredPlacement& placement) noexcept override;
    // The stored choice of language, as it is; nothing when there is none.
    std::optional<StoredValue> LoadLanguage() const;
};
