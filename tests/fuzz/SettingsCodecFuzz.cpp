// Reads arbitrary stored values as the settings store would (the first byte is the value's
// type, the rest its bytes) and aborts unless the result is usable: a text within the value,
// up to its first NUL; a number only from a 4-byte REG_DWORD; settings the ruler can use;
// and what is written reads back unchanged.
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/SettingsCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size == 0) return 0;
    const std::string text = DecodeSettingText(input[0], input + 1, size - 1);
    const std::int32_t value = DecodeSettingInt(input[0], input + 1, size - 1);
    const RulerSettings settings = SettingsFromStored({text, text, value, value, text});
    const auto storedText = EncodeSettingText(text);
    const auto storedInt = EncodeSettingInt(value);
    if (text.size() >= size || text.find('\0') != std::string::npos || std::memcmp(text.data(), input + 1, text.size()) != 0 ||
        (value != 0 && (input[0] != kRegDword || size != 5)) || settings.zoom < 1 || settings.magnifierFactor < kMinMagnifierFactor || settings.magnifierFactor > kMaxMagnifierFactor || settings.unit < UnitPixel ||
        settings.unit > UnitLogical || settings.alphaSliderShown != (text == "1") ||
        DecodeSettingText(kRegSz, storedText.data(), storedText.size()) != text ||
        DecodeSettingInt(kRegDword, storedInt.data(), storedInt.size()) != value)
        std::abort();
    return 0;
}
