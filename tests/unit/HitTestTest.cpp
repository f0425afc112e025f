#include <gtest/gtest.h>

#include "ruler/HitTest.h"

namespace {

struct ZoneCase {
    Point cursor;
    RulerZone zone;
};

// A ruler 300 by 40 at (100, 100), its close button in the top-right corner zone and band.
constexpr Rect kWide{100, 100, 400, 140};
constexpr Rect kWideButton{380, 105, 392, 118};

class WideRulerZones : public testing::TestWithParam<ZoneCase> {};

TEST_P(WideRulerZones, FirstMatchingTestWins) {
    EXPECT_EQ(HitTestRuler(GetParam().cursor, kWide, kWideButton), GetParam().zone);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, WideRulerZones,
    testing::Values(ZoneCase{{399, 100}, ZoneTopRight}, ZoneCase{{393, 100}, ZoneTopRight},
                    ZoneCase{{392, 100}, ZoneTop}, ZoneCase{{100, 139}, ZoneBottomLeft},
                    ZoneCase{{107, 107}, ZoneTopLeft}, ZoneCase{{108, 104}, ZoneTop},
                    ZoneCase{{93, 93}, ZoneTopLeft}, ZoneCase{{92, 93}, ZoneCaption},
                    ZoneCase{{407, 147}, ZoneBottomRight}, ZoneCase{{250, 104}, ZoneTop},
                    ZoneCase{{250, 105}, ZoneBandTop}, ZoneCase{{250, 120}, ZoneBandTop},
                    ZoneCase{{250, 121}, ZoneBandBottom}, ZoneCase{{250, 135}, ZoneBandBottom},
                    ZoneCase{{250, 136}, ZoneBottom}, ZoneCase{{250, 144}, ZoneBottom},
                    ZoneCase{{250, 145}, ZoneCaption},
                    // The close button wins over the band and the corner zone.
                    ZoneCase{{380, 105}, ZoneClient}, ZoneCase{{391, 117}, ZoneClient},
                    ZoneCase{{392, 117}, ZoneBandTop}, ZoneCase{{379, 105}, ZoneBandTop}));

TEST(HitTest, SquareRulerHasAnInnerCaptionArea) {
    constexpr Rect square{0, 0, 300, 300};
    constexpr Rect button{281, 5, 293, 18};
    const ZoneCase cases[] = {
        {{20, 150}, ZoneBandLeft},   {{21, 150}, ZoneCaption},  {{279, 150}, ZoneCaption},
        {{280, 150}, ZoneBandRight}, {{150, 20}, ZoneBandTop},  {{150, 21}, ZoneCaption},
        {{150, 279}, ZoneCaption},   {{150, 280}, ZoneBandBottom}, {{4, 150}, ZoneLeft},
        {{5, 150}, ZoneBandLeft},    {{296, 150}, ZoneRight},   {{295, 150}, ZoneBandRight},
        {{285, 6}, ZoneClient},      {{299, 299}, ZoneBottomRight}};
    for (const ZoneCase& c : cases) {
        EXPECT_EQ(HitTestRuler(c.cursor, square, button), c.zone)
            << c.cursor.x << ',' << c.cursor.y;
    }
}

TEST(HitTest, CursorAndPressPerZone) {
    using C = ZoneCursor;
    const struct { RulerZone zone; ZoneCursor cursor; bool band; } cases[] = {
        {ZoneClient, C::Default, false},   {ZoneCaption, C::Default, false},
        {ZoneLeft, C::SizeWE, false},       {ZoneRight, C::SizeWE, false},
        {ZoneTop, C::SizeNS, false},        {ZoneBottom, C::SizeNS, false},
        {ZoneTopLeft, C::SizeNWSE, false},  {ZoneBottomRight, C::SizeNWSE, false},
        {ZoneTopRight, C::SizeNESW, false}, {ZoneBottomLeft, C::SizeNESW, false},
        {ZoneBandTop, C::ReadTop, true},    {ZoneBandBottom, C::ReadBottom, true},
        {ZoneBandLeft, C::ReadLeft, true},  {ZoneBandRight, C::ReadRight, true},
        {static_cast<RulerZone>(99), C::Default, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(CursorForZone(c.zone), c.cursor) << c.zone;
        // A press in a band drags the window; every other zone reaches the platform as is.
        EXPECT_EQ(PressZone(c.zone), c.band ? ZoneCaption : c.zone) << c.zone;
    }
}

}  // namespace
