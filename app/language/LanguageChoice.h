// Which language a run of the program speaks.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/settings/SettingsCodec.h"

enum class Language { German, English };

// The stored choice that overrides the display language.
constexpr std::string_view kLanguageName = "Sprache";

// The language of a run: the one `stored` names when it is the REG_SZ text "DE" or "EN";
// otherwise German for every German display language (a Windows language id whose primary
// language is German, whatever its region) and English for every other.
Language ChooseLanguage(std::uint16_t displayLanguage, const std::optional<StoredValue>& stored);
