#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Hexadecimal text as the program writes it everywhere (clone records, the image command, the wire,
// printable escapes): upper-case digits, the highest first.
inline constexpr std::string_view kHexDigits = "0123456789ABCDEF";
// Appends the `digits` lowest hexadecimal digits of `value` to `out`.
void AppendHex(std::string& out, uint32_t value, int digits = 2);
// Two digits a byte.
std::string HexText(std::span<const uint8_t> bytes);
// Outside text made safe for a terminal line: control bytes, DEL and the backslash as \xNN, every
// other byte (UTF-8 included) as it is.
std::string EscapeControlBytes(std::string_view text);
// The value of a digit 0-9 or A-F; -1 for any other character, a lower-case digit too.
int HexDigitValue(char c);
// Pairs of digits to bytes; false for an odd count or any other character.
bool DecodeHex(std::string_view text, std::vector<uint8_t>& bytes);

// A bounded byte string (at most 255 bytes) with hexadecimal conversion. Bytes beyond the capacity
// are dropped without notice; every conversion result is cut at 255 bytes.
class CByteString
{
public:
    static constexpr uint16_t kCapacity = 255;

    CByteString() = default;

    void Clear() { m_length = 0; }
    void Append(uint8_t byte);
    void Append(std::string_view text);
    void Append(const CByteString& other);
    void Assign(std::string_view text);
    void Assign(uint8_t byte);

    // The byte at i, or the last byte when i is past the end.
    uint8_t At(uint16_t i) const;
    uint16_t GetLength() const { return m_length; }
    bool Differs(const CByteString& other) const;
    const uint8_t* Data() const { return m_bytes.data(); }
    std::string_view AsText() const { return {reinterpret_cast<const char*>(m_bytes.data()), m_length}; }

    void Mid(uint16_t start, uint16_t count);
    // Two upper-case hexadecimal characters per byte, high nibble first.
    void ToHex();
    void ByteToHex(uint8_t byte);
    // One byte per pair of characters; only 0-9 and A-F count, anything else counts 0; a lone last
    // character becomes one byte holding its value.
    void FromHex();

private:
    uint16_t m_length = 0;
    std::array<uint8_t, kCapacity> m_bytes{};
};
