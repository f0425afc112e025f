// What a key does while the ruler has the keyboard.
#pragma once
#include <optional>

#include "ruler/placement/Nudge.h"

// What a key does while the ruler itself has the keyboard.
enum class KeyCommand {
    None,           // the dialog manager's own business
    Nudge,          // the arrow keys move or resize the ruler
    CopyColor,      // Ctrl+C
    ToggleHold,     // Space, not its repeats: hold the readouts and the picture, or let go
    TakeReference,  // Ctrl+R
    DropReference,  // Ctrl+Shift+R
    CopyMeasure,    // Ctrl+Shift+C: the span, or the distance
    ToggleSpans,    // E: measure the span under the mouse, or stop
    ZeroAtMouse,    // Z: the zero edge to the mouse's pixel
    Swallow,        // a repeat of Space: nothing
};

// The command of virtual-key code `key` (as the system numbers keys) with the modifiers
// held; `repeat` tells an auto-repeat of a key held down.
KeyCommand CommandForKey(int key, bool shift, bool ctrl, bool repeat);
// The arrow of an arrow key.
std::optional<NudgeKey> NudgeKeyFor(int key);
