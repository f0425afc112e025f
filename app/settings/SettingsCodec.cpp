// The settings and the place as registry values: writing them, and reading any value safely.
#include "app/settings/SettingsCodec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

std::string DecodeSettingText(const StoredValue& value) {
    if (value.type != kRegSz) return {};
    // A text stored without its NUL is taken whole, never read past its size.
    const auto& bytes = value.bytes;
    const auto end = std::find(bytes.begin(), bytes.end(), '\0');
    return std::string(bytes.begin(), end);
}

std::optional<std::int32_t> DecodeSettingInt(const StoredValue& value) {
    const auto& b = value.bytes;
    if (value.type != kRegDword || b.size() != 4) return std::nullopt;
    const std::uint32_t bits =
        std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24;
    return static_cast<std::int32_t>(bits);
}

StoredValue EncodeSettingText(std::string_view text) {
    StoredValue value{kRegSz, {text.begin(), text.end()}};
    value.bytes.push_back('\0');  // REG_SZ holds its terminating NUL
    return value;
}

StoredValue EncodeSettingInt(std::int32_t number) {
    const auto bits = static_cast<std::uint32_t>(number);
    return {kRegDword,
            {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
             static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)}};
}

namespace {

// A value kept as one of a few names.
template <class T>
struct StoredName {
    T value;
    std::string_view text;
};

// The stored names of the units; the centimetre unit is kept as "MM".
constexpr StoredName<RulerUnit> kUnitNames[] = {
    {UnitPixel, "PIX"}, {UnitCentimetre, "MM"}, {UnitInch, "INCH"}, {UnitLogical, "DIP"}};

constexpr StoredName<ColorFormat> kFormatNames[] = {{ColorFormat::Hex, "HEX"},
                                                    {ColorFormat::HexBare, "HEXBARE"},
                                                    {ColorFormat::Rgb, "RGB"},
                                                    {ColorFormat::Hsl, "HSL"},
                                                    {ColorFormat::Decimal, "DEC"}};

// The name of `value`; a value without one is kept as the first name.
template <class T, std::size_t N>
StoredValue EncodeName(const StoredName<T> (&names)[N], T value) {
    const auto found =
        std::find_if(std::begin(names), std::end(names), [&](const auto& n) { return n.value == value; });
    return EncodeSettingText(found != std::end(names) ? found->text : names[0].text);
}

// The value a stored name stands for; any other value leaves `current` as it is.
template <class T, std::size_t N>
T DecodeName(const StoredName<T> (&names)[N], const StoredValue& stored, T current) {
    const std::string text = DecodeSettingText(stored);
    const auto found = std::find_if(std::begin(names), std::end(names), [&](const auto& n) { return n.text == text; });
    return found != std::end(names) ? found->value : current;
}

// One setting: its value's name, how it is written and how a stored value is read. Anything
// unknown keeps the default: a text compared exactly, a number outside the setting's range.
struct Field {
    std::string_view name;
    StoredValue (*encode)(const RulerSettings&);
    void (*decode)(const StoredValue&, RulerSettings&);
};

std::optional<std::int32_t> IntWithin(const StoredValue& value, std::int32_t lowest, std::int32_t highest) {
    const auto number = DecodeSettingInt(value);
    if (number && lowest <= *number && *number <= highest) return number;
    return std::nullopt;
}

const Field kFields[] = {
    {"MitTransparentSlider", [](const RulerSettings& s) { return EncodeSettingText(s.alphaSliderShown ? "1" : "0"); },
     [](const StoredValue& v, RulerSettings& s) { s.alphaSliderShown = DecodeSettingText(v) == "1"; }},
    {"Einheit", [](const RulerSettings& s) { return EncodeName(kUnitNames, s.unit); },
     [](const StoredValue& v, RulerSettings& s) { s.unit = DecodeName(kUnitNames, v, s.unit); }},
    // A zoom below 1 (0 is missing) would make the centimetre steps stand still or go backwards.
    {"Zoom", [](const RulerSettings& s) { return EncodeSettingInt(s.zoom); },
     [](const StoredValue& v, RulerSettings& s) { s.zoom = IntWithin(v, 1, INT32_MAX).value_or(s.zoom); }},
    {"Lupe", [](const RulerSettings& s) { return EncodeSettingInt(s.magnifierFactor); },
     [](const StoredValue& v, RulerSettings& s) {
         s.magnifierFactor = IntWithin(v, kMinMagnifierFactor, kMaxMagnifierFactor).value_or(s.magnifierFactor);
     }},
    {"Farbformat", [](const RulerSettings& s) { return EncodeName(kFormatNames, s.colorFormat); },
     [](const StoredValue& v, RulerSettings& s) { s.colorFormat = DecodeName(kFormatNames, v, s.colorFormat); }},
    // 0 to 255 as stored; the ruler never goes below its most transparent, where it still shows.
    {"Transparenz", [](const RulerSettings& s) { return EncodeSettingInt(s.opacity); },
     [](const StoredValue& v, RulerSettings& s) {
         if (const auto opacity = IntWithin(v, 0, kOpaque)) s.opacity = std::max(*opacity, kMostTransparent);
     }},
    {"Kanten", [](const RulerSettings& s) { return EncodeSettingInt(s.spans ? 1 : 0); },
     [](const StoredValue& v, RulerSettings& s) { s.spans = IntWithin(v, 1, 1).has_value(); }},
    {"Kantentoleranz", [](const RulerSettings& s) { return EncodeSettingInt(s.edgeTolerance); },
     [](const StoredValue& v, RulerSettings& s) {
         s.edgeTolerance = IntWithin(v, 0, kMaxEdgeTolerance).value_or(s.edgeTolerance);
     }},
};

}  // namespace

