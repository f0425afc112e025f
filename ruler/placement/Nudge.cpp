// Moving and sizing the ruler with the arrow keys.
#include "ruler/placement/Nudge.h"

#include <algorithm>
#include <cstdint>

namespace {

// A length after growing by `step` (negative: shrinking, down to `minimum` at most).
int Resized(int length, int step, int minimum) {
    const std::int64_t wanted = std::int64_t{length} + step;
    return ClampToInt(step >= 0 ? wanted : std::max<std::int64_t>(wanted, std::min(length, minimum)));
}

int Shifted(int coordinate, int step) { return ClampToInt(std::int64_t{coordinate} + step); }

}  // namespace

Rect ZeroedWindowRect(const Rect& window, Point mouse) {
    const bool turned = window.Height() > window.Width();
    const int dx = turned ? 0 : ClampToInt(std::int64_t{mouse.x} - window.left);
    const int dy = turned ? ClampToInt(std::int64_t{mouse.y} - window.top) : 0;
    return {Shifted(window.left, dx), Shifted(window.top, dy), Shifted(window.right, dx), Shifted(window.bottom, dy)};
}

Rect NudgedWindowRect(const Rect& window, NudgeKey key, bool shift, bool ctrl, Point minimumSize) {
    const int step = shift ? 10 : 1;
    const bool horizontal = key == NudgeKey::Left || key == NudgeKey::Right;
    const int signedStep = key == NudgeKey::Left || key == NudgeKey::Up ? -step : step;
    const int dx = horizontal ? signedStep : 0;
    const int dy = horizontal ? 0 : signedStep;
    if (!ctrl) {
        return {Shifted(window.left, dx), Shifted(window.top, dy), Shifted(window.right, dx),
                Shifted(window.bottom, dy)};
    }
    Rect resized = window;
    if (horizontal) {
        resized.right = Shifted(window.left, Resized(window.Width(), dx, minimumSize.x));
    } else {
        resized.bottom = Shifted(window.top, Resized(window.Height(), dy, minimumSize.y));
    }
    return resized;
}
