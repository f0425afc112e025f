#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "res/resource.h"
#include "ruler/MenuMarks.h"

namespace {

using F = MenuFollowUp;

std::vector<int> Sorted(std::vector<int> ids) {
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::vector<int> Marked(const RulerSettings& settings) { return Sorted(CheckedCommands(settings)); }
auto Tied(const RulerSettings& s) { return std::tuple(s.unit, s.zoom, s.alphaSliderShown); }

TEST(MenuMarks, MarkUnitSliderAndZoomPresetOrOtherAndEnableZoomForCentimetres) {
    const struct { RulerSettings settings; std::vector<int> marked; } cases[] = {
        {{UnitPixel, 100, false}, {ID_UNIT_PIXEL, ID_ZOOM_100}},
        {{UnitInch, 120, true}, {ID_UNIT_INCH, ID_TRANSPARENT, ID_ZOOM_120}},
        {{UnitCentimetre, 75, true}, {ID_UNIT_CM, ID_TRANSPARENT, ID_ZOOM_75}},
        {{UnitCentimetre, 150, false}, {ID_UNIT_CM, ID_ZOOM_150}},
        {{RulerUnit{0}, 100, false}, {ID_ZOOM_100}},
        {{RulerUnit{4}, 100, false}, {ID_ZOOM_100}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Marked(c.settings), Sorted(c.marked))
            << c.settings.unit << ' ' << c.settings.zoom << ' ' << c.settings.alphaSliderShown;
    }
    // Every zoom without a preset of its own marks "andere", the neighbours of presets too.
    for (std::int32_t zoom : {110, 74, 76, 151, 0, -100}) {
        EXPECT_EQ(Marked({UnitCentimetre, zoom, false}), Sorted({ID_UNIT_CM, ID_ZOOM_OTHER}))
            << zoom;
    }
    // The "Zoom" submenu opens only for centimetres, the scale the zoom acts on.
    EXPECT_EQ(kZoomMenuPosition, 5);
    EXPECT_TRUE(ZoomMenuEnabled(UnitCentimetre));
    for (int unit : {0, 1, 3, 4, -2}) EXPECT_FALSE(ZoomMenuEnabled(RulerUnit{unit})) << unit;
}

TEST(MenuMarks, CommandsChangeSettingsAndTellWhatIsLeftToDo) {
    const RulerSettings start{UnitInch, 110, false};
    const struct { int command; RulerSettings after; F followUp = F::None; } cases[] = {
        {ID_UNIT_CM, {UnitCentimetre, 110, false}}, {ID_UNIT_PIXEL, {UnitPixel, 110, false}},
        {ID_UNIT_INCH, {UnitInch, 110, false}},     {ID_ZOOM_100, {UnitInch, 100, false}},
        {ID_ZOOM_120, {UnitInch, 120, false}},      {ID_ZOOM_150, {UnitInch, 150, false}},
        {ID_ZOOM_75, {UnitInch, 75, false}},        {ID_ZOOM_OTHER, start, F::RunZoomDialog},
        {0, start}, {ID_UNIT_CM - 1, start}, {ID_ZOOM_OTHER + 1, start},  // 0: menu dismissed
    };
    for (const auto& c : cases) {
        RulerSettings settings = start;
        EXPECT_EQ(ApplyMenuCommand(settings, c.command), c.followUp) << c.command;
        EXPECT_EQ(Tied(settings), Tied(c.after)) << c.command;
    }
}

TEST(MenuMarks, TransparentTogglesAndTheDialogsNumberCountsOnlyAfterOk) {
    RulerSettings settings{UnitCentimetre, 110, true};
    EXPECT_EQ(ApplyMenuCommand(settings, ID_TRANSPARENT), F::HideAlphaSlider);
    EXPECT_EQ(Tied(settings), std::tuple(UnitCentimetre, 110, false));
    EXPECT_EQ(ApplyMenuCommand(settings, ID_TRANSPARENT), F::ShowAlphaSlider);
    EXPECT_EQ(Tied(settings), std::tuple(UnitCentimetre, 110, true));
    ApplyZoomDialogResult(settings, false, 150);
    EXPECT_EQ(settings.zoom, 110);
    ApplyZoomDialogResult(settings, true, 0);
    EXPECT_EQ(settings.zoom, 110) << "a zoom below 1 never reaches the scale";
    ApplyZoomDialogResult(settings, true, 150);
    EXPECT_EQ(Marked(settings), Sorted({ID_UNIT_CM, ID_TRANSPARENT, ID_ZOOM_150}));
}

}  // namespace