RulerSettings DecodeSettings(const SettingReader& read) {
    RulerSettings settings;
    for (const Field& field : kFields) {
        if (const auto value = read(field.name)) field.decode(*value, settings);
    }
    return settings;
}

std::vector<NamedValue> ChangedValues(const RulerSettings& before, const RulerSettings& after) {
    std::vector<NamedValue> changed;
    for (const Field& field : kFields) {
        StoredValue value = field.encode(after);
        if (value != field.encode(before)) changed.push_back({field.name, std::move(value)});
    }
    return changed;
}

namespace {

constexpr std::int64_t kLowestCoordinate = -32768, kHighestCoordinate = 32767;
constexpr std::int64_t kLowestDpi = 48, kHighestDpi = 960;
// Beyond every field's range: more digits cannot bring a number back into one.
constexpr std::int64_t kTooLarge = 1'000'000;

// One field of the text: an optional minus and at least one digit.
std::optional<std::int64_t> ParsedNumber(std::string_view field) {
    const bool negative = !field.empty() && field.front() == '-';
    if (negative) field.remove_prefix(1);
    if (field.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min(value * 10 + (c - '0'), kTooLarge);
    }
    return negative ? -value : value;
}

bool Within(std::int64_t value, std::int64_t lowest, std::int64_t highest) {
    return lowest <= value && value <= highest;
}

}  // namespace

StoredValue EncodePlacement(const StoredPlacement& placement) {
    std::string text;
    const Rect& w = placement.window;
    for (const int value : {w.left, w.top, w.right, w.bottom, placement.dpi}) {
        if (!text.empty()) text += ' ';
        text += std::to_string(value);
    }
    return EncodeSettingText(text);
}

std::optional<StoredPlacement> DecodePlacement(const StoredValue& value) {
    // A value of another type reads as an empty text, which is no placement either.
    const std::string stored = DecodeSettingText(value);
    std::string_view text = stored;
    std::array<std::int64_t, 5> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::size_t space = text.find(' ');
        if ((space == std::string_view::npos) != (i + 1 == numbers.size())) return std::nullopt;  // exactly four spaces
        const std::optional<std::int64_t> number = ParsedNumber(text.substr(0, space));
        if (!number) return std::nullopt;
        numbers[i] = *number;
        text.remove_prefix(std::min(space + 1, text.size()));
    }
    const auto [left, top, right, bottom, dpi] = numbers;
    const bool inRange = std::all_of(numbers.begin(), numbers.begin() + 4,
                                     [](std::int64_t c) { return Within(c, kLowestCoordinate, kHighestCoordinate); });
    if (!inRange || !Within(dpi, kLowestDpi, kHighestDpi) || right <= left || bottom <= top) return std::nullopt;
    return StoredPlacement{
        {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right), static_cast<int>(bottom)},
        static_cast<int>(dpi)};
}
