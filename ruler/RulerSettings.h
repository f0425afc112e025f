#pragma once
#include <cstdint>

#include "ruler/ColorFormats.h"
#include "ruler/RulerUnit.h"
#include "ruler/WindowPlacement.h"

// The magnifier's factors, as its slider and the wheel offer them.
constexpr int kMinMagnifierFactor = 1;
constexpr int kMaxMagnifierFactor = 20;

// What the ruler keeps between runs.
struct RulerSettings {
    RulerUnit unit = UnitPixel;
    std::int32_t zoom = 100;  // calibrates the centimetre scale; always at least 1
    bool alphaSliderShown = false;
    int magnifierFactor = 2;  // kMinMagnifierFactor to kMaxMagnifierFactor
    ColorFormat colorFormat = ColorFormat::Hex;  // how Ctrl+C copies a colour

    friend bool operator==(const RulerSettings& a, const RulerSettings& b) {
        return a.unit == b.unit && a.zoom == b.zoom && a.alphaSliderShown == b.alphaSliderShown &&
               a.magnifierFactor == b.magnifierFactor && a.colorFormat == b.colorFormat;
    }
    friend bool operator!=(const RulerSettings& a, const RulerSettings& b) { return !(a == b); }
};

// Where the settings are kept. The application supplies one; the ruler reads it once and
// hands it every change at once, so a kill or a crash loses nothing.
class RulerSettingsStore {
public:
    virtual ~RulerSettingsStore() = default;
    // The stored settings; defaults for anything missing or unreadable.
    virtual RulerSettings Load() const = 0;
    // A failure, even running out of memory, only loses the write.
    virtual void Save(const RulerSettings& settings) noexcept = 0;
    // Where the window was left; none when it never was, or what is stored is unreadable.
    virtual std::optional<StoredPlacement> LoadPlacement() const = 0;
    virtual void SavePlacement(const StoredPlacement& placement) noexcept = 0;
};
