// The readouts in words, for assistive technology.
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

std::string AccessibleValue(const RulerView& view, const TextMeasure& measure) {
    const ReadoutTexts& texts = view.texts;
    const PaneLayout& layout = view.layout;
    const std::string words(UnitWords(view.measure.unit));
    const std::string distance = WithUnit(texts.distance, UnitSuffix(view.measure.unit));
    std::string value;
    if (!DistanceBox(layout, measure.TextWidth(distance)).box.IsEmpty())
        Append(value, "Abstand " + texts.distance + " " + words);
    if (!layout.position.box.IsEmpty() && texts.position.size() >= 2) {
        std::string position = "Position " + texts.position[0] + ", " + texts.position[1] + " " + words;
        if (texts.position.size() > 2) position += " (" + texts.position[2] + " Pixel)";
        Append(value, position);
    }
    const Color color = view.subject.color;
    if (!layout.color.box.IsEmpty())
        Append(value,
               "Farbe " + ColorText(color, ColorFormat::Hex) + " (" + ColorText(color, ColorFormat::Decimal) + ")");
    if (view.reference && !layout.colorWithContrast.box.IsEmpty() && !texts.contrast.empty())
        Append(value, "Kontrast " + texts.contrast);
    const std::string span = WithUnit(texts.span, UnitSuffix(view.measure.unit));
    if (!texts.span.empty() && !SpanBox(layout, measure.TextWidth(span)).box.IsEmpty())
        Append(value, "Spanne " + texts.span + " " + words);
    return value;
}
