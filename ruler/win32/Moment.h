// A moment for which something is shown, by the system's tick count.
#pragma once
#include <cstdint>

#include "platform/system/Win32.h"

// A moment of 1.5 s, started anew by Start; it wraps with the 32-bit tick count.
class CMoment {
public:
    void Start() { m_start = ::GetTickCount(), m_on = true; }
    bool IsOn() const { return m_on; }
    // Once the moment is over: true the first time it is asked after that.
    bool Expired() {
        if (!m_on || ::GetTickCount() - m_start < kLengthMs) return false;
        m_on = false;
        return true;
    }

private:
    static constexpr std::uint32_t kLengthMs = 1500;
    std::uint32_t m_start = 0;
    bool m_on = false;
};
