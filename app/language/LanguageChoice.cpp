// Which language a run of the program speaks.
#include "app/language/LanguageChoice.h"

#include <string>

namespace {

// A Windows language id holds its primary language in the low ten bits, its region above.
constexpr std::uint16_t kPrimaryLanguageBits = 0x3FF;
constexpr std::uint16_t kPrimaryGerman = 0x07;

std::optional<Language> Named(const std::optional<StoredValue>& stored) {
    if (!stored) return std::nullopt;
    const std::string text = DecodeSettingText(*stored);  // empty for any type but REG_SZ
    if (text == "DE") return Language::German;
    if (text == "EN") return Language::English;
    return std::nullopt;
}

}  // namespace

Language ChooseLanguage(std::uint16_t displayLanguage, const std::optional<StoredValue>& stored) {
    if (const auto named = Named(stored)) return *named;
    return (displayLanguage & kPrimaryLanguageBits) == kPrimaryGerman ? Language::German : Language::English;
}
