// The readouts in words, for assistive technology.
#include "ruler/readouts/AccessibleText.h"

#include <string_view>

#include "ruler/colour/ColorFormats.h"

namespace {

const std::string& UnitWords(const AccessibleWords& words, RulerUnit unit) {
    switch (unit) {
    case UnitLogical: return words.logicalPixels;
    case UnitCentimetre: return words.millimetres;
    case UnitInch: return words.inches;
    default: return words.pixels;
    }
}

void Append(std::string& value, std::string_view part) {
    if (!value.empty()) value += "; ";
    value += part;
}

}  // namespace

std::string AccessibleValue(const RulerView& view, const TextMeasure& measure, const AccessibleWords& words) {
    const ReadoutTexts& texts = view.texts;
    const PaneLayout& layout = view.layout;
    const std::string& unit = UnitWords(words, view.measure.unit);
    const std::string distance = WithUnit(texts.distance, UnitSuffix(view.measure.unit));
    std::string value;
    if (!DistanceBox(layout, measure.TextWidth(distance)).box.IsEmpty())
        Append(value, words.distance + " " + texts.distance + " " + unit);
    if (!layout.position.box.IsEmpty() && texts.position.size() >= 2) {
        std::string position = words.position + " " + texts.position[0] + ", " + texts.position[1] + " " + unit;
        if (texts.position.size() > 2) position += " (" + texts.position[2] + " " + words.pixels + ")";
        Append(value, position);
    }
    const Color color = view.subject.color;
    if (!layout.color.box.IsEmpty())
        Append(value, words.color + " " + ColorText(color, ColorFormat::Hex) + " (" +
                          ColorText(color, ColorFormat::Decimal) + ")");
    if (view.reference && !layout.colorWithContrast.box.IsEmpty() && !texts.contrast.empty())
        Append(value, words.contrast + " " + texts.contrast);
    const std::string span = WithUnit(texts.span, UnitSuffix(view.measure.unit));
    if (!texts.span.empty() && !SpanBox(layout, measure.TextWidth(span)).box.IsEmpty())
        Append(value, words.span + " " + texts.span + " " + unit);
    return value;
}
