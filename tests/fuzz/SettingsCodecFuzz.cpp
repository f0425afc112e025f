// Reads arbitrary stored values as the settings store would and checks that the result is
// always usable: the first byte is the value's type, the rest its bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/SettingsCodec.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size == 0) return 0;
    const std::uint32_t type = input[0];
    const unsigned char* data = input + 1;
    const std::size_t length = size - 1;

    const std::string text = DecodeSettingText(type, data, length);
    Require(text.size() <= length);
    Require(text.find('\0') == std::string::npos);
    Require(text.empty() || std::memcmp(text.data(), data, text.size()) == 0);

    const std::int32_t value = DecodeSettingInt(type, data, length);
    Require(value == 0 || (type == kRegDword && length == 4));

    const RulerSettings settings = SettingsFromStored(text, text, value);
    Require(settings.zoom >= 1);
    Require(settings.unit >= UnitPixel && settings.unit <= UnitInch);
    Require(settings.alphaSliderShown == (text == "1"));

    // What is written reads back unchanged.
    const auto stored = EncodeSettingText(text);
    Require(DecodeSettingText(kRegSz, stored.data(), stored.size()) == text);
    const auto storedInt = EncodeSettingInt(value);
    Require(DecodeSettingInt(kRegDword, storedInt.data(), storedInt.size()) == value);
    return 0;
}
