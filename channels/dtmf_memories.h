#pragma once

#include "core/memory_map.h"
#include "core/typed_fields.h"

#include <array>
#include <string>

class CCommandCursor;
class CMemoryImage;

// The nine DTMF autodial memories, 16 bytes each (see the memory map): one digit (0-15) per byte, ended by
// 0xFF when there are fewer than 16.
class CDtmfMemories
{
public:
    static constexpr int kMemoryCount = static_cast<int>(memory_map::kDtmfMemoryCount);

    // Takes a whole "DTMF.<n>[=digits]" command; n outside 1-9 answers "". Elements after n are
    // ignored, and an empty value changes nothing.
    std::string Execute(CCommandCursor& cursor);

    // Reads every memory from the image while not loaded, writes them otherwise; loaded after.
    void Transfer(CMemoryImage& image);
    void MarkUnloaded() { m_loaded = false; }
    bool IsLoaded() const { return m_loaded; }

    // n from 1 to 9; other numbers are brought into that range.
    CDtmfDigits& Memory(int n);

private:
    bool m_loaded = false;
    std::array<CDtmfDigits, kMemoryCount> m_memories;
};
