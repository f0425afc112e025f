// When a change of a shown value is announced.
#include "base/ChangeThrottle.h"

bool ChangeThrottle::Update(std::string_view value, std::uint32_t now) {
    if (value != m_value) m_value.assign(value);
    return Tick(now);
}

bool ChangeThrottle::Tick(std::uint32_t now) {
    // Unsigned subtraction: the elapsed time is right across a wrap of the count.
    if (m_recent && now - m_announcedAt >= kGapMs) m_recent = false;
    if (m_recent || m_value == m_announced) return false;
    m_announced = m_value;
    m_announcedAt = now;
    m_recent = true;
    return true;
}
