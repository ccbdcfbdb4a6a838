#pragma once

#include "core/channel_id.h"

#include <array>
#include <cstdint>

// Where everything lives in the transceiver's memory, the 2816 bytes 0x000-0xAFF that a clone
// transfers:
//
//   0x000-0x63F  memory channels 0-99, one 16-byte block each
//   0x640-0x77F  program-scan edges 0A-9B
//   0x780-0x7BF  call channels 50, 144, 430, 1200
//   0x7C0-0x83F  VFO band memories
//   0x840-0x89F  common settings (their places are in the settings table)
//   0x900-0x983  one flag byte per channel: memories, edges, calls, VFOs
//   0xA00-0xA8F  DTMF memories 1-9, 16 bytes each
//   0xAE0-0xAEF  clone comment, 16 characters
//   0xAF0-0xAFF  format signature
//
// The bytes between these ranges belong to no field; they keep the default image's values.
namespace memory_map {

// The transceiver the map belongs to, as it names itself on the cable and in clone data files.
inline constexpr uint16_t kModelCode = 0x2135;
inline constexpr uint16_t kModelRevision = 1;

inline constexpr uint32_t kImageSize = 2816;
inline constexpr uint32_t kLastAddress = kImageSize - 1;

inline constexpr uint32_t kChannelBlockSize = 16;
inline constexpr uint32_t kMemoryBlocks = 0x000;
inline constexpr uint32_t kEdgeBlocks = 0x640;
inline constexpr uint32_t kCallBlocks = 0x780;
inline constexpr uint32_t kVfoBlocks = 0x7C0;
inline constexpr uint32_t kMemoryFlags = 0x900;
inline constexpr uint32_t kEdgeFlags = 0x964;
inline constexpr uint32_t kCallFlags = 0x978;
inline constexpr uint32_t kVfoFlags = 0x97C;

// A save with safety leaves this byte out, so a clone write keeps the transceiver's own value.
inline constexpr uint32_t kKeptByte = 0x844;

inline constexpr uint32_t kDtmfMemories = 0xA00;
inline constexpr uint32_t kDtmfBlockSize = 16;
inline constexpr uint32_t kDtmfMemoryCount = 9;

inline constexpr uint32_t kCloneComment = 0xAE0;
inline constexpr uint32_t kCloneCommentLength = 16;
inline constexpr uint32_t kSignature = 0xAF0;
inline constexpr uint32_t kSignatureLength = 16;

// Ranges inside the settings and flag areas that no field covers; every default image holds 0xFF
// there.
struct SRegion
{
    uint32_t start;
    uint32_t length;
};
inline constexpr std::array<SRegion, 4> kUnusedRegions = {{
    {0x860, 0x20},
    {0x8A0, 0x60},
    {0x984, 0x7C},
    {0xA90, 0x50},
}};

namespace detail {
struct SChannelPlace
{
    uint32_t blockBase;
    uint32_t flagBase;
};
// By channel kind; NONE shares the VFO row, as its flat index names VFO 0.
inline constexpr std::array<SChannelPlace, CChannelId::kKindCount> kChannelPlaces = {{
    {kVfoBlocks, kVfoFlags},       // NONE
    {kVfoBlocks, kVfoFlags},       // VFO
    {kMemoryBlocks, kMemoryFlags}, // MCH
    {kEdgeBlocks, kEdgeFlags},     // PCH
    {kCallBlocks, kCallFlags},     // CALL
}};
} // namespace detail

// The channel's 16-byte block and its flag byte; the id must be normalised.
inline uint32_t ChannelBlockAddress(const CChannelId& id)
{
    return detail::kChannelPlaces[static_cast<size_t>(id.GetKind())].blockBase +
           kChannelBlockSize * static_cast<uint32_t>(id.GetNumber());
}

inline uint32_t ChannelFlagAddress(const CChannelId& id)
{
    return detail::kChannelPlaces[static_cast<size_t>(id.GetKind())].flagBase +
           static_cast<uint32_t>(id.GetNumber());
}

} // namespace memory_map
