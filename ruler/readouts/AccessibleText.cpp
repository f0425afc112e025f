#include "ruler/readouts/AccessibleText.h"

#include <cstdio>
#include <string_view>

#include "ruler/colour/ColorFormats.h"

namespace {

// The unit of the drawn numbers in words; the centimetre unit's readouts count millimetres.
std::string_view UnitWords(RulerUnit unit) {
    switch (unit) {
    case UnitPixel: return "Pixel";
    case UnitLogical: return "logische Pixel";
    case UnitCentimetre: return "mm";
    case UnitInch: return "Zoll";
    }
    return {};
}

void Append(std::string& value, std::string_view part) {
    if (!value.empty()) value += "; ";
    value += part;
}

}  // namespace

std::string AccessibleValue(const ReadoutTexts& texts, RulerUnit unit, Color color, const ShownReadouts& shown) {
    const std::string words(UnitWords(unit));
    std::string value;
    if (shown.distance) Append(value, "Abstand " + texts.distance + " " + words);
    if (shown.position && texts.position.size() >= 2) {
        std::string position = "Position " + texts.position[0] + ", " + texts.position[1] + " " + words;
        if (texts.position.size() > 2) position += " (" + texts.position[2] + " Pixel)";
        Append(value, position);
    }
    if (shown.color) Append(value, "Farbe " + ColorText(color, ColorFormat::Hex) + " (" + ColorText(color, ColorFormat::Decimal) + ")");
    if (shown.contrast && !texts.contrast.empty()) Append(value, "Kontrast " + texts.contrast);
    return value;
}
