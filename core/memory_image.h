#pragma once

#include <cstdint>
#include <vector>

// The transceiver's memory as a flat, bounds-tested byte array with bit-field access.
//
// Bit fields run most significant bit first: a field starts at (address, bit) and continues with
// the lower-numbered bits of the same byte; after bit 0 it goes on at bit 7 of the next byte.
// Out-of-range access is absorbed: single reads give 0xFF (bytes) or 1 (bits), writes are dropped.
class CMemoryImage
{
public:
    explicit CMemoryImage(uint32_t size = 1);
    virtual ~CMemoryImage() = default;
    CMemoryImage(const CMemoryImage&) = default;
    CMemoryImage& operator=(const CMemoryImage&) = default;
    CMemoryImage(CMemoryImage&&) = default;
    CMemoryImage& operator=(CMemoryImage&&) = default;

    // Discards the contents, also when the size stays the same.
    void Resize(uint32_t size);
    bool IsValid(uint32_t address) const { return address < m_bytes.size(); }
    uint32_t GetSize() const { return static_cast<uint32_t>(m_bytes.size()); }

    uint8_t GetByte(uint32_t address) const;
    void SetByte(uint32_t address, uint8_t value);
    // Runs are copied only when their first and last byte both lie inside the image.
    uint8_t* Read(uint32_t address, uint8_t* destination, uint32_t length) const;
    bool Write(uint32_t address, const uint8_t* source, uint32_t length);
    void Fill(uint32_t start, uint8_t value, uint32_t count);

    int GetBit(uint32_t address, int bit) const;
    void SetBit(uint32_t address, int bit, int value);
    uint16_t GetBits(uint32_t address, int startBit, int count) const;
    void SetBits(uint32_t address, int startBit, int count, uint32_t value);
    void FillBits(uint32_t address, int startBit, int value, int count);

    void CopyFrom(const CMemoryImage& other);
    bool IsEqual(const CMemoryImage& other) const { return m_bytes == other.m_bytes; }
    bool IsDifferent(const CMemoryImage& other) const { return !IsEqual(other); }

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

private:
    bool IsRunValid(uint32_t address, uint32_t length) const;

    std::vector<uint8_t> m_bytes;
};
