#include "channels/channel_record.h"
#include "core/channel_id.h"
#include "core/memory_map.h"
#include "core/rig/default_images.h"

#include <gtest/gtest.h>

namespace {

// What no field shows: channels in use carry names of six NULs, and the bits the channel record
// leaves to the transceiver (bits 7, 6, 5 and 3 of block byte 3, bits 1 and 0 of the flag) are clear.
TEST(DefaultImages, ChannelsInUseHoldNulNamesAndClearTransceiverBits)
{
    const CChannelId inUse[] = {{CChannelId::kMch, 0}, {CChannelId::kMch, 2},  {CChannelId::kPch, 0},
                                {CChannelId::kPch, 1}, {CChannelId::kCall, 0}, {CChannelId::kVfo, 7}};
    for (int entry = 0; entry < kDefaultImageCount; ++entry) {
        const CMemoryImage image = BuildDefaultImage(entry);
        for (const CChannelId& id : inUse) {
            const uint32_t block = memory_map::ChannelBlockAddress(id);
            const std::string where = std::to_string(entry) + " " + id.Path();
            EXPECT_EQ(image.GetByte(memory_map::ChannelFlagAddress(id)), 0x00) << where;
            EXPECT_EQ(image.GetByte(block + 3) & 0xE8, 0) << where;
            for (uint32_t i = 0; i < CChannelRecord::kNameLength; ++i) {
                const uint8_t expected = id.IsMemoryOrEdge() ? 0x00 : 0xFF;
                EXPECT_EQ(image.GetByte(block + CChannelRecord::kNameOffset + i), expected) << where;
            }
        }
        // The first unused memory: blank, with an untouched block.
        const CChannelId unused(CChannelId::kMch, entry < 11 ? 4 : 3);
        EXPECT_EQ(image.GetByte(memory_map::ChannelFlagAddress(unused)), 0xFF) << entry;
        EXPECT_EQ(image.GetByte(memory_map::ChannelBlockAddress(unused)), 0xFF) << entry;
    }
}

} // namespace
