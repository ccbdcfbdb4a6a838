#pragma once

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

} // namespace clone_protocol
