#pragma once

#include <cstdint>
#include <string_view>

namespace ql::frame {

// Every frame on the clone line: 0xFE 0xFE, two address bytes, a command, a payload, 0xFD.
inline constexpr std::uint8_t kPreamble = 0xFE;
inline constexpr std::uint8_t kEnd = 0xFD;

// The computer sends with the addresses 0xEE 0xEF, the transceiver with 0xEF 0xEE.
inline constexpr std::uint8_t kComputer = 0xEE;
inline constexpr std::uint8_t kTransceiver = 0xEF;

inline constexpr std::uint8_t kInformationRequest = 0xE0;
inline constexpr std::uint8_t kInformation = 0xE1;
inline constexpr std::uint8_t kReadRequest = 0xE2;
inline constexpr std::uint8_t kWriteRequest = 0xE3;
inline constexpr std::uint8_t kDataBlock = 0xE4;
inline constexpr std::uint8_t kEndOfData = 0xE5;
inline constexpr std::uint8_t kWriteResult = 0xE6;

// The payload of the end-of-data frame.
inline constexpr std::string_view kSignature = "Orva Inc.";

// Identification bytes never exceed this, so they cannot be taken for 0xFD or 0xFE.
inline constexpr std::uint8_t kHighestPlainByte = 0xEF;

}  // namespace ql::frame
