#pragma once

#include "core/command_text.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Up to 16 DTMF digits (0-15), shown as "0123456789ABCDEF"; "*" reads as E and "#" as F.
class CDtmfDigits
{
public:
    static constexpr int kMaxDigits = 16;

    void SetText(std::string_view text);
    std::string GetText() const;
    void SetCount(long long count);
    int GetCount() const { return m_count; }
    uint8_t Digit(int i) const { return m_digits[static_cast<size_t>(i)]; }
    void SetDigit(int i, uint8_t value) { m_digits[static_cast<size_t>(i)] = value & 0x0F; }

    std::string Execute(CCommandCursor& cursor);

private:
    std::array<uint8_t, kMaxDigits> m_digits{};
    int m_count = 0;
};
