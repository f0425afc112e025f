// Finding the run of pixels between two edges along a line of the screen.
#pragma once
#include <cstdint>

// Pixels along one axis, from `begin` up to, not including, `end`: a run of the screen's pixels.
struct PixelRun {
    int begin = 0;
    int end = 0;

    int Length() const { return end - begin; }
    bool IsEmpty() const { return end <= begin; }
    bool Contains(int at) const { return begin <= at && at < end; }
    friend bool operator==(const PixelRun& a, const PixelRun& b) { return a.begin == b.begin && a.end == b.end; }
    friend bool operator!=(const PixelRun& a, const PixelRun& b) { return !(a == b); }
};

// The run of `line` (`length` 32-bit pixels, a channel in each of the three low bytes, in any
// order) that holds its pixel `at`: it grows from `at` one neighbour at a time and stops between
// two neighbours whose colours differ by more than `tolerance` in any one channel, or at the
// line's ends. A gradient whose neighbours differ by no more than the tolerance is walked through
// to the edge beyond it; a one-pixel line of another colour is an edge. Indices from 0; empty
// when `at` lies outside the line.
PixelRun RunAround(const std::uint32_t* line, int length, int at, int tolerance);

// How far a run through `at` may reach along a line of the screen: the extent of the monitor
// under it, cut where the ruler's window stands on the line (it hides what lies under it). Empty
// when `at` lies on the window or off the monitor.
PixelRun Reach(int at, const PixelRun& monitor, const PixelRun& window);
