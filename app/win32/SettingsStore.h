// Reading and writing one value of the program's registry key.
#pragma once
// The program's settings in the registry: HKEY_CURRENT_USER\Software\zp-r\Velmar\<section>.
#include <optional>
#include <string_view>

#include "app/settings/SettingsCodec.h"

// Each operation opens the key (creating it when missing) and closes it again. Failures are
// quiet: a read gives nothing, a write does nothing.
std::optional<StoredValue> ReadSetting(const char* section, std::string_view name);
void WriteSetting(const char* section, std::string_view name, const StoredValue& value);
