// Whole notches from the mouse wheel's deltas.
#pragma once

// Turns the wheel's deltas into whole notches: 120 units each, the rest kept for the next
// delta, so a fine-grained wheel steps as often as a notched one.
class WheelSteps {
public:
    // Notches turned with this delta: positive away from the user.
    int Steps(int delta) {
        m_rest += delta;
        const int steps = m_rest / kNotch;
        m_rest -= steps * kNotch;
        return steps;
    }

private:
    static constexpr int kNotch = 120;
    int m_rest = 0;
};
