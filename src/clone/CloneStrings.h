#pragma once

#include <array>
#include <string_view>
#include <utility>

namespace ql {

// The texts of cloning and the initial setup, keyed by their string table numbers. They
// are shown as they stand, leading blanks and line breaks included.
namespace text_id {
inline constexpr int kCloning = 1201;
inline constexpr int kCloningCompleted = 5026;
inline constexpr int kCannotRead = 5027;
inline constexpr int kCannotWrite = 5028;
inline constexpr int kIllegalInformation = 5029;
inline constexpr int kCannotBeProgrammed = 5030;
inline constexpr int kTerminated = 5031;
inline constexpr int kCannotAccessPort = 5032;
inline constexpr int kNoAnswer = 5033;
inline constexpr int kWriteSucceeded = 5034;
inline constexpr int kCheckPort = 5035;
inline constexpr int kNowReading = 5040;
inline constexpr int kNowWriting = 5041;
inline constexpr int kReadFromTransceiver = 5054;
inline constexpr int kDataEdited = 5055;
inline constexpr int kWriteToTransceiver = 5056;
inline constexpr int kVersionMismatch = 5058;
inline constexpr int kCheckCloning = 5061;
inline constexpr int kBlankCallSign = 5065;
inline constexpr int kVersionNotSetUp = 5066;
}  // namespace text_id

inline constexpr std::array<std::pair<int, std::string_view>, 20> kCloneTexts{{
    {text_id::kCloning, "Cloning"},
    {text_id::kCloningCompleted, " Cloning completed."},
    {text_id::kCannotRead, " Err: Cannot read cloning data."},
    {text_id::kCannotWrite, " Err: Cannot write cloning data."},
    {text_id::kIllegalInformation, " Err: Illegal information."},
    {text_id::kCannotBeProgrammed,
     " The transceiver cannot be programmed. The cause may be:\n\n"
     " 1) The transceiver has not been cloned.\n"
     " 2) The transceiver's EEPROM is damaged.\n"
     " 3) The transceiver's revision number is not compatible\n"
     "    with the programming software.\n\n"
     " In cases 1 or 2, the transceiver requires factory\n"
     " maintenance. In case 3, the transceiver cannot be\n"
     " programmed using this program.\n\n"},
    {text_id::kTerminated, " Terminated cloning.  "},
    {text_id::kCannotAccessPort, " Err: Cannot access RS-232C port."},
    {text_id::kNoAnswer, " Err: No answer from transceiver."},
    {text_id::kWriteSucceeded,
     " Clone writing succeeded. \n\n"
     " Turn the transceiver power off and on to use \n"
     " the transceiver under its new conditions.\n"},
    {text_id::kCheckPort,
     " Check the following:\n\n"
     " - The RS-232C port settings.\n"
     " - Cloning cable connections.\n"
     " - Transceiver power is ON."},
    {text_id::kNowReading, " Now reading <- TR"},
    {text_id::kNowWriting, " Now writing -> TR"},
    {text_id::kReadFromTransceiver, " Read from transceiver"},
    {text_id::kDataEdited, " Data has been edited."},
    {text_id::kWriteToTransceiver, " Write to transceiver"},
    {text_id::kVersionMismatch, " Err: Version number does not match."},
    {text_id::kCheckCloning,
     " Check the following:\r\n\r\n"
     " - The RS-232C port settings.\r\n"
     " - Cloning cable connections.\r\n"
     " - Appropriate cloning software for the transceiver is being used.\r\n"
     " - The revision number of the transceiver.\n"},
    {text_id::kBlankCallSign, "      "},
    {text_id::kVersionNotSetUp,
     " The transceiver cannot be programmed with the\n"
     "current setting. The transceiver's version \n"
     "does not match the initial setup.\n"},
}};

// The text of a string table number; empty for a number the table does not hold.
[[nodiscard]] constexpr std::string_view CloneText(int id) {
    for (const auto& [number, text] : kCloneTexts) {
        if (number == id) return text;
    }
    return {};
}

}  // namespace ql
