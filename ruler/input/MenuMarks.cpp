// The context menu's rules: its check marks and what its commands do.
#include "ruler/input/MenuMarks.h"

#include <array>
#include <optional>

#include "res/resource.h"

namespace {

struct CommandValue {
    int command;
    std::int32_t value;
};

constexpr std::array<CommandValue, 4> kUnitCommands{{
    {ID_UNIT_CM, UnitCentimetre},
    {ID_UNIT_PIXEL, UnitPixel},
    {ID_UNIT_DIP, UnitLogical},
    {ID_UNIT_INCH, UnitInch},
}};

constexpr std::array<CommandValue, 4> kZoomPresets{{
    {ID_ZOOM_100, 100},
    {ID_ZOOM_120, 120},
    {ID_ZOOM_150, 150},
    {ID_ZOOM_75, 75},
}};

constexpr std::array<CommandValue, 5> kColorFormats{{
    {ID_COPY_HEX, static_cast<std::int32_t>(ColorFormat::Hex)},
    {ID_COPY_HEX_BARE, static_cast<std::int32_t>(ColorFormat::HexBare)},
    {ID_COPY_RGB, static_cast<std::int32_t>(ColorFormat::Rgb)},
    {ID_COPY_HSL, static_cast<std::int32_t>(ColorFormat::Hsl)},
    {ID_COPY_DECIMAL, static_cast<std::int32_t>(ColorFormat::Decimal)},
}};

template <std::size_t N>
std::optional<int> CommandFor(const std::array<CommandValue, N>& table, std::int32_t value) {
    for (const CommandValue& entry : table) {
        if (entry.value == value) return entry.command;
    }
    return std::nullopt;
}

template <std::size_t N>
std::optional<std::int32_t> ValueFor(const std::array<CommandValue, N>& table, int command) {
    for (const CommandValue& entry : table) {
        if (entry.command == command) return entry.value;
    }
    return std::nullopt;
}

}  // namespace

std::vector<int> CheckedCommands(const RulerSettings& settings) {
    std::vector<int> commands;
    if (const auto unit = CommandFor(kUnitCommands, settings.unit)) commands.push_back(*unit);
    if (settings.alphaSliderShown) commands.push_back(ID_TRANSPARENT);
    commands.push_back(CommandFor(kZoomPresets, settings.zoom).value_or(ID_ZOOM_OTHER));
    if (const auto format = CommandFor(kColorFormats, static_cast<std::int32_t>(settings.colorFormat)))
        commands.push_back(*format);
    if (settings.spans) commands.push_back(ID_EDGES);
    return commands;
}

bool ZoomMenuEnabled(RulerUnit unit) { return unit == UnitCentimetre; }

MenuFollowUp ApplyMenuCommand(RulerSettings& settings, int command) {
    if (const auto unit = ValueFor(kUnitCommands, command)) {
        settings.unit = static_cast<RulerUnit>(*unit);
        return MenuFollowUp::None;
    }
    if (const auto zoom = ValueFor(kZoomPresets, command)) {
        settings.zoom = *zoom;
        return MenuFollowUp::None;
    }
    if (const auto format = ValueFor(kColorFormats, command)) {
        settings.colorFormat = static_cast<ColorFormat>(*format);
        return MenuFollowUp::None;
    }
    if (command == ID_TRANSPARENT) settings.alphaSliderShown = !settings.alphaSliderShown;
    if (command == ID_EDGES) settings.spans = !settings.spans;
    if (command == ID_ZOOM_OTHER) return MenuFollowUp::RunZoomDialog;
    return MenuFollowUp::None;
}

void ApplyZoomDialogResult(RulerSettings& settings, bool endedWithOk, std::int32_t percent) {
    // The dialog hands back no zoom below 1; should one ever come, the scale keeps its zoom.
    if (endedWithOk && percent >= 1) settings.zoom = percent;
}
