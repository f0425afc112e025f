// Tests of the settings as registry values.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/settings/SettingsCodec.h"
#include "tests/unit/TestCanvas.h"

namespace {

using Values = std::map<std::string, StoredValue, std::less<>>;

RulerSettings Decoded(const Values& values) {
    return DecodeSettings([&](std::string_view name) -> std::optional<StoredValue> {
        const auto found = values.find(name);
        return found == values.end() ? std::nullopt : std::optional<StoredValue>(found->second);
    });
}

Values Written(const RulerSettings& before, const RulerSettings& after) {
    Values values;
    for (const NamedValue& changed : ChangedValues(before, after)) values[std::string(changed.name)] = changed.value;
    return values;
}

// Every setting is kept and read back, texts with their terminating NUL, numbers as 4-byte
// DWORDs; a change writes the values that changed and no other, so that two rulers never undo
// each other's choices. What the program does not know reads as the default: a unit text (a
// mistyped one, or one of a newer version) as pixels, a number out of its range or of another
// type or size as its default, an opacity below the most transparent as that.
TEST(SettingsCodec, OnlyChangedValuesAreWrittenAndUnknownOnesReadAsDefaults) {
    const RulerSettings defaults;
    for (const RulerUnit unit : {UnitPixel, UnitCentimetre, UnitInch, UnitLogical})
        for (const ColorFormat format :
             {ColorFormat::Hex, ColorFormat::HexBare, ColorFormat::Rgb, ColorFormat::Hsl, ColorFormat::Decimal}) {
            const RulerSettings settings{unit, 120, true, 7, format, 128, true, 30};
            EXPECT_EQ(Decoded(Written(defaults, settings)), settings) << unit;
        }
    const RulerSettings inch{UnitInch};
    EXPECT_EQ(Written(defaults, inch), (Values{{"Einheit", {kRegSz, {'I', 'N', 'C', 'H', 0}}}}));
    EXPECT_EQ(Written(inch, inch).size(), 0u);
    EXPECT_EQ(Decoded({{"Einheit", EncodeSettingText("DIP")}}).unit, UnitLogical);
    EXPECT_EQ(Decoded({{"Einheit", {kRegSz, {'M', 'M'}}}}).unit, UnitCentimetre);  // without its NUL
    EXPECT_EQ(EncodeSettingInt(-5).bytes, (std::vector<unsigned char>{0xFB, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Decoded({{"Transparenz", EncodeSettingInt(19)}}).opacity, kMostTransparent);
    const StoredValue wide{kRegDword, {1, 0, 0, 0, 0}}, binary{3, {1, 0, 0, 0}};
    const std::pair<const char*, std::vector<StoredValue>> unknown[] = {
        {"Einheit", {EncodeSettingText("dip"), EncodeSettingText("CM")}},
        {"Farbformat", {EncodeSettingText("HSL ")}},
        {"MitTransparentSlider", {EncodeSettingText("1 ")}},
        {"Zoom", {EncodeSettingInt(0), wide, binary}},
        {"Lupe", {EncodeSettingInt(21), EncodeSettingInt(0), EncodeSettingText("7")}},
        {"Transparenz", {EncodeSettingInt(-1), EncodeSettingInt(256)}},
        {"Kanten", {EncodeSettingInt(2)}},
        {"Kantentoleranz", {EncodeSettingInt(256), EncodeSettingInt(-1)}},
    };
    for (const auto& [name, values] : unknown)
        for (const StoredValue& value : values) EXPECT_EQ(Decoded({{name, value}}), defaults) << name;
}

// "Fenster" reads back what was written; any other text counts as missing, whatever its length.
TEST(SettingsCodec, PlacementReadsBackItsTextAndTakesAnyOtherForMissing) {
    const StoredPlacement kExample{{267, 363, 756, 404}, 96};
    const std::pair<std::string, StoredPlacement> read[] = {
        {"267 363 756 404 96", kExample},
        {"-32768 -32768 32767 32767 48", {{-32768, -32768, 32767, 32767}, 48}},
        {"-1 -0 0 1 960", {{-1, 0, 0, 1}, 960}},
        {std::string(27, '0') + "267 363 756 404 96", kExample},
    };
    for (const auto& [text, placement] : read) {
        EXPECT_EQ(DecodePlacement(EncodeSettingText(text)), placement) << text;
        EXPECT_EQ(DecodePlacement(EncodePlacement(placement)), placement) << text;
    }
    // Too few or many numbers, spaces or signs, out of range, empty, or of any length (2^64 + 267 is no 267).
    std::vector<std::string> rejected{
        "267 363 756 404",     "267 363 756 404 96 96", "267  363 756 404 96",  " 267 363 756 404 96",
        "267 363 756 404 96 ", "267\t363 756 404 96",   "+267 363 756 404 96",  "267 363 756 404a 96",
        "267 - 756 404 96",    "267 --363 756 404 96",  "267 363 32768 404 96", "-32769 363 756 404 96",
        "267 363 756 404 47",  "267 363 756 404 961",   "267 363 267 404 96",   "267 404 756 363 96",
    };
    rejected.insert(rejected.end(), {"", "18446744073709551883 363 756 404 96", "267 -9999999999999999999 756 404 96"});
    for (const std::string& text : rejected) EXPECT_EQ(DecodePlacement(EncodeSettingText(text)), std::nullopt) << text;
    EXPECT_EQ(DecodePlacement(EncodeSettingInt(267)), std::nullopt);
}

}  // namespace
