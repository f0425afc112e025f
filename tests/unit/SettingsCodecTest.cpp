// Tests of the settings as registry values.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/settings/SettingsCodec.h"

inline void PrintTo(const StoredPlacement& p, std::ostream* out) {
    *out << p.window.left << ' ' << p.window.top << ' ' << p.window.right << ' ' << p.window.bottom << '@' << p.dpi;
}

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
// type as its default, an opacity below the most transparent as that.
TEST(SettingsCodec, OnlyChangedValuesAreWrittenAndUnknownOnesReadAsDefaults) {
    const RulerSettings defaults;
    for (const RulerUnit unit : {UnitPixel, UnitCentimetre, UnitInch, UnitLogical})
        for (const ColorFormat format :
             {ColorFormat::Hex, ColorFormat::HexBare, ColorFormat::Rgb, ColorFormat::Hsl, ColorFormat::Decimal}) {
            const RulerSettings settings{unit, 120, true, 7, format, 128};
            EXPECT_EQ(Decoded(Written(defaults, settings)), settings) << unit;
        }
    RulerSettings inch = defaults;
    inch.unit = UnitInch;
    EXPECT_EQ(Written(defaults, inch), (Values{{"Einheit", {kRegSz, {'I', 'N', 'C', 'H', 0}}}}));
    inch.opacity = 20;
    EXPECT_EQ(Written(defaults, inch).size(), 2u);
    EXPECT_EQ(Written(inch, inch).size(), 0u);
    RulerSettings logical = defaults;
    logical.unit = UnitLogical;
    EXPECT_EQ(DecodeSettingText(Written(defaults, logical)["Einheit"]), "DIP");
    EXPECT_EQ(EncodeSettingInt(-5).bytes, (std::vector<unsigned char>{0xFB, 0xFF, 0xFF, 0xFF}));
    const auto text = [](std::string_view s) { return EncodeSettingText(s); };
    const auto number = [](std::int32_t n) { return EncodeSettingInt(n); };
    const StoredValue wide{kRegDword, {1, 0, 0, 0, 0}}, binary{3, {1, 0, 0, 0}};
    const std::pair<Values, RulerSettings> cases[] = {
        {{{"Einheit", text("dip")}}, defaults},
        {{{"Einheit", text("CM")}}, defaults},
        {{{"Einheit", {kRegSz, {'M', 'M'}}}}, {UnitCentimetre}},
        {{{"Farbformat", text("HSL ")}}, defaults},
        {{{"MitTransparentSlider", text("1 ")}}, defaults},
        {{{"Zoom", number(0)}}, defaults},
        {{{"Zoom", number(-10)}}, defaults},
        {{{"Zoom", wide}}, defaults},
        {{{"Zoom", binary}}, defaults},
        {{{"Lupe", number(21)}}, defaults},
        {{{"Lupe", number(0)}}, defaults},
        {{{"Lupe", text("7")}}, defaults},
        {{{"Transparenz", number(256)}}, defaults},
        {{{"Transparenz", number(-1)}}, defaults},
        {{{"Transparenz", wide}}, defaults},
        {{{"Transparenz", number(0)}}, {UnitPixel, 100, false, 2, ColorFormat::Hex, kMostTransparent}},
        {{{"Transparenz", number(19)}}, {UnitPixel, 100, false, 2, ColorFormat::Hex, kMostTransparent}},
    };
    for (const auto& [values, expected] : cases) EXPECT_EQ(Decoded(values), expected) << values.begin()->first;
}

// "Fenster" reads back what was written; any other text counts as missing, whatever its length.
TEST(SettingsCodec, PlacementReadsBackItsTextAndTakesAnyOtherForMissing) {
    const StoredPlacement kExample{{267, 363, 756, 404}, 96};
    const std::string kThirtyDigits(30, '9');
    const struct {
        std::string text;
        std::optional<StoredPlacement> read;
    } cases[] = {
        {"267 363 756 404 96", kExample},
        {"-32768 -32768 32767 32767 48", StoredPlacement{{-32768, -32768, 32767, 32767}, 48}},
        {"-1 -0 0 1 960", StoredPlacement{{-1, 0, 0, 1}, 960}},
        {std::string(27, '0') + "267 363 756 404 96", kExample},
        {"", {}},
        {"267 363 756 404", {}},
        {"267 363 756 404 96 96", {}},
        {"267  363 756 404 96", {}},
        {" 267 363 756 404 96", {}},
        {"267 363 756 404 96 ", {}},
        {"267\t363 756 404 96", {}},
        {"+267 363 756 404 96", {}},
        {"267 363 756 404a 96", {}},
        {"267 - 756 404 96", {}},
        {"267 --363 756 404 96", {}},
        {"267 363 32768 404 96", {}},
        {"-32769 363 756 404 96", {}},
        {"267 363 756 404 47", {}},
        {"267 363 756 404 961", {}},
        {"267 363 267 404 96", {}},
        {"267 404 756 363 96", {}},
        {kThirtyDigits + " 363 756 404 96", {}},
        {"267 -" + kThirtyDigits + " 756 404 96", {}},
        {"267 363 756 404 " + kThirtyDigits, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodePlacement(EncodeSettingText(c.text)), c.read) << '"' << c.text << '"';
        if (c.read) EXPECT_EQ(DecodePlacement(EncodePlacement(*c.read)), c.read);
    }
    EXPECT_EQ(EncodePlacement(kExample), EncodeSettingText("267 363 756 404 96"));
    EXPECT_EQ(DecodePlacement(EncodeSettingInt(267)), std::nullopt);
}

}  // namespace
