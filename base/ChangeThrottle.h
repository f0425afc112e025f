// When a change of a shown value is announced to assistive technology.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Decides when a change of a shown value is announced to assistive technology: at once when
// the last announcement is at least kGapMs old, otherwise at the first tick kGapMs after it,
// so that announcements never come closer than that. A value that went back to the one last
// announced before its turn came is no change and announces nothing; nor does the empty value
// it starts with. Times are 32-bit millisecond counts (GetTickCount) and may wrap around.
class ChangeThrottle {
public:
    static constexpr std::uint32_t kGapMs = 250;

    // The value is now `value` at `now`; true when a change is to be announced now.
    bool Update(std::string_view value, std::uint32_t now);
    // A tick at `now`; true when the change held back is due now.
    bool Tick(std::uint32_t now);
    const std::string& Value() const { return m_value; }

private:
    std::string m_value;
    std::string m_announced;
    std::uint32_t m_announcedAt = 0;
    // An announcement less than kGapMs ago. Cleared by the first call at least kGapMs after
    // it, so that a count that wrapped around since cannot pass for a recent one.
    bool m_recent = false;
};
