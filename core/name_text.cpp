#include "core/name_text.h"

#include "core/field_protocol.h"

#include <algorithm>

void CNameText::SetLengths(int a, int b)
{
    m_min = std::min(a, b);
    m_max = std::max(a, b);
    if (m_min <= 0) {
        m_min = 1;
    }
    m_max = std::clamp(m_max, m_min, kMaxLength);
    m_min = std::min(m_min, m_max);
    m_text.assign(static_cast<size_t>(m_max), ' ');
}

namespace {

bool IsNameChar(char c)
{
    switch (c) {
    case ' ':
    case '(':
    case ')':
    case '*':
    case '+':
    case '-':
    case '.':
    case '/':
    case ':':
    case '=':
        return true;
    default:
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
    }
}

} // namespace

void CNameText::SetText(std::string_view text)
{
    const size_t end = std::min(text.find('\0'), text.size());
    m_text.assign(text.substr(0, std::min(end, static_cast<size_t>(m_max))));
    for (char& c : m_text) {
        if (m_mode == kRestricted) {
            c = UpperAscii(c);
            if (!IsNameChar(c)) {
                c = ' ';
            }
        } else if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7F) {
            c = ' ';
        }
    }
    if (m_text.size() < static_cast<size_t>(m_min)) {
        m_text.append(static_cast<size_t>(m_min) - m_text.size(), ' ');
    }
}

bool CNameText::IsBlank() const
{
    return std::all_of(m_text.begin(), m_text.end(), [](char c) { return c == ' '; });
}

std::string CNameText::Execute(CCommandCursor& cursor)
{
    ParseSelector(cursor);
    const std::string value = FieldValue(cursor);
    if (!value.empty()) {
        SetText(value);
    }
    return m_text;
}
