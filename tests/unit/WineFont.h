// The ruler's font as Wine draws it, for tests that need its real widths.
#pragma once
#include <string_view>

#include "ruler/view/TextMeasure.h"

// The 8-point "MS Sans Serif" of the ruler's template at 96, 120, 144 and 192 dpi, as measured
// under Wine with GetTextExtentPoint32 (Wine has no size of the bitmap font beyond 144 dpi's).
// A bitmap font has no kerning: a text is as wide as its characters together. Characters not
// measured count as wide as "W".
class WineFont : public TextMeasure {
public:
    explicit WineFont(int dpi) : m_row(dpi >= 144 ? 2 : dpi >= 120 ? 1 : 0) {}

    int TextWidth(std::string_view text) const override {
        // "×" is two bytes in UTF-8: the first carries its width, the second none.
        constexpr std::string_view kChars = " #%(),-.0123456789:ABCDEFHIPSWZabcdefghijklmnopqrstuvwxyz\xC3\x97";
        constexpr std::string_view kWidths[] = {"37833333666666666637778768377B76666636622628666635366855560",
                                                "37C4434377777777773999A98A399D8887883873373B788847377967670",
                                                "49E5545499999999994BBBCBAC5ABFA998995993383D999958597B77890"};
        int total = 0;
        for (const char c : text) {
            const std::size_t at = kChars.find(c);
            const char w = kWidths[m_row][at == std::string_view::npos ? kChars.find('W') : at];
            total += w <= '9' ? w - '0' : w - 'A' + 10;
        }
        return total;
    }
    int TextHeight() const override { return (int[]){13, 16, 20}[m_row]; }

private:
    int m_row;
};
