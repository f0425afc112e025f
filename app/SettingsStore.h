#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The program's settings in the registry: HKEY_CURRENT_USER\Software\zp-r\Velmar\<section>.
// Every operation opens the key (creating it when missing) and closes it again. Failures
// are quiet: a read gives an empty text or 0, a write does nothing.
std::string ReadSettingString(const char* section, const char* name);
std::int32_t ReadSettingInt(const char* section, const char* name);
void WriteSettingString(const char* section, const char* name, std::string_view text);
void WriteSettingInt(const char* section, const char* name, std::int32_t value);
