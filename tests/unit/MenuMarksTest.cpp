#include <gtest/gtest.h>

#include <algorithm>

#include "res/resource.h"
#include "ruler/MenuMarks.h"

namespace {

std::vector<int> Sorted(std::vector<int> ids) {
    std::sort(ids.begin(), ids.end());
    return ids;
}

}  // namespace

TEST(MenuMarks, MarksUnitSliderAndZoomPresetOrOther) {
    const struct {
        RulerUnit unit;
        std::int32_t zoom;
        bool shown;
        std::vector<int> marked;
    } cases[] = {
        {UnitPixel, 100, false, {ID_UNIT_PIXEL, ID_ZOOM_100}},
        {UnitCentimetre, 110, false, {ID_UNIT_CM, ID_ZOOM_OTHER}},
        {UnitInch, 120, true, {ID_UNIT_INCH, ID_TRANSPARENT, ID_ZOOM_120}},
        {UnitCentimetre, 75, true, {ID_UNIT_CM, ID_TRANSPARENT, ID_ZOOM_75}},
        {UnitCentimetre, 150, false, {ID_UNIT_CM, ID_ZOOM_150}},
        {UnitCentimetre, 74, false, {ID_UNIT_CM, ID_ZOOM_OTHER}},
        {UnitCentimetre, 76, false, {ID_UNIT_CM, ID_ZOOM_OTHER}},
        {UnitCentimetre, 151, false, {ID_UNIT_CM, ID_ZOOM_OTHER}},
        {UnitCentimetre, 0, false, {ID_UNIT_CM, ID_ZOOM_OTHER}},
        {UnitCentimetre, -100, false, {ID_UNIT_CM, ID_ZOOM_OTHER}},
        {static_cast<RulerUnit>(0), 100, false, {ID_ZOOM_100}},
        {static_cast<RulerUnit>(4), 100, false, {ID_ZOOM_100}},
    };
    for (const auto& c : cases) {
        const RulerSettings settings{c.unit, c.zoom, c.shown};
        EXPECT_EQ(Sorted(CheckedCommands(settings)), Sorted(c.marked))
            << "unit " << c.unit << " zoom " << c.zoom;
    }
}

TEST(MenuMarks, ZoomSubmenuOpensOnlyForCentimetres) {
    EXPECT_EQ(kZoomMenuPosition, 5);
    EXPECT_TRUE(ZoomMenuEnabled(UnitCentimetre));
    for (int unit : {0, 1, 3, 4, -2}) EXPECT_FALSE(ZoomMenuEnabled(static_cast<RulerUnit>(unit)));
}

TEST(MenuMarks, CommandsChangeSettingsAndTellWhatIsLeftToDo) {
    const RulerSettings start{UnitInch, 110, false};
    const struct {
        int command;
        RulerSettings after;
        MenuFollowUp followUp;
    } cases[] = {
        {ID_UNIT_CM, {UnitCentimetre, 110, false}, MenuFollowUp::None},
        {ID_UNIT_PIXEL, {UnitPixel, 110, false}, MenuFollowUp::None},
        {ID_UNIT_INCH, {UnitInch, 110, false}, MenuFollowUp::None},
        {ID_TRANSPARENT, {UnitInch, 110, true}, MenuFollowUp::ShowAlphaSlider},
        {ID_ZOOM_100, {UnitInch, 100, false}, MenuFollowUp::None},
        {ID_ZOOM_120, {UnitInch, 120, false}, MenuFollowUp::None},
        {ID_ZOOM_150, {UnitInch, 150, false}, MenuFollowUp::None},
        {ID_ZOOM_75, {UnitInch, 75, false}, MenuFollowUp::None},
        {ID_ZOOM_OTHER, {UnitInch, 110, false}, MenuFollowUp::RunZoomDialog},
        {0, {UnitInch, 110, false}, MenuFollowUp::None},
        {ID_UNIT_CM - 1, {UnitInch, 110, false}, MenuFollowUp::None},
        {ID_ZOOM_OTHER + 1, {UnitInch, 110, false}, MenuFollowUp::None},
    };
    for (const auto& c : cases) {
        RulerSettings settings = start;
        EXPECT_EQ(ApplyMenuCommand(settings, c.command), c.followUp) << c.command;
        EXPECT_EQ(settings.unit, c.after.unit) << c.command;
        EXPECT_EQ(settings.zoom, c.after.zoom) << c.command;
        EXPECT_EQ(settings.alphaSliderShown, c.after.alphaSliderShown) << c.command;
    }
}

TEST(MenuMarks, TransparentTogglesAndChosenPresetIsMarkedNextTime) {
    RulerSettings settings{UnitCentimetre, 110, true};
    EXPECT_EQ(ApplyMenuCommand(settings, ID_TRANSPARENT), MenuFollowUp::HideAlphaSlider);
    EXPECT_FALSE(settings.alphaSliderShown);
    EXPECT_EQ(ApplyMenuCommand(settings, ID_TRANSPARENT), MenuFollowUp::ShowAlphaSlider);
    EXPECT_TRUE(settings.alphaSliderShown);

    ApplyMenuCommand(settings, ID_ZOOM_75);
    EXPECT_EQ(Sorted(CheckedCommands(settings)),
              Sorted({ID_UNIT_CM, ID_TRANSPARENT, ID_ZOOM_75}));

    // "andere": the dialog's number counts only after OK; 150 there marks "150%".
    ApplyZoomDialogResult(settings, false, 150);
    EXPECT_EQ(settings.zoom, 75);
    ApplyZoomDialogResult(settings, true, 150);
    EXPECT_EQ(Sorted(CheckedCommands(settings)),
              Sorted({ID_UNIT_CM, ID_TRANSPARENT, ID_ZOOM_150}));
}
