// How the settings and the place are kept as registry values.
#pragma once
// How the ruler's settings and its place are kept as registry values, and how a stored value of
// any type, size or content is read back safely.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ruler/settings/RulerSettings.h"

// Registry value types, with the registry's own numbers.
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegDword = 4;

// Largest value the store reads at all. No valid setting comes near it; a bigger value
// counts as missing and is never loaded.
constexpr std::size_t kMaxSettingBytes = 256;

// A value as the registry holds it: its type and its bytes.
struct StoredValue {
    std::uint32_t type = 0;
    std::vector<unsigned char> bytes;

    friend bool operator==(const StoredValue& a, const StoredValue& b) {
        return a.type == b.type && a.bytes == b.bytes;
    }
    friend bool operator!=(const StoredValue& a, const StoredValue& b) { return !(a == b); }
};

// A value to be written under its name.
struct NamedValue {
    std::string_view name;
    StoredValue value;
};

// Text of a REG_SZ value up to its first NUL, or all of it when it has none; empty for a
// value of another type.
std::string DecodeSettingText(const StoredValue& value);
// The integer of a 4-byte REG_DWORD value; nothing for any other type or size.
std::optional<std::int32_t> DecodeSettingInt(const StoredValue& value);
// A text with its terminating NUL, as REG_SZ.
StoredValue EncodeSettingText(std::string_view text);
// An integer as a 4-byte REG_DWORD, low byte first.
StoredValue EncodeSettingInt(std::int32_t value);

// Reads the value `name` of the settings' key: nothing when it is missing or unreadable.
using SettingReader = std::function<std::optional<StoredValue>(std::string_view name)>;

// The settings the values hold; each that is missing or unreadable keeps its default.
RulerSettings DecodeSettings(const SettingReader& read);
// The values of `after` that differ from those of `before`: all a change has to write.
std::vector<NamedValue> ChangedValues(const RulerSettings& before, const RulerSettings& after);

// Where the window was left: "Fenster", left, top, right, bottom and dpi as decimal integers one
// space apart, for example "267 363 756 404 96".
constexpr std::string_view kPlacementName = "Fenster";
StoredValue EncodePlacement(const StoredPlacement& placement);
// The placement such a text holds. Any other value counts as missing, as do a coordinate
// outside -32768..32767, a resolution outside 48..960 and a rectangle without area.
std::optional<StoredPlacement> DecodePlacement(const StoredValue& value);
