// Reads arbitrary stored values as the settings store would and aborts unless the result is
// usable: a text within its value, up to its first NUL; settings and a place the ruler can use;
// and what is written reads back unchanged. The input holds the values one after another: a
// byte for the type (255: the value is missing), a byte for the size, then the bytes.
#include <cstdlib>
#include <string>

#include "app/settings/SettingsCodec.h"

namespace {

std::optional<StoredValue> Next(const std::uint8_t*& input, const std::uint8_t* end) {
    if (end - input < 2 || input[0] == 255) return input = std::min(input + 1, end), std::nullopt;
    const std::size_t size = std::min<std::size_t>(input[1], end - input - 2);
    StoredValue value{input[0], {input + 2, input + 2 + size}};
    input += 2 + size;
    return value;
}

bool Usable(const RulerSettings& s) {
    return s.zoom >= 1 && s.magnifierFactor >= kMinMagnifierFactor && s.magnifierFactor <= kMaxMagnifierFactor &&
           s.unit >= UnitPixel && s.unit <= UnitLogical && s.opacity >= kMostTransparent && s.opacity <= kOpaque &&
           s.colorFormat >= ColorFormat::Hex && s.colorFormat <= ColorFormat::Decimal && s.edgeTolerance >= 0 &&
           s.edgeTolerance <= kMaxEdgeTolerance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    const std::uint8_t* at = input;
    const std::uint8_t* end = input + size;
    const RulerSettings settings = DecodeSettings([&](std::string_view) {
        auto value = Next(at, end);
        const std::string text = value ? DecodeSettingText(*value) : "";
        if (value && (text.size() > value->bytes.size() || text.find('\0') != std::string::npos)) std::abort();
        return value;
    });
    const auto written = ChangedValues(RulerSettings{}, settings);
    const RulerSettings reread = DecodeSettings([&](std::string_view name) -> std::optional<StoredValue> {
        for (const NamedValue& value : written) {
            if (value.name == name) return value.value;
        }
        return std::nullopt;
    });
    if (!Usable(settings) || reread != settings || !ChangedValues(settings, settings).empty()) std::abort();
    if (const auto value = Next(at, end)) {
        const auto placement = DecodePlacement(*value);
        if (placement && (placement->window.IsEmpty() || placement->dpi < 48 || placement->dpi > 960 ||
                          DecodePlacement(EncodePlacement(*placement)) != placement))
            std::abort();
    }
    return 0;
}
