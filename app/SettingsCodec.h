#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ruler/RulerUnit.h"

// How the three settings are kept as registry values, and how a stored value of any type,
// size or content is read back safely.

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

// The persisted state of the ruler.
struct RulerSettings {
    RulerUnit unit = UnitPixel;
    std::int32_t zoom = 100;
    bool alphaSliderShown = false;

    friend bool operator==(const RulerSettings& a, const RulerSettings& b) {
        return a.unit == b.unit && a.zoom == b.zoom && a.alphaSliderShown == b.alphaSliderShown;
    }
    friend bool operator!=(const RulerSettings& a, const RulerSettings& b) { return !(a == b); }
};

// Settings from what the store read for "MitTransparentSlider", "Einheit" and "Zoom".
RulerSettings SettingsFromStored(std::string_view sliderText, std::string_view unitText,
                                 std::int32_t storedZoom);
// Texts written back.
std::string_view SliderText(bool shown);
// "PIX", "MM" or "INCH"; nothing for a unit outside the three.
std::optional<std::string_view> UnitText(RulerUnit unit);
// A zoom the scale can use: below 1 (0 means missing) becomes 100.
std::int32_t UsableZoom(std::int32_t zoom);
