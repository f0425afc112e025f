// What the ruler keeps between runs, and where it keeps it.
#pragma once
#include <cstdint>
#include <optional>

#include "ruler/colour/ColorFormats.h"
#include "ruler/settings/RulerUnit.h"
#include "ruler/placement/WindowPlacement.h"

// The magnifier's factors, as its slider and the wheel offer them.
constexpr int kMinMagnifierFactor = 1;
constexpr int kMaxMagnifierFactor = 20;
// The opacity of the window, from its most transparent, where it still shows, to opaque.
constexpr int kMostTransparent = 20;
constexpr int kOpaque = 255;
// How far two neighbouring pixels' channels may differ within a span, and how Ctrl+wheel sets it.
constexpr int kMaxEdgeTolerance = 255;
constexpr int kEdgeToleranceStep = 4;

// What the ruler keeps between runs.
struct RulerSettings {
    RulerUnit unit = UnitPixel;
    std::int32_t zoom = 100;  // calibrates the centimetre scale; always at least 1
    bool alphaSliderShown = false;
    int magnifierFactor = 2;                     // kMinMagnifierFactor to kMaxMagnifierFactor
    ColorFormat colorFormat = ColorFormat::Hex;  // how Ctrl+C copies a colour
    int opacity = kOpaque;                       // kMostTransparent to kOpaque, set by the transparency slider
    bool spans = false;                          // the span between the edges under the mouse is measured
    int edgeTolerance = 24;                      // 0 to kMaxEdgeTolerance

    friend bool operator==(const RulerSettings& a, const RulerSettings& b) {
        return a.unit == b.unit && a.zoom == b.zoom && a.alphaSliderShown == b.alphaSliderShown &&
               a.magnifierFactor == b.magnifierFactor && a.colorFormat == b.colorFormat && a.opacity == b.opacity &&
               a.spans == b.spans && a.edgeTolerance == b.edgeTolerance;
    }
    friend bool operator!=(const RulerSettings& a, const RulerSettings& b) { return !(a == b); }
};

// Where the settings are kept. The application supplies one; the ruler reads it once and
// hands it every change at once, so a kill or a crash loses nothing. A change writes only the
// values that changed, so that rulers running side by side never undo each other's choices.
class RulerSettingsStore {
public:
    virtual ~RulerSettingsStore() = default;
    // The stored settings; defaults for anything missing or unreadable.
    virtual RulerSettings Load() const = 0;
    // Writes the values of `after` that differ from `before`, and no other. A failure, even
    // running out of memory, only loses the write.
    virtual void SaveChanges(const RulerSettings& before, const RulerSettings& after) noexcept = 0;
    // Where the window was left; none when it never was, or what is stored is unreadable.
    virtual std::optional<StoredPlacement> LoadPlacement() const = 0;
    virtual void SavePlacement(const StoredPlacement& placement) noexcept = 0;
};
