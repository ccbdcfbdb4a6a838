#pragma once

#include "core/memory_map.h"

#include <array>
#include <cstdint>
#include <string_view>

// Bytes of the clone protocol on the cable, shared by the computer's side (the clone session) and
// the transceiver's side (the virtual transceiver). A frame is FE FE destination source command
// payload FD; payload bytes never take the values FD and FE.
namespace clone_protocol {

inline constexpr uint8_t kPreamble = 0xFE;
inline constexpr uint8_t kEndOfFrame = 0xFD;
inline constexpr uint8_t kTransceiver = 0xEE;
inline constexpr uint8_t kComputer = 0xEF;

inline constexpr uint8_t kInformationRequest = 0xE0;
inline constexpr uint8_t kInformationAnswer = 0xE1;
inline constexpr uint8_t kReadCommand = 0xE2;
inline constexpr uint8_t kWriteCommand = 0xE3;
inline constexpr uint8_t kDataFrame = 0xE4;
inline constexpr uint8_t kEndFrame = 0xE5;
inline constexpr uint8_t kWriteVerdict = 0xE6;

inline constexpr std::string_view kEndText = "Velk Inc.";
inline constexpr uint8_t kHighestInformationByte = 0xEF;
inline constexpr uint8_t kWriteAccepted = 0x00;

// The body of a frame, between the preamble and the end byte: destination, source and command,
// then the payload.
inline constexpr uint16_t kFrameHeadLength = 3;
inline constexpr uint16_t kEndFrameLength = kFrameHeadLength + static_cast<uint16_t>(kEndText.size());

// Model and revision, two bytes each, high byte first: the payload of the read and write commands
// and the start of the information answer's.
inline constexpr uint16_t kModel = memory_map::kModelCode;
inline constexpr uint16_t kRevision = memory_map::kModelRevision;
inline constexpr uint16_t kIdentityLength = 4;
inline constexpr uint16_t kInformationHeadLength = kFrameHeadLength + kIdentityLength;
// The information that follows starts with destination, expanded-coverage level and option flags:
// the version check compares them, so an information block without them is no information.
inline constexpr uint16_t kVersionByteCount = 3;

inline constexpr std::array<uint8_t, kIdentityLength> IdentityBytes(uint16_t model, uint16_t revision)
{
    return {static_cast<uint8_t>(model >> 8), static_cast<uint8_t>(model & 0xFF),
            static_cast<uint8_t>(revision >> 8), static_cast<uint8_t>(revision & 0xFF)};
}

// A record frame's payload is the record as hex text: address (2 bytes) and count (1) before the
// data, a checksum (1) after it.
inline constexpr uint16_t kRecordHeadBytes = 3;
inline constexpr uint16_t kRecordHeadDigits = 2 * kRecordHeadBytes;
inline constexpr uint16_t kRecordOverhead = kRecordHeadBytes + 1;

// The transceiver sends its memory in records of 16 bytes, then the end frame; a read's progress
// counts both.
inline constexpr uint16_t kRecordLength = 16;
inline constexpr uint32_t kRecordCount = memory_map::kImageSize / kRecordLength;
inline constexpr uint32_t kReadTotal = kRecordCount + 1;

} // namespace clone_protocol
