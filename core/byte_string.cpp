#include "core/byte_string.h"

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

uint8_t NibbleOf(uint8_t c)
{
    if (c >= '0' && c <= '9') {
        return static_cast<uint8_t>(c - '0');
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<uint8_t>(c - 'A' + 10);
    }
    return 0;
}

} // namespace

void CByteString::Append(uint8_t byte)
{
    if (m_length < kCapacity) {
        m_bytes[m_length++] = byte;
    }
}

void CByteString::Append(std::string_view text)
{
    for (char c : text) {
        Append(static_cast<uint8_t>(c));
    }
}

void CByteString::Append(const CByteString& other)
{
    for (uint16_t i = 0; i < other.m_length; ++i) {
        Append(other.m_bytes[i]);
    }
}

void CByteString::Assign(std::string_view text)
{
    Clear();
    Append(text);
}

void CByteString::Assign(uint8_t byte)
{
    Clear();
    Append(byte);
}

uint8_t CByteString::At(uint16_t i) const
{
    if (m_length == 0) {
        return 0;
    }
    return i < m_length ? m_bytes[i] : m_bytes[m_length - 1];
}

bool CByteString::Differs(const CByteString& other) const
{
    if (m_length != other.m_length) {
        return true;
    }
    for (uint16_t i = 0; i < m_length; ++i) {
        if (m_bytes[i] != other.m_bytes[i]) {
            return true;
        }
    }
    return false;
}

void CByteString::Mid(uint16_t start, uint16_t count)
{
    CByteString result;
    for (uint32_t i = start; i < static_cast<uint32_t>(start) + count && i < m_length; ++i) {
        result.Append(m_bytes[i]);
    }
    *this = result;
}

void CByteString::ToHex()
{
    CByteString result;
    for (uint16_t i = 0; i < m_length; ++i) {
        result.Append(static_cast<uint8_t>(kHexDigits[m_bytes[i] >> 4]));
        result.Append(static_cast<uint8_t>(kHexDigits[m_bytes[i] & 0x0F]));
    }
    *this = result;
}

void CByteString::ByteToHex(uint8_t byte)
{
    Clear();
    Append(static_cast<uint8_t>(kHexDigits[byte >> 4]));
    Append(static_cast<uint8_t>(kHexDigits[byte & 0x0F]));
}

void CByteString::FromHex()
{
    CByteString result;
    uint16_t i = 0;
    for (; i + 1 < m_length; i += 2) {
        result.Append(static_cast<uint8_t>((NibbleOf(m_bytes[i]) << 4) | NibbleOf(m_bytes[i + 1])));
    }
    if (i < m_length) {
        result.Append(NibbleOf(m_bytes[i]));
    }
    *this = result;
}
