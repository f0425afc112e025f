// The ruler's settings store in the registry.
#pragma once
#include "ruler/settings/RulerSettings.h"

// The ruler's settings in the registry, under HKEY_CURRENT_USER\Software\zp-r\Velmar\Option.
class CRegistrySettings : public RulerSettingsStore {
public:
    RulerSettings Load() const override;
    void SaveChanges(const RulerSettings& before, const RulerSettings& after) noexcept override;
    std::optional<StoredPlacement> LoadPlacement() const override;
    void SavePlacement(const StoredPlacement& placement) noexcept override;
};
