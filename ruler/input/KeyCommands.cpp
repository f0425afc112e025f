// What a key does while the ruler has the keyboard.
#include "ruler/input/KeyCommands.h"

namespace {

// Virtual-key codes.
constexpr int kSpace = 0x20, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;

}  // namespace

KeyCommand CommandForKey(int key, bool shift, bool ctrl, bool repeat) {
    if (NudgeKeyFor(key)) return KeyCommand::Nudge;
    if (key == kSpace && !ctrl) return repeat ? KeyCommand::Swallow : KeyCommand::ToggleHold;
    if (key == 'C' && ctrl) return shift ? KeyCommand::CopyMeasure : KeyCommand::CopyColor;
    if (key == 'E' && !ctrl) return KeyCommand::ToggleSpans;
    if (key == 'Z' && !ctrl) return KeyCommand::ZeroAtMouse;
    if (key == 'R' && ctrl) return shift ? KeyCommand::DropReference : KeyCommand::TakeReference;
    return KeyCommand::None;
}

std::optional<NudgeKey> NudgeKeyFor(int key) {
    switch (key) {
    case kLeft: return NudgeKey::Left;
    case kRight: return NudgeKey::Right;
    case kUp: return NudgeKey::Up;
    case kDown: return NudgeKey::Down;
    default: return std::nullopt;
    }
}
