#include "core/memory_image.h"

#include <algorithm>

namespace {

// One step along a bit field: bit 0 of a byte is followed by bit 7 of the next byte.
void StepBit(uint32_t& address, int& bit)
{
    if (bit <= 0) {
        ++address;
        bit = 7;
    } else {
        --bit;
    }
}

} // namespace

CMemoryImage::CMemoryImage(uint32_t size) : m_bytes(size, 0) {}

void CMemoryImage::Resize(uint32_t size)
{
    m_bytes.assign(size, 0);
}

uint8_t CMemoryImage::GetByte(uint32_t address) const
{
    return IsValid(address) ? m_bytes[address] : 0xFF;
}

void CMemoryImage::SetByte(uint32_t address, uint8_t value)
{
    if (IsValid(address)) {
        m_bytes[address] = value;
    }
}

bool CMemoryImage::IsRunValid(uint32_t address, uint32_t length) const
{
    if (length == 0) {
        return false;
    }
    const uint64_t last = static_cast<uint64_t>(address) + length - 1;
    return IsValid(address) && last < m_bytes.size();
}

uint8_t* CMemoryImage::Read(uint32_t address, uint8_t* destination, uint32_t length) const
{
    if (destination != nullptr && IsRunValid(address, length)) {
        std::copy_n(m_bytes.begin() + address, length, destination);
    }
    return destination;
}

bool CMemoryImage::Write(uint32_t address, const uint8_t* source, uint32_t length)
{
    if (source == nullptr || !IsRunValid(address, length)) {
        return false;
    }
    std::copy_n(source, length, m_bytes.begin() + address);
    return true;
}

void CMemoryImage::Fill(uint32_t start, uint8_t value, uint32_t count)
{
    for (uint64_t a = start; a < static_cast<uint64_t>(start) + count; ++a) {
        if (a >= m_bytes.size()) {
            break; // every later address is invalid too
        }
        m_bytes[a] = value;
    }
}

int CMemoryImage::GetBit(uint32_t address, int bit) const
{
    if (!IsValid(address) || bit < 0 || bit > 7) {
        return 1;
    }
    return (m_bytes[address] >> bit) & 1;
}

void CMemoryImage::SetBit(uint32_t address, int bit, int value)
{
    if (!IsValid(address) || bit < 0 || bit > 7) {
        return;
    }
    const auto mask = static_cast<uint8_t>(1U << bit);
    if (value != 0) {
        m_bytes[address] |= mask;
    } else {
        m_bytes[address] &= static_cast<uint8_t>(~mask);
    }
}

uint16_t CMemoryImage::GetBits(uint32_t address, int startBit, int count) const
{
    uint16_t result = 0;
    int bit = startBit;
    for (int i = 0; i < count; ++i) {
        result = static_cast<uint16_t>((result << 1) | GetBit(address, bit));
        StepBit(address, bit);
    }
    return result;
}

void CMemoryImage::SetBits(uint32_t address, int startBit, int count, uint32_t value)
{
    int bit = startBit;
    for (int i = 0; i < count; ++i) {
        const int shift = count - 1 - i;
        SetBit(address, bit, shift < 32 ? static_cast<int>((value >> shift) & 1U) : 0);
        StepBit(address, bit);
    }
}

void CMemoryImage::FillBits(uint32_t address, int startBit, int value, int count)
{
    int bit = startBit;
    for (int i = 0; i < count; ++i) {
        SetBit(address, bit, value);
        StepBit(address, bit);
    }
}

void CMemoryImage::CopyFrom(const CMemoryImage& other)
{
    m_bytes = other.m_bytes;
}
