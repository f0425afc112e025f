#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "RecordingCanvas.h"
#include "ruler/HitTest.h"

namespace {

using Zones = std::initializer_list<std::pair<Point, RulerZone>>;

Point Twice(Point p) { return {2 * p.x, 2 * p.y}; }
Rect Twice(const Rect& r) { return {2 * r.left, 2 * r.top, 2 * r.right, 2 * r.bottom}; }

// At 192 dpi every zone is twice as deep: the same places, doubled, give the same zones.
void ExpectZones(const Rect& window, const Rect& button, Zones cases) {
    for (const auto& [at, zone] : cases) {
        EXPECT_EQ(HitTestRuler(at, window, button, 96), zone) << testing::PrintToString(at);
        EXPECT_EQ(HitTestRuler(Twice(at), Twice(window), Twice(button), 192), zone)
            << "at 192 dpi " << testing::PrintToString(Twice(at));
    }
}

// The close button wins, then the corners (8 px), the edges (5 px) and the bands (20 px).
TEST(HitTest, FirstMatchingTestWins) {
    // A ruler 300 by 40 at (100, 100), its close button in the top-right corner zone and band.
    ExpectZones({100, 100, 400, 140}, {380, 105, 392, 118},
                {{{399, 100}, ZoneTopRight}, {{393, 100}, ZoneTopRight}, {{392, 100}, ZoneTop},
                 {{100, 139}, ZoneBottomLeft}, {{107, 107}, ZoneTopLeft}, {{108, 104}, ZoneTop},
                 {{93, 93}, ZoneTopLeft}, {{92, 93}, ZoneCaption}, {{407, 147}, ZoneBottomRight},
                 {{250, 104}, ZoneTop}, {{250, 105}, ZoneBandTop}, {{250, 120}, ZoneBandTop},
                 {{250, 121}, ZoneBandBottom}, {{250, 135}, ZoneBandBottom},
                 {{250, 136}, ZoneBottom}, {{250, 144}, ZoneBottom}, {{250, 145}, ZoneCaption},
                 {{380, 105}, ZoneClient}, {{391, 117}, ZoneClient}, {{392, 117}, ZoneBandTop},
                 {{379, 105}, ZoneBandTop}});
    // A square ruler has an inner caption area between its four bands.
    ExpectZones({0, 0, 300, 300}, {281, 5, 293, 18},
                {{{20, 150}, ZoneBandLeft}, {{21, 150}, ZoneCaption}, {{279, 150}, ZoneCaption},
                 {{280, 150}, ZoneBandRight}, {{150, 20}, ZoneBandTop}, {{150, 21}, ZoneCaption},
                 {{150, 279}, ZoneCaption}, {{150, 280}, ZoneBandBottom}, {{4, 150}, ZoneLeft},
                 {{5, 150}, ZoneBandLeft}, {{296, 150}, ZoneRight}, {{295, 150}, ZoneBandRight},
                 {{285, 6}, ZoneClient}, {{299, 299}, ZoneBottomRight}});
}

TEST(HitTest, CursorAndPressPerZone) {
    using C = ZoneCursor;
    const std::pair<RulerZone, ZoneCursor> cases[] = {
        {ZoneClient, C::Default},   {ZoneCaption, C::Default},    {ZoneLeft, C::SizeWE},
        {ZoneRight, C::SizeWE},     {ZoneTop, C::SizeNS},         {ZoneBottom, C::SizeNS},
        {ZoneTopLeft, C::SizeNWSE}, {ZoneBottomRight, C::SizeNWSE}, {ZoneTopRight, C::SizeNESW},
        {ZoneBottomLeft, C::SizeNESW}, {ZoneBandTop, C::ReadTop}, {ZoneBandBottom, C::ReadBottom},
        {ZoneBandLeft, C::ReadLeft}, {ZoneBandRight, C::ReadRight}, {RulerZone{99}, C::Default}};
    for (const auto& [zone, cursor] : cases) {
        EXPECT_EQ(CursorForZone(zone), cursor) << zone;
        // A press in a band (the negative codes) drags the window; any other zone reaches the
        // platform as it is.
        EXPECT_EQ(PressZone(zone), zone < 0 ? ZoneCaption : zone) << zone;
    }
}

}  // namespace
