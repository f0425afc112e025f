// Tests of the choice of the language a run speaks.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/language/LanguageChoice.h"

namespace {

constexpr std::uint16_t kGermanGermany = 0x0407, kEnglishUs = 0x0409;

StoredValue Bytes(std::uint32_t type, const std::string& bytes) { return {type, {bytes.begin(), bytes.end()}}; }

// Every German display language, whatever its region, gives German, every other English; the
// region bits above the primary language's ten never make one German.
TEST(LanguageChoice, GermanForEveryGermanDisplayLanguageEnglishForEveryOther) {
    for (const std::uint16_t german : {0x0407, 0x0807, 0x0C07, 0x1007, 0x1407, 0x0007})
        EXPECT_EQ(ChooseLanguage(german, std::nullopt), Language::German) << std::hex << german;
    for (const std::uint16_t other : {0x0409, 0x0809, 0x040C, 0x0413, 0x0000, 0x0507, 0x0C00})
        EXPECT_EQ(ChooseLanguage(other, std::nullopt), Language::English) << std::hex << other;
}

// "Sprache" overrides the display language when it names a language as text, with or without its
// NUL; any other text, type or size is ignored.
TEST(LanguageChoice, SpracheOverridesOnlyWhenItIsDeOrEnAsText) {
    EXPECT_EQ(ChooseLanguage(kGermanGermany, Bytes(kRegSz, std::string("EN", 3))), Language::English);
    EXPECT_EQ(ChooseLanguage(kEnglishUs, Bytes(kRegSz, std::string("DE", 3))), Language::German);
    EXPECT_EQ(ChooseLanguage(kEnglishUs, Bytes(kRegSz, "DE")), Language::German);
    for (const StoredValue& ignored :
         {Bytes(kRegSz, std::string("en", 3)), Bytes(kRegSz, std::string("EN ", 4)), Bytes(kRegSz, "ENGLISH"),
          Bytes(kRegSz, ""), Bytes(kRegSz, std::string("\0EN", 4)), Bytes(2, std::string("EN", 3)), Bytes(3, "EN"),
          EncodeSettingInt(1), EncodeSettingInt(0x4E45), Bytes(kRegDword, "EN")}) {
        EXPECT_EQ(ChooseLanguage(kGermanGermany, ignored), Language::German);
        EXPECT_EQ(ChooseLanguage(kEnglishUs, ignored), Language::English);
    }
}

}  // namespace
