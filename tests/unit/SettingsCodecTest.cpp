#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "app/SettingsCodec.h"

namespace {

using namespace std::string_view_literals;
using Bytes = std::vector<unsigned char>;
using Four = std::array<unsigned char, 4>;

constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDwordBigEndian = 5;
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

Bytes Of(std::string_view text) { return Bytes(text.begin(), text.end()); }
std::string ReadText(const Bytes& b) { return DecodeSettingText(kRegSz, b.data(), b.size()); }
auto Tied(const RulerSettings& s) { return std::tuple(s.unit, s.zoom, s.alphaSliderShown); }

TEST(SettingsCodec, ReadsOnlyTheRightTypeAndSizeAndWritesTextsWithTheirNul) {
    const struct { std::uint32_t type; Bytes data; const char* text; int value; } cases[] = {
        // REG_SZ up to the first NUL, or whole without one; never as a number.
        {kRegSz, {}, "", 0}, {kRegSz, Of("PIX\0"sv), "PIX", 0}, {kRegSz, Of("INCH"), "INCH", 0},
        {kRegSz, Of("MM\0X\0"sv), "MM", 0}, {kRegSz, {0}, "", 0}, {kRegSz, Of("150\0"sv), "150", 0},
        // REG_DWORD of exactly 4 bytes, low byte first.
        {kRegDword, {150, 0, 0, 0}, "", 150}, {kRegDword, {4, 3, 2, 1}, "", 0x01020304},
        {kRegDword, {0xFB, 0xFF, 0xFF, 0xFF}, "", -5}, {kRegDword, {0, 0, 0, 0x80}, "", kIntMin},
        {kRegDword, {150, 0, 0}, "", 0}, {kRegDword, {150, 0, 0, 0, 0}, "", 0},
        {kRegDword, Bytes(16, 1), "", 0},
        // Other types.
        {kRegExpandSz, Of("MM\0"sv), "", 0}, {kRegBinary, Bytes(16, 1), "", 0},
        {kRegBinary, {150, 0, 0, 0}, "", 0}, {kRegDwordBigEndian, {0, 0, 0, 150}, "", 0},
    };
    for (const auto& c : cases) {
        const Bytes data = c.data;  // an exact-size copy: a sanitizer catches any read past it
        SCOPED_TRACE(testing::Message() << c.type << ' ' << testing::PrintToString(data));
        EXPECT_EQ(DecodeSettingText(c.type, data.data(), data.size()), c.text);
        EXPECT_EQ(DecodeSettingInt(c.type, data.data(), data.size()), c.value);
    }
    // A huge text is bounded by its size or its first NUL.
    Bytes huge(1 << 20, 'A');
    EXPECT_EQ(ReadText(huge).size(), huge.size());
    huge[kMaxSettingBytes] = 0;
    EXPECT_EQ(ReadText(huge).size(), kMaxSettingBytes);
    EXPECT_EQ(DecodeSettingText(kRegSz, nullptr, 10), "");
    EXPECT_EQ(DecodeSettingInt(kRegDword, nullptr, 4), 0);
    // Written: a text with its terminating NUL, an integer in 4 bytes, low byte first.
    EXPECT_EQ(EncodeSettingText("INCH"), Of("INCH\0"sv));
    EXPECT_EQ(EncodeSettingText(""), Bytes{0});
    EXPECT_EQ(EncodeSettingInt(0x01020304), (Four{4, 3, 2, 1}));
    EXPECT_EQ(EncodeSettingInt(-1), (Four{255, 255, 255, 255}));
}

TEST(SettingsCodec, SettingsFallBackToDefaultsAndReadBackAsWritten) {
    const struct { const char *slider, *unit; int zoom; RulerSettings expected; } cases[] = {
        {"", "", 0, {UnitPixel, 100, false}},  // the first run
        {"1", "INCH", 120, {UnitInch, 120, true}},
        {"0", "MM", 150, {UnitCentimetre, 150, false}},
        {"0", "PIX", 100, {UnitPixel, 100, false}},
        {"1 ", "mm", 100, {UnitPixel, 100, false}},
        {"true", "CM", 100, {UnitPixel, 100, false}},
        {"", "MM", -5, {UnitCentimetre, 100, false}},
        {"", "MM", kIntMin, {UnitCentimetre, 100, false}},
        {"", "", 1, {UnitPixel, 1, false}},  // below the dialog's range, still usable
        {"", "", kIntMax, {UnitPixel, kIntMax, false}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Tied(SettingsFromStored(c.slider, c.unit, c.zoom)), Tied(c.expected))
            << '"' << c.slider << "\" \"" << c.unit << "\" " << c.zoom;
    }
    // The texts written at shutdown read back as the same settings.
    for (RulerUnit unit : {UnitPixel, UnitCentimetre, UnitInch}) {
        for (bool shown : {false, true}) {
            const RulerSettings s = SettingsFromStored(SliderText(shown), *UnitText(unit), 120);
            EXPECT_EQ(Tied(s), std::tuple(unit, 120, shown));
        }
    }
    EXPECT_EQ(UnitText(RulerUnit{0}), std::nullopt);
    EXPECT_EQ(UnitText(RulerUnit{4}), std::nullopt);
}

}  // namespace
