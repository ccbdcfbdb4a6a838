#pragma once

#include "core/memory_image.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One run of 1 to 255 image bytes as text: 4 hex digits of address, 2 of byte count, then 2 per
// byte ("0AF010FFFF..."). It is a line of the clone data file and the payload of a data frame.
//
// The codec also keeps a coverage bitmap of the attached image (one bit per byte, most significant
// bit first), so a loader can tell whether its records supplied every byte.
class CCloneRecord
{
public:
    static constexpr size_t kMinTextLength = 8;
    static constexpr size_t kMaxTextLength = 516;

    CCloneRecord() = default;
    virtual ~CCloneRecord() = default;
    CCloneRecord(const CCloneRecord&) = delete;
    CCloneRecord& operator=(const CCloneRecord&) = delete;

    // Attaching another image starts a new, empty coverage bitmap; the same image keeps it. Parse
    // checks against the attached image and Store writes into it.
    void Attach(CMemoryImage* image);
    // A fresh record of `length` bytes at `address` for Fetch to fill from the image. The image is
    // attached as by Attach, but only for reading: Store writes nothing into it unless it is the
    // image attached before.
    void Set(const CMemoryImage* image, uint32_t address, uint32_t length);
    void Fetch();
    std::string Format() const;
    // "OK", "ERROR" (no image), "FORMAT_ERROR" or "DATA_OVERFLOW"; a failure changes nothing.
    std::string Parse(std::string_view text);
    void Store();
    bool IsComplete() const;
    // Whether the records stored so far supplied every byte from `first` to `last`.
    bool Covers(uint32_t first, uint32_t last) const;

    uint32_t GetAddress() const { return m_address; }
    uint32_t GetLength() const { return m_length; }
    const std::vector<uint8_t>& GetData() const { return m_data; }

private:
    std::vector<uint8_t> m_data;
    uint32_t m_address = 0;
    uint32_t m_length = 0;
    void AttachImage(const CMemoryImage* image, CMemoryImage* writable);

    const CMemoryImage* m_image = nullptr;
    CMemoryImage* m_writable = nullptr;
    std::unique_ptr<CMemoryImage> m_coverage;
};
