#include "core/clone_record.h"

#include "core/byte_string.h"
#include "core/command_text.h"

#include <algorithm>

namespace {

// Records read lower-case digits too.
int HexValue(char c)
{
    return HexDigitValue(UpperAscii(c));
}

uint32_t HexNumber(std::string_view digits)
{
    uint32_t value = 0;
    for (char c : digits) {
        value = value * 16 + static_cast<uint32_t>(HexValue(c));
    }
    return value;
}

} // namespace

void CCloneRecord::Attach(CMemoryImage* image)
{
    AttachImage(image, image);
}

void CCloneRecord::AttachImage(const CMemoryImage* image, CMemoryImage* writable)
{
    if (image != m_image || !m_coverage) {
        m_coverage.reset();
        if (image != nullptr) {
            const uint32_t size = image->GetSize();
            m_coverage = std::make_unique<CMemoryImage>((size + 7) / 8);
            // Bits standing for addresses past the end count as covered.
            for (uint32_t a = size; a < m_coverage->GetSize() * 8; ++a) {
                m_coverage->SetBit(a / 8, 7 - static_cast<int>(a % 8), 1);
            }
        }
    }
    if (image != m_image || writable != nullptr) {
        m_writable = writable;
    }
    m_image = image;
}

void CCloneRecord::Set(const CMemoryImage* image, uint32_t address, uint32_t length)
{
    m_data.assign(length, 0);
    m_length = length;
    AttachImage(image, nullptr);
    m_address = address;
}

void CCloneRecord::Fetch()
{
    if (m_image != nullptr) {
        m_image->Read(m_address, m_data.data(), m_length);
    }
}

std::string CCloneRecord::Format() const
{
    std::string text;
    text.reserve(6 + 2 * m_data.size());
    AppendHex(text, m_address & 0xFFFF, 4);
    AppendHex(text, m_length & 0xFF, 2);
    for (uint8_t byte : m_data) {
        AppendHex(text, byte, 2);
    }
    return text;
}

std::string CCloneRecord::Parse(std::string_view text)
{
    if (m_image == nullptr) {
        return std::string(answer::kError);
    }
    if (text.size() < kMinTextLength || text.size() > kMaxTextLength) {
        return std::string(answer::kFormatError);
    }
    if (!std::all_of(text.begin(), text.end(), [](char c) { return HexValue(c) >= 0; })) {
        return std::string(answer::kFormatError);
    }
    const uint32_t address = HexNumber(text.substr(0, 4));
    const uint32_t length = HexNumber(text.substr(4, 2));
    if (text.size() != 2 * length + 6) {
        return std::string(answer::kFormatError);
    }
    if (address + length > m_image->GetSize()) {
        return std::string(answer::kDataOverflow);
    }
    m_data.assign(length, 0);
    m_length = length;
    m_address = address;
    for (uint32_t i = 0; i < length; ++i) {
        m_data[i] = static_cast<uint8_t>(HexNumber(text.substr(6 + 2 * i, 2)));
    }
    return std::string(answer::kOk);
}

void CCloneRecord::Store()
{
    if (m_writable == nullptr) {
        return;
    }
    m_writable->Write(m_address, m_data.data(), m_length);
    for (uint32_t a = m_address; a < m_address + m_length; ++a) {
        m_coverage->SetBit(a / 8, 7 - static_cast<int>(a % 8), 1);
    }
}

bool CCloneRecord::Covers(uint32_t first, uint32_t last) const
{
    if (!m_coverage || last >= m_coverage->GetSize() * 8U) {
        return false;
    }
    for (uint32_t address = first; address <= last; ++address) {
        if ((m_coverage->Bytes()[address / 8] & (0x80U >> (address % 8))) == 0) {
            return false;
        }
    }
    return true;
}

bool CCloneRecord::IsComplete() const
{
    if (!m_coverage) {
        return false;
    }
    return std::all_of(m_coverage->Bytes().begin(), m_coverage->Bytes().end(),
                       [](uint8_t b) { return b == 0xFF; });
}
