#include <gtest/gtest.h>

#include "app/SettingsCodec.h"

namespace {

// Every setting is kept and read back; the logical unit is kept as "DIP". What the program
// does not know reads as the default: a unit text (a mistyped one, or one of a newer version)
// as pixels, a magnifier factor outside 1 to 20 (0 when missing) as 2.
TEST(SettingsCodec, SettingsRoundTripAndUnknownValuesReadAsDefaults) {
    for (const RulerUnit unit : {UnitPixel, UnitCentimetre, UnitInch, UnitLogical}) {
        for (const int factor : {1, 7, 20}) {
            const RulerSettings settings{unit, 120, true, factor};
            EXPECT_EQ(SettingsFromStored(StoredFromSettings(settings)), settings) << unit;
        }
    }
    EXPECT_EQ(StoredFromSettings({UnitLogical}).unit, "DIP");
    for (const char* text : {"dip", "DIP ", "", "CM", "LOGICAL"})
        EXPECT_EQ(SettingsFromStored({"", text, 0}).unit, UnitPixel) << text;
    for (const int factor : {0, -1, 21, 1 << 30}) EXPECT_EQ(SettingsFromStored({"", "", 0, factor}).magnifierFactor, 2) << factor;
}

}  // namespace
