#pragma once

#include "core/command_text.h"

#include <cstdint>
#include <string>
#include <string_view>

// A frequency in hertz, never negative; text in MHz with four decimals ("145.0125").
class CFrequencyValue
{
public:
    static constexpr int32_t kMaxHz = 2'000'000'000;

    void Set(int64_t hertz);
    int32_t Get() const { return m_value; }
    // Reads a decimal number of MHz; a text that does not start with a number keeps the value.
    bool SetText(std::string_view text);
    std::string GetText() const;
    static std::string FormatMHz(int32_t hertz);

    std::string Execute(CCommandCursor& cursor);

private:
    int32_t m_value = 0;
};
