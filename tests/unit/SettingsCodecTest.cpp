#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "app/SettingsCodec.h"

namespace {

// Every setting is kept and read back; the logical unit is kept as "DIP", texts with their
// terminating NUL, numbers as 4-byte DWORDs. What the program
// does not know reads as the default: a unit text (a mistyped one, or one of a newer version)
// as pixels, a magnifier factor outside 1 to 20 (0 when missing) as 2, a colour format as "#RRGGBB".
TEST(SettingsCodec, SettingsRoundTripAndUnknownValuesReadAsDefaults) {
    for (const RulerUnit unit : {UnitPixel, UnitCentimetre, UnitInch, UnitLogical}) {
        for (const int factor : {1, 7, 20}) {
            for (const ColorFormat format : {ColorFormat::Hex, ColorFormat::HexBare, ColorFormat::Rgb, ColorFormat::Hsl, ColorFormat::Decimal}) {
                const RulerSettings settings{unit, 120, true, factor, format};
                EXPECT_EQ(SettingsFromStored(StoredFromSettings(settings)), settings) << unit;
            }
        }
    }
    EXPECT_EQ(StoredFromSettings({UnitLogical}).unit, "DIP");
    EXPECT_EQ(EncodeSettingText("mm"), (std::vector<unsigned char>{'m', 'm', 0})) << "a text keeps its terminating NUL";
    EXPECT_EQ(EncodeSettingInt(-5), (std::array<unsigned char, 4>{0xFB, 0xFF, 0xFF, 0xFF})) << "a 4-byte DWORD";
    EXPECT_EQ(StoredFromSettings({UnitPixel, 100, false, 2, ColorFormat::HexBare}).colorFormat, "HEXBARE");
    for (const char* text : {"hsl", "", "HSL ", "CMYK"}) EXPECT_EQ(SettingsFromStored({"", "", 0, 0, text}).colorFormat, ColorFormat::Hex) << text;
    for (const char* text : {"dip", "DIP ", "", "CM", "LOGICAL"}) EXPECT_EQ(SettingsFromStored({"", text, 0, 0, ""}).unit, UnitPixel) << text;
    for (const int factor : {0, -1, 21, 1 << 30}) EXPECT_EQ(SettingsFromStored({"", "", 0, factor, ""}).magnifierFactor, 2) << factor;
}

}  // namespace
