#include "app/SettingsStore.h"

#include <string>

#include "app/SettingsCodec.h"
#include "platform/Registry.h"

namespace {

constexpr REGSAM kAccess = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

CRegKey OpenSection(const char* section) {
    CRegKey software = CRegKey::Open(HKEY_CURRENT_USER, "Software", kAccess);
    if (!software) return CRegKey();
    const std::string path = std::string("zp-r\\Velmar\\") + section;
    return software.CreateSubKey(path.c_str(), kAccess);
}

std::optional<RegistryValue> ReadValue(const char* section, const char* name) {
    CRegKey key = OpenSection(section);
    if (!key) return std::nullopt;
    return key.Query(name, kMaxSettingBytes);
}

}  // namespace

std::string ReadSettingString(const char* section, const char* name) {
    const auto value = ReadValue(section, name);
    if (!value) return {};
    return DecodeSettingText(value->type, value->data.data(), value->data.size());
}

std::int32_t ReadSettingInt(const char* section, const char* name) {
    const auto value = ReadValue(section, name);
    if (!value) return 0;
    return DecodeSettingInt(value->type, value->data.data(), value->data.size());
}

void WriteSettingString(const char* section, const char* name, std::string_view text) {
    CRegKey key = OpenSection(section);
    if (!key) return;
    const std::vector<unsigned char> bytes = EncodeSettingText(text);
    key.Set(name, kRegSz, bytes.data(), bytes.size());
}

void WriteSettingInt(const char* section, const char* name, std::int32_t value) {
    CRegKey key = OpenSection(section);
    if (!key) return;
    const auto bytes = EncodeSettingInt(value);
    key.Set(name, kRegDword, bytes.data(), bytes.size());
}
