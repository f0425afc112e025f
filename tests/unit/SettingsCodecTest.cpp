#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "app/SettingsCodec.h"

namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDwordBigEndian = 5;
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

Bytes Of(std::string_view text) { return Bytes(text.begin(), text.end()); }

struct StoredValue {
    const char* name;
    std::uint32_t type;
    Bytes data;
    std::string text;    // what DecodeSettingText gives
    std::int32_t value;  // what DecodeSettingInt gives
};

void PrintTo(const StoredValue& c, std::ostream* out) { *out << c.name; }

const StoredValue kStoredValues[] = {
    {"Missing", kRegSz, {}, "", 0},
    {"Text", kRegSz, Of(std::string("PIX\0", 4)), "PIX", 0},
    {"TextWithoutNul", kRegSz, Of("INCH"), "INCH", 0},
    {"TextWithEmbeddedNul", kRegSz, Of(std::string("MM\0X\0", 5)), "MM", 0},
    {"OnlyNul", kRegSz, {0}, "", 0},
    {"ExpandableText", kRegExpandSz, Of(std::string("MM\0", 3)), "", 0},
    {"Dword", kRegDword, {150, 0, 0, 0}, "", 150},
    {"DwordLittleEndian", kRegDword, {4, 3, 2, 1}, "", 0x01020304},
    {"DwordNegative", kRegDword, {0xFB, 0xFF, 0xFF, 0xFF}, "", -5},
    {"DwordMinimum", kRegDword, {0, 0, 0, 0x80}, "", kIntMin},
    {"Dword3Bytes", kRegDword, {150, 0, 0}, "", 0},
    {"Dword5Bytes", kRegDword, {150, 0, 0, 0, 0}, "", 0},
    {"Dword16Bytes", kRegDword, Bytes(16, 1), "", 0},
    {"Binary16Bytes", kRegBinary, Bytes(16, 1), "", 0},
    {"Binary4Bytes", kRegBinary, {150, 0, 0, 0}, "", 0},
    {"BigEndianDword", kRegDwordBigEndian, {0, 0, 0, 150}, "", 0},
    {"TextOf4Bytes", kRegSz, Of(std::string("150\0", 4)), "150", 0},
};

class StoredValueDecoding : public testing::TestWithParam<StoredValue> {};

TEST_P(StoredValueDecoding, ReadsOnlyTheRightTypeAndSize) {
    const StoredValue& c = GetParam();
    // An exact-size copy, so a sanitizer catches any read past the value.
    const Bytes data = c.data;
    EXPECT_EQ(DecodeSettingText(c.type, data.data(), data.size()), c.text);
    EXPECT_EQ(DecodeSettingInt(c.type, data.data(), data.size()), c.value);
}

INSTANTIATE_TEST_SUITE_P(Values, StoredValueDecoding, testing::ValuesIn(kStoredValues),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StoredValueDecoding, HugeTextIsBoundedByItsSizeOrFirstNul) {
    Bytes huge(1 << 20, 'A');
    EXPECT_EQ(DecodeSettingText(kRegSz, huge.data(), huge.size()).size(), huge.size());
    huge[kMaxSettingBytes] = 0;
    EXPECT_EQ(DecodeSettingText(kRegSz, huge.data(), huge.size()).size(), kMaxSettingBytes);
    EXPECT_EQ(DecodeSettingText(kRegSz, nullptr, 10), "");
    EXPECT_EQ(DecodeSettingInt(kRegDword, nullptr, 4), 0);
}

struct StoredSettings {
    const char* name;
    std::string slider, unit;
    std::int32_t zoom;
    RulerSettings expected;
};

void PrintTo(const StoredSettings& c, std::ostream* out) { *out << c.name; }

const StoredSettings kStoredSettings[] = {
    {"FirstRun", "", "", 0, {UnitPixel, 100, false}},
    {"LastRun", "1", "INCH", 120, {UnitInch, 120, true}},
    {"Centimetre", "0", "MM", 150, {UnitCentimetre, 150, false}},
    {"Pixel", "0", "PIX", 100, {UnitPixel, 100, false}},
    {"LowerCaseUnit", "1 ", "mm", 100, {UnitPixel, 100, false}},
    {"CentimetreIsNotCm", "true", "CM", 100, {UnitPixel, 100, false}},
    {"NegativeZoom", "", "MM", -5, {UnitCentimetre, 100, false}},
    {"LowestZoom", "", "MM", kIntMin, {UnitCentimetre, 100, false}},
    {"ZoomOutsideDialogRange", "", "", 1, {UnitPixel, 1, false}},
    {"HighestZoom", "", "", kIntMax, {UnitPixel, kIntMax, false}},
};

class SettingsFromStoredValues : public testing::TestWithParam<StoredSettings> {};

TEST_P(SettingsFromStoredValues, FallBackToDefaults) {
    const StoredSettings& c = GetParam();
    const RulerSettings s = SettingsFromStored(c.slider, c.unit, c.zoom);
    EXPECT_EQ(s.unit, c.expected.unit);
    EXPECT_EQ(s.zoom, c.expected.zoom);
    EXPECT_EQ(s.alphaSliderShown, c.expected.alphaSliderShown);
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsFromStoredValues, testing::ValuesIn(kStoredSettings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsEncoding, TextKeepsItsTerminatingNul) {
    EXPECT_EQ(EncodeSettingText("INCH"), (Bytes{'I', 'N', 'C', 'H', 0}));
    EXPECT_EQ(EncodeSettingText(""), (Bytes{0}));
}

TEST(SettingsEncoding, IntIsLowByteFirst) {
    EXPECT_EQ(EncodeSettingInt(0x01020304), (std::array<unsigned char, 4>{4, 3, 2, 1}));
    EXPECT_EQ(EncodeSettingInt(-1), (std::array<unsigned char, 4>{255, 255, 255, 255}));
}

TEST(SettingsEncoding, WrittenSettingsReadBackUnchanged) {
    for (RulerUnit unit : {UnitPixel, UnitCentimetre, UnitInch}) {
        for (bool shown : {false, true}) {
            for (std::int32_t zoom : {1, 120, 500, kIntMax}) {
                const Bytes slider = EncodeSettingText(SliderText(shown));
                const Bytes unitText = EncodeSettingText(*UnitText(unit));
                const auto zoomBytes = EncodeSettingInt(zoom);
                const RulerSettings s = SettingsFromStored(
                    DecodeSettingText(kRegSz, slider.data(), slider.size()),
                    DecodeSettingText(kRegSz, unitText.data(), unitText.size()),
                    DecodeSettingInt(kRegDword, zoomBytes.data(), zoomBytes.size()));
                EXPECT_EQ(s.unit, unit);
                EXPECT_EQ(s.alphaSliderShown, shown);
                EXPECT_EQ(s.zoom, zoom);
            }
        }
    }
    EXPECT_EQ(UnitText(UnitCentimetre), "MM");
    EXPECT_EQ(UnitText(static_cast<RulerUnit>(0)), std::nullopt);
    EXPECT_EQ(UnitText(static_cast<RulerUnit>(4)), std::nullopt);
}

}  // namespace
