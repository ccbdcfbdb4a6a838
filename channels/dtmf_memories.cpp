#include "channels/dtmf_memories.h"

#include "channels/command_keys.h"
#include "core/command_text.h"
#include "core/memory_image.h"
#include "core/memory_map.h"

#include <algorithm>

namespace {

constexpr uint8_t kEndOfDigits = 0xFF;

uint32_t BlockAddress(int index)
{
    return memory_map::kDtmfMemories + memory_map::kDtmfBlockSize * static_cast<uint32_t>(index);
}

} // namespace

std::string CDtmfMemories::Execute(CCommandCursor& cursor)
{
    const std::string key = cursor.Token('=', 0);
    if (!EqualsNoCase(TextToken(key, ".", 0), keys::kDtmf)) {
        return {};
    }
    long long n = 0;
    if (!ParseDecimal(TextToken(key, ".", 1), n) || n < 1 || n > kMemoryCount) {
        return {};
    }
    // Only the value reaches the memory, so it is always read and set as digit text.
    CCommandCursor memoryCursor("=" + cursor.Token('=', 1));
    std::string result = Memory(static_cast<int>(n)).Execute(memoryCursor);
    if (!result.empty()) {
        cursor.SetText({});
    }
    return result;
}

void CDtmfMemories::Transfer(CMemoryImage& image)
{
    for (int i = 0; i < kMemoryCount; ++i) {
        CDtmfDigits& memory = m_memories[static_cast<size_t>(i)];
        const uint32_t address = BlockAddress(i);
        if (m_loaded) {
            image.Fill(address, kEndOfDigits, memory_map::kDtmfBlockSize);
            for (int d = 0; d < memory.GetCount(); ++d) {
                image.SetByte(address + static_cast<uint32_t>(d), memory.Digit(d));
            }
            continue;
        }
        int count = 0;
        while (count < CDtmfDigits::kMaxDigits) {
            const uint8_t byte = image.GetByte(address + static_cast<uint32_t>(count));
            if (byte == kEndOfDigits) {
                break;
            }
            memory.SetDigit(count, byte);
            ++count;
        }
        memory.SetCount(count);
    }
    m_loaded = true;
}

CDtmfDigits& CDtmfMemories::Memory(int n)
{
    return m_memories[static_cast<size_t>(std::clamp(n, 1, kMemoryCount) - 1)];
}
