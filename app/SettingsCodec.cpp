#include "app/SettingsCodec.h"

#include <cstring>

std::string DecodeSettingText(std::uint32_t type, const unsigned char* data, std::size_t size) {
    if (type != kRegSz || data == nullptr) return {};
    // A text stored without its NUL is taken whole, never read past its size.
    const void* nul = std::memchr(data, '\0', size);
    const std::size_t length = nul ? static_cast<const unsigned char*>(nul) - data : size;
    return std::string(reinterpret_cast<const char*>(data), length);
}

std::int32_t DecodeSettingInt(std::uint32_t type, const unsigned char* data, std::size_t size) {
    if (type != kRegDword || data == nullptr || size != 4) return 0;
    const std::uint32_t value = std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8 |
                                std::uint32_t{data[2]} << 16 | std::uint32_t{data[3]} << 24;
    return static_cast<std::int32_t>(value);
}

std::vector<unsigned char> EncodeSettingText(std::string_view text) {
    std::vector<unsigned char> bytes(text.begin(), text.end());
    bytes.push_back('\0');  // REG_SZ holds its terminating NUL
    return bytes;
}

std::array<unsigned char, 4> EncodeSettingInt(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
            static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
}

namespace {

constexpr std::string_view kSliderShown = "1";
constexpr std::string_view kSliderHidden = "0";

// The stored names of the units; the centimetre unit is kept as "MM".
struct UnitName {
    RulerUnit unit;
    std::string_view text;
};
constexpr UnitName kUnitNames[] = {{UnitPixel, "PIX"}, {UnitCentimetre, "MM"}, {UnitInch, "INCH"},
                                   {UnitLogical, "DIP"}};

struct FormatName {
    ColorFormat format;
    std::string_view text;
};
constexpr FormatName kFormatNames[] = {{ColorFormat::Hex, "HEX"}, {ColorFormat::HexBare, "HEXBARE"}, {ColorFormat::Rgb, "RGB"},
                                       {ColorFormat::Hsl, "HSL"}, {ColorFormat::Decimal, "DEC"}};

}  // namespace

// Anything unknown keeps the default: a text compared exactly, a zoom below 1 (0 is missing)
// would make the centimetre steps stand still or go backwards.
RulerSettings SettingsFromStored(const StoredSettings& stored) {
    RulerSettings settings;
    settings.alphaSliderShown = stored.sliderShown == kSliderShown;
    for (const UnitName& name : kUnitNames) {
        if (stored.unit == name.text) settings.unit = name.unit;
    }
    if (stored.zoom >= 1) settings.zoom = stored.zoom;
    if (stored.magnifier >= kMinMagnifierFactor && stored.magnifier <= kMaxMagnifierFactor)
        settings.magnifierFactor = stored.magnifier;
    for (const FormatName& name : kFormatNames) {
        if (stored.colorFormat == name.text) settings.colorFormat = name.format;
    }
    return settings;
}

StoredSettings StoredFromSettings(const RulerSettings& settings) {
    StoredSettings stored;
    stored.sliderShown = settings.alphaSliderShown ? kSliderShown : kSliderHidden;
    for (const UnitName& name : kUnitNames) {
        if (settings.unit == name.unit) stored.unit = name.text;
    }
    stored.zoom = settings.zoom;
    stored.magnifier = settings.magnifierFactor;
    stored.colorFormat = kFormatNames[0].text;
    for (const FormatName& name : kFormatNames) {
        if (settings.colorFormat == name.format) stored.colorFormat = name.text;
    }
    return stored;
}
