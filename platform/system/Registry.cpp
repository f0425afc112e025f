// Registry keys and values.
#include "platform/system/Registry.h"

CRegKey::~CRegKey() {
    if (m_key) ::RegCloseKey(m_key);
}

CRegKey& CRegKey::operator=(CRegKey&& other) noexcept {
    if (this != &other) {
        if (m_key) ::RegCloseKey(m_key);
        m_key = std::exchange(other.m_key, nullptr);
    }
    return *this;
}

CRegKey CRegKey::Open(HKEY parent, const char* path, REGSAM access) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(parent, path, 0, access, &key) != ERROR_SUCCESS) return CRegKey();
    return CRegKey(key);
}

CRegKey CRegKey::CreateSubKey(const char* path, REGSAM access) const {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(m_key, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return CRegKey();
    return CRegKey(key);
}

std::optional<RegistryValue> CRegKey::Query(const char* name, std::size_t maxBytes) const {
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(m_key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    if (size > maxBytes) return std::nullopt;

    RegistryValue value{type, std::vector<unsigned char>(size)};
    // The value may have changed since the size was asked for: a larger one fails here.
    if (::RegQueryValueExA(m_key, name, nullptr, &type, value.data.data(), &size) != ERROR_SUCCESS) return std::nullopt;
    value.type = type;
    value.data.resize(size);
    return value;
}

void CRegKey::Set(const char* name, std::uint32_t type, const unsigned char* data, std::size_t size) const {
    ::RegSetValueExA(m_key, name, 0, type, data, static_cast<DWORD>(size));
}
