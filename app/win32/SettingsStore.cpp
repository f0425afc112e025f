// Reading and writing one value of the program's registry key.
#include "app/win32/SettingsStore.h"

#include <string>

#include "platform/system/Registry.h"

namespace {

constexpr REGSAM kAccess = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

CRegKey OpenSection(const char* section) {
    CRegKey software = CRegKey::Open(HKEY_CURRENT_USER, "Software", kAccess);
    if (!software) return CRegKey();
    const std::string path = std::string("zp-r\\Velmar\\") + section;
    return software.CreateSubKey(path.c_str(), kAccess);
}

}  // namespace

std::optional<StoredValue> ReadSetting(const char* section, std::string_view name) {
    CRegKey key = OpenSection(section);
    if (!key) return std::nullopt;
    auto value = key.Query(std::string(name).c_str(), kMaxSettingBytes);
    if (!value) return std::nullopt;
    return StoredValue{value->type, std::move(value->data)};
}

void WriteSetting(const char* section, std::string_view name, const StoredValue& value) {
    CRegKey key = OpenSection(section);
    if (key) key.Set(std::string(name).c_str(), value.type, value.bytes.data(), value.bytes.size());
}
