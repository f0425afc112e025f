#include <gtest/gtest.h>

#include "app/SettingsCodec.h"

namespace {

// Every setting is kept and read back; the logical unit is kept as "DIP", and a unit text the
// program does not know (a mistyped one, or one of a newer version) reads as pixels.
TEST(SettingsCodec, SettingsRoundTripAndUnknownTextsReadAsDefaults) {
    for (const RulerUnit unit : {UnitPixel, UnitCentimetre, UnitInch, UnitLogical}) {
        const RulerSettings settings{unit, 120, true};
        EXPECT_EQ(SettingsFromStored(StoredFromSettings(settings)), settings) << unit;
    }
    EXPECT_EQ(StoredFromSettings({UnitLogical}).unit, "DIP");
    for (const char* text : {"dip", "DIP ", "", "CM", "LOGICAL"})
        EXPECT_EQ(SettingsFromStored({"", text, 0}).unit, UnitPixel) << text;
}

}  // namespace
