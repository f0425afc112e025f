// Putting a text on the clipboard.
#pragma once
#include <string_view>

#include "platform/system/Win32.h"

// Puts `text` (UTF-8) on the clipboard as Unicode text, on behalf of `owner`; the system
// offers it as ANSI text as well. False, with nothing changed, when another program holds
// the clipboard open or the system refuses the memory: OpenClipboard does not wait, so
// nothing hangs.
bool CopyTextToClipboard(HWND owner, std::string_view text);
