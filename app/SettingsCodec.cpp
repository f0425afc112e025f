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

RulerSettings SettingsFromStored(std::string_view sliderText, std::string_view unitText,
                                 std::int32_t storedZoom) {
    RulerSettings settings;
    settings.alphaSliderShown = sliderText == SliderText(true);
    for (RulerUnit unit : {UnitPixel, UnitCentimetre, UnitInch}) {
        if (unitText == UnitText(unit)) settings.unit = unit;
    }
    settings.zoom = UsableZoom(storedZoom);
    return settings;
}

std::string_view SliderText(bool shown) { return shown ? "1" : "0"; }

std::optional<std::string_view> UnitText(RulerUnit unit) {
    switch (unit) {
    case UnitPixel: return "PIX";
    case UnitCentimetre: return "MM";  // not "CM": the stored name of the centimetre unit
    case UnitInch: return "INCH";
    }
    return std::nullopt;
}

// 0 means missing; a negative zoom would make the centimetre steps go backwards.
std::int32_t UsableZoom(std::int32_t zoom) { return zoom < 1 ? 100 : zoom; }
