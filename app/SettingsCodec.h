#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ruler/RulerSettings.h"

// How the settings are kept as registry values, and how a stored value of any type, size or
// content is read back safely.

// Registry value types, with the registry's own numbers.
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegDword = 4;

// Largest value the store reads at all. No valid setting comes near it; a bigger value
// counts as missing and is never loaded.
constexpr std::size_t kMaxSettingBytes = 256;

// Text of a REG_SZ value up to its first NUL, or all of it when it has none; empty for a
// value of another type.
std::string DecodeSettingText(std::uint32_t type, const unsigned char* data, std::size_t size);
// The integer of a 4-byte REG_DWORD value; 0 (missing) for any other type or size.
std::int32_t DecodeSettingInt(std::uint32_t type, const unsigned char* data, std::size_t size);

// Bytes stored for a text: the text and its terminating NUL.
std::vector<unsigned char> EncodeSettingText(std::string_view text);
// Bytes stored for an integer: 4 bytes, low byte first.
std::array<unsigned char, 4> EncodeSettingInt(std::int32_t value);

// The settings' values as the registry holds them.
struct StoredSettings {
    std::string sliderShown;  // "MitTransparentSlider"
    std::string unit;         // "Einheit"; empty: not written
    std::int32_t zoom = 0;    // "Zoom"; 0 when missing
    std::int32_t magnifier = 0;  // "Lupe"; 0 when missing
    std::string colorFormat;     // "Farbformat"
};

RulerSettings SettingsFromStored(const StoredSettings& stored);
StoredSettings StoredFromSettings(const RulerSettings& settings);
