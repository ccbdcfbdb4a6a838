#include "core/frequency_value.h"

#include "core/field_protocol.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>

void CFrequencyValue::Set(int64_t hertz)
{
    m_value = static_cast<int32_t>(std::clamp<int64_t>(hertz, 0, std::numeric_limits<int32_t>::max()));
}

bool CFrequencyValue::SetText(std::string_view text)
{
    text = text.substr(0, 15);
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    text.remove_prefix(i);
    // Only a plain decimal number counts: no "inf", "nan" or hexadecimal forms, and the locale's
    // decimal separator plays no part.
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.')) {
        return false;
    }
    double x = 0.0;
    const auto [ptr, ec] =
        std::from_chars(text.data(), text.data() + text.size(), x, std::chars_format::general);
    if (ptr == text.data() || (ec != std::errc() && ec != std::errc::result_out_of_range)) {
        return false;
    }
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: only the exponent's sign tells which.
        const std::string_view number(text.data(), static_cast<size_t>(ptr - text.data()));
        const bool tiny =
            number.find("e-") != std::string_view::npos || number.find("E-") != std::string_view::npos;
        x = tiny ? 0.0 : 1e9;
    }
    if (negative) {
        x = -x;
    }
    x += 0.0000005;
    x = std::min(x, 2000.0);
    if (x < 0.0) {
        Set(0);
        return true;
    }
    const auto whole = static_cast<int64_t>(x);
    const auto micro = static_cast<int64_t>(x * 1'000'000.0);
    Set(whole * 1'000'000 + micro % 1'000'000);
    return true;
}

std::string CFrequencyValue::FormatMHz(int32_t hertz)
{
    char text[32];
    std::snprintf(text, sizeof text, "%ld.%04ld", static_cast<long>(hertz / 1'000'000),
                  static_cast<long>((hertz % 1'000'000) / 100));
    return text;
}

std::string CFrequencyValue::GetText() const
{
    return FormatMHz(m_value);
}

std::string CFrequencyValue::Execute(CCommandCursor& cursor)
{
    return ExecuteField(
        cursor, [this](const std::string& text) { SetText(text); }, [this](long long number) { Set(number); },
        [this](bool byNumber) { return byNumber ? std::to_string(m_value) : GetText(); });
}
