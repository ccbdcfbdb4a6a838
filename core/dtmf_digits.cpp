#include "core/dtmf_digits.h"

#include "core/field_protocol.h"

#include <algorithm>

namespace {

constexpr std::string_view kDtmfDigitChars = "0123456789ABCDEF";

} // namespace

void CDtmfDigits::SetText(std::string_view text)
{
    int count = 0;
    for (char c : text) {
        if (count >= kMaxDigits) {
            break;
        }
        c = UpperAscii(c);
        if (c == '*') {
            c = 'E';
        } else if (c == '#') {
            c = 'F';
        }
        const size_t digit = kDtmfDigitChars.find(c);
        if (c != '\0' && digit != std::string_view::npos) {
            m_digits[static_cast<size_t>(count++)] = static_cast<uint8_t>(digit);
        }
    }
    m_count = count;
}

std::string CDtmfDigits::GetText() const
{
    std::string text;
    for (int i = 0; i < m_count; ++i) {
        text += kDtmfDigitChars[m_digits[static_cast<size_t>(i)] & 0x0F];
    }
    return text;
}

void CDtmfDigits::SetCount(long long count)
{
    m_count = static_cast<int>(std::clamp<long long>(count, 0, kMaxDigits));
}

std::string CDtmfDigits::Execute(CCommandCursor& cursor)
{
    return ExecuteField(
        cursor, [this](const std::string& text) { SetText(text); },
        [this](long long number) { SetCount(number); },
        [this](bool byNumber) { return byNumber ? std::to_string(m_count) : GetText(); });
}
