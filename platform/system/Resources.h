// The program's own resources, in the language chosen for the run.
#pragma once
#include <string>

#include "platform/system/Win32.h"

// Takes every resource from now on in `language` where the program has it in that language and
// in the language it has otherwise. Called once at start, before any window is made.
void UseResourceLanguage(LANGID language);
// The resource `id` of `type` (RT_MENU, RT_DIALOG), valid for the whole run; null when the
// program has none.
const void* ResourceData(LPCWSTR type, int id);
// The string `id` of the string table; empty when the program has none.
std::wstring ResourceString(int id);
