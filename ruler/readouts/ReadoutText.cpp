// The readouts' numbers in each unit.
#include "ruler/readouts/ReadoutText.h"

#include <cstdint>
#include <cstdio>

#include "ruler/colour/ColorFormats.h"
#include "base/DpiScale.h"
#include "ruler/scale/ScaleSeries.h"

namespace {

// Wide enough for any 32-bit integer and for "%.1f" of any offset at a resolution of at
// least 1; snprintf cuts anything longer rather than overrun.
using LineBuffer = char[32];

std::string Decimal(std::int32_t value) {
    LineBuffer text;
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    return text;
}

// "%.1f" keeps the minus sign of a negative value that rounds to zero: -0.04 is "-0.0".
// A resolution of 0 gives the IEEE result ("inf" or "nan"), never a trap.
std::string OneDecimal(double value) {
    LineBuffer text;
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// The offset in the unit's own measure: millimetres, calibrated by the zoom, for centimetres;
// inches for inches.
double InUnit(std::int32_t pixels, const UnitOfMeasure& unit) {
    const double perUnit = MetricsFor(unit.unit, unit.dpi).pixelsPerUnitX;
    return pixels / (unit.unit == UnitCentimetre ? perUnit * unit.zoom / 100.0 : perUnit);
}

// Device pixels as logical pixels, rounded as the logical scale places its marks.
std::string Logical(std::int32_t pixels, int dpi) { return Decimal(Rescaled(pixels, dpi, kBaseDpi)); }

// Modulo 2^32, as the window system's own 32-bit subtraction gives it.
std::int32_t Wrapped(std::int64_t value) { return static_cast<std::int32_t>(value); }

}  // namespace

ReadoutTexts ReadoutTextsFor(const ReadoutSubject& subject, const UnitOfMeasure& unit, bool turned,
                             std::optional<Color> reference) {
    const Point offset = CursorOffset(subject.cursor, subject.windowOrigin);
    ReadoutTexts texts;
    texts.distance = DistanceText(turned ? offset.y : offset.x, unit);
    texts.position = PositionLines(subject.cursor, subject.windowOrigin, unit);
    texts.color = ColorLines(subject.color);
    if (reference) texts.contrast = ContrastText(ContrastRatio(*reference, subject.color));
    texts.span = SpanText(subject.spanX, subject.spanY, unit);
    return texts;
}

Point CursorOffset(Point cursor, Point windowOrigin) {
    return {Wrapped(std::int64_t{cursor.x} - windowOrigin.x), Wrapped(std::int64_t{cursor.y} - windowOrigin.y)};
}

std::vector<std::string> PositionLines(Point cursor, Point windowOrigin, const UnitOfMeasure& unit) {
    const Point offset = CursorOffset(cursor, windowOrigin);
    switch (unit.unit) {
    case UnitPixel: return {Decimal(cursor.x), Decimal(cursor.y)};
    case UnitLogical: return {Logical(offset.x, unit.dpi), Logical(offset.y, unit.dpi), Decimal(offset.x)};
    case UnitCentimetre:
    case UnitInch: return {OneDecimal(InUnit(offset.x, unit)), OneDecimal(InUnit(offset.y, unit)), Decimal(offset.x)};
    }
    return {};
}

std::string DistanceText(int offset, const UnitOfMeasure& unit) {
    switch (unit.unit) {
    case UnitPixel: return Decimal(offset);
    case UnitLogical: return Logical(offset, unit.dpi);
    case UnitCentimetre:
    case UnitInch: return OneDecimal(InUnit(offset, unit));
    }
    return {};
}

std::string SpanText(const PixelRun& x, const PixelRun& y, const UnitOfMeasure& unit) {
    if (x.IsEmpty() && y.IsEmpty()) return {};
    std::string text = DistanceText(x.IsEmpty() ? y.Length() : x.Length(), unit);
    if (!x.IsEmpty() && !y.IsEmpty()) text.append(" \xC3\x97 ").append(DistanceText(y.Length(), unit));  // "×"
    return text;
}

std::array<std::string, 2> ColorLines(Color color) {
    LineBuffer decimal;
    LineBuffer hex;
    std::snprintf(decimal, sizeof decimal, "%03u-%03u-%03u", RedOf(color), GreenOf(color), BlueOf(color));
    std::snprintf(hex, sizeof hex, "%02X-%02X-%02X", RedOf(color), GreenOf(color), BlueOf(color));
    return {decimal, hex};
}

std::string_view UnitSuffix(RulerUnit unit) {
    switch (unit) {
    case UnitPixel: return "px";
    case UnitLogical: return "lpx";
    case UnitCentimetre: return "mm";
    case UnitInch: return "in";
    }
    return {};
}

std::string_view PositionSuffix(RulerUnit unit, std::size_t line) {
    return line < 2 ? UnitSuffix(unit) : UnitSuffix(UnitPixel);
}

std::string WithUnit(std::string_view number, std::string_view suffix) {
    std::string text(number);
    if (!suffix.empty()) text.append(" ").append(suffix);
    return text;
}
