// Texts between the program's UTF-8 and the system's UTF-16.
#include "platform/system/Unicode.h"

#include <algorithm>

#include "platform/system/Win32.h"

std::wstring Widened(std::string_view utf8) {
    std::wstring wide(utf8.size(), L'\0');  // never more UTF-16 units than UTF-8 bytes
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                                             static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(std::max(0, length)));
    return wide;
}

std::string Narrowed(std::wstring_view utf16) {
    const int size = static_cast<int>(utf16.size());
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(0, length)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}
