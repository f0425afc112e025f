// Texts between the program's UTF-8 and the system's UTF-16.
#pragma once
#include <string>
#include <string_view>

// `utf8` in UTF-16, as the system's wide functions take it; invalid bytes become U+FFFD.
std::wstring Widened(std::string_view utf8);
// `utf16` in UTF-8, as the program keeps its texts.
std::string Narrowed(std::wstring_view utf16);
