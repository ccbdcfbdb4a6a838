#include "core/byte_string.h"

#include <algorithm>

void AppendHex(std::string& out, uint32_t value, int digits)
{
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        out += kHexDigits[(value >> shift) & 0x0F];
    }
}

std::string HexText(std::span<const uint8_t> bytes)
{
    std::string text;
    text.reserve(2 * bytes.size());
    for (uint8_t byte : bytes) {
        AppendHex(text, byte);
    }
    return text;
}

int HexDigitValue(char c)
{
    const size_t at = kHexDigits.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

bool DecodeHex(std::string_view text, std::vector<uint8_t>& bytes)
{
    if (text.size() % 2 != 0) {
        return false;
    }
    bytes.clear();
    bytes.reserve(text.size() / 2);
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigitValue(text[i]);
        const int low = HexDigitValue(text[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes.push_back(static_cast<uint8_t>((high << 4) | low));
    }
    return true;
}

namespace {

// Anything but a digit counts 0.
uint8_t NibbleOf(uint8_t c)
{
    return static_cast<uint8_t>(std::max(0, HexDigitValue(static_cast<char>(c))));
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
    Assign(HexText(std::span(m_bytes.data(), m_length)));
}

void CByteString::ByteToHex(uint8_t byte)
{
    std::string text;
    AppendHex(text, byte);
    Assign(text);
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

std::string EscapeControlBytes(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<uint8_t>(c);
        if (byte < 0x20 || byte == 0x7F || c == '\\') {
            out += "\\x";
            AppendHex(out, byte);
        } else {
            out += c;
        }
    }
    return out;
}
