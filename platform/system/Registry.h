// Registry keys and values.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/system/Win32.h"

// A value as the registry holds it.
struct RegistryValue {
    std::uint32_t type = 0;
    std::vector<unsigned char> data;
};

// An open registry key, closed at the end of its life. Move-only.
class CRegKey {
public:
    CRegKey() = default;
    ~CRegKey();
    CRegKey(CRegKey&& other) noexcept : m_key(std::exchange(other.m_key, nullptr)) {}
    CRegKey& operator=(CRegKey&& other) noexcept;
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    explicit operator bool() const { return m_key != nullptr; }

    static CRegKey Open(HKEY parent, const char* path, REGSAM access);
    // Opens the subkey `path`, creating it and the keys on the way when missing.
    CRegKey CreateSubKey(const char* path, REGSAM access) const;

    // The value's type and data, or nothing when it is missing, unreadable or larger than
    // `maxBytes` (such a value is never loaded).
    std::optional<RegistryValue> Query(const char* name, std::size_t maxBytes) const;
    void Set(const char* name, std::uint32_t type, const unsigned char* data, std::size_t size) const;

private:
    explicit CRegKey(HKEY key) : m_key(key) {}
    HKEY m_key = nullptr;
};
