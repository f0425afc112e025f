// The resolutions the ruler's images are drawn for.
#pragma once
#include <cstddef>

// The resolutions the ruler's images, the close button's faces and the reading cursors, are
// drawn for (by res/make_resources.py, which reads this list), so that none is ever stretched.
inline constexpr int kDrawnDpis[] = {96, 120, 144, 192};

// Which of them a window at `dpi` uses: the highest not above it, the lowest below all.
constexpr std::size_t DrawnIndexFor(int dpi) {
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < sizeof kDrawnDpis / sizeof kDrawnDpis[0]; ++i) {
        if (kDrawnDpis[i] <= dpi) chosen = i;
    }
    return chosen;
}
