#pragma once
// What the maintenance tool and the device link agree on: the command and
// status codes, the reply layouts, the discovery scratch size and the types
// of the five entry points. Plain C++, no other header of the project.

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" {
using DwSendCommandFn = std::int32_t (*)(const std::uint8_t* packet, std::int32_t length, const char16_t* systemName);
using DwSendDataFn = std::int32_t (*)(const std::uint8_t* data, std::int32_t length, const char16_t* systemName);
using DwGetStatusFn = std::int32_t (*)(std::int32_t statusCode, std::int32_t reserved, std::uint8_t* block,
                                       std::int32_t length, const char16_t* systemName);
using ZorFindSystemsFn = std::int32_t (*)(std::uint8_t* discovery, std::int32_t* found);
using ZorSystemCheckStatusFn = std::int32_t (*)(const char16_t* systemName);
}

namespace zor::protocol {

// A command packet: FF FF, the command code, one value byte.
inline constexpr int kPacketLength = 4;
inline constexpr std::uint8_t kPacketLead = 0xFF;

// The controller's text buffer: the characters of one text, sent one per
// CMD_TEXT_CHAR packet. The end of the text (0) takes no place in it.
inline constexpr std::size_t kMaxTextLength = 64;

// Scratch the caller of ZORFindSystems provides.
inline constexpr int kDiscoveryScratchSize = 2564;

// Command codes travel in byte 2 of a command packet. Each code is one entry
// X(name, code) of this list: the enum below and CommandName() are made from
// it, so a name is written once.
#define ZOR_COMMAND_CODES(X)                                               \
  X(CMD_DISTORTION_ADJUST_BEGIN, 3)                                        \
  X(CMD_JOG_UP, 4)                                                         \
  X(CMD_JOG_DOWN, 5)                                                       \
  X(CMD_JOG_RIGHT, 6)                                                      \
  X(CMD_JOG_LEFT, 7)                                                       \
  X(CMD_DISTORTION_ADJUST_SAVE, 8)                                         \
  X(CMD_MARK_ORIGINAL_SQUARE, 9)                                           \
  X(CMD_MARK_CORRECTED_SQUARE, 10)                                         \
  X(CMD_AIM_ALIGN_BEGIN, 11)                                               \
  X(CMD_AIM_ALIGN_NEXT_POINT, 12)                                          \
  X(CMD_AIM_ALIGN_SAVE, 13)                                                \
  X(CMD_SET_X_SCALE, 26)                                                   \
  X(CMD_SET_Y_SCALE, 27)                                                   \
  X(CMD_CENTER_ADJUST_BEGIN, 40)                                           \
  X(CMD_CENTER_ADJUST_SAVE, 42)                                            \
  X(CMD_RESET_SERIAL, 49)                                                  \
  X(CMD_SET_RC_JUMP_DELAY, 53)                                             \
  X(CMD_MARK_MAX_FIELD, 64)                                                \
  X(CMD_SET_SERIAL_NUMBER, 65)                                             \
  X(CMD_TEXT_CHAR, 66) /* one character byte of a text; 0 ends the text */ \
  X(CMD_SET_MIN_CURRENT, 67)                                               \
  X(CMD_SET_MAX_CURRENT, 68)                                               \
  X(CMD_SET_LENS, 69)                                                      \
  X(CMD_SET_20_PERCENT_CURRENT, 70)                                        \
  X(CMD_SET_MODEL_NAME, 77)                                                \
  X(CMD_SET_X_DISTORTION, 78)                                              \
  X(CMD_SET_Y_DISTORTION, 79)                                              \
  X(CMD_SET_X_MULTIPLIER, 81)                                              \
  X(CMD_SET_Y_MULTIPLIER, 82)                                              \
  X(CMD_TEST_POWER_OFF, 129)                                               \
  X(CMD_SHUTTER_CLOSE, 134)                                                \
  X(CMD_SHUTTER_OPEN, 135)                                                 \
  X(CMD_AIMING_ON, 144)                                                    \
  X(CMD_TEST_POWER_ON, 145)                                                \
  X(CMD_ADJUST_END, 154)                                                   \
  X(CMD_SET_CONTROLLER_MODEL, 167)                                         \
  X(CMD_MOVE_TO_X, 190)                                                    \
  X(CMD_MOVE_TO_Y, 191)                                                    \
  X(CMD_SET_MAC_ADDRESS, 192)                                              \
  X(CMD_SET_IP_ADDRESS, 194)                                               \
  X(CMD_SET_GATEWAY, 196)                                                  \
  X(CMD_SET_SUBNET_MASK, 198)                                              \
  X(CMD_SET_WORK_TIME, 206)                                                \
  X(CMD_SHOW_VERSION, 241)                                                 \
  X(CMD_INIT_POWER_BOARD, 243)

// Reply lengths, in bytes.
inline constexpr int kScaleReplyLength = 8;
inline constexpr int kDistortionReplyLength = 4;
inline constexpr int kCurrentsReplyLength = 8;
inline constexpr int kSystemInfoLength = 38;
inline constexpr int kControllerModelReplyLength = 4;
inline constexpr int kShipIdReplyLength = 4;
inline constexpr int kMacReplyLength = 6;
inline constexpr int kAddressReplyLength = 4;
inline constexpr int kWorkTimeReplyLength = 4;

// Status codes are the first argument of a status query, numbered apart from
// the command codes; each is one entry X(name, code, reply length) of this
// list. Every multi-byte number in a reply is little-endian.
#define ZOR_STATUS_CODES(X)                                                                        \
  X(CMD_GET_XY_SCALE, 75, kScaleReplyLength)                    /* two floats, X then Y */         \
  X(CMD_GET_XY_DISTORTION, 76, kDistortionReplyLength)          /* two uint16, X then Y */         \
  X(CMD_GET_CURRENTS, 84, kCurrentsReplyLength)                 /* two floats, minimum, maximum */ \
  X(CMD_GET_SYSTEM_INFO, 142, kSystemInfoLength)                /* the identity block */           \
  X(CMD_GET_CONTROLLER_MODEL, 166, kControllerModelReplyLength) /* uint32: flag, 24-bit code */    \
  X(CMD_GET_SHIP_ID, 189, kShipIdReplyLength)                   /* uint32 */                       \
  X(CMD_GET_MAC_ADDRESS, 193, kMacReplyLength)                  /* six bytes, leftmost first */    \
  X(CMD_GET_IP_ADDRESS, 195, kAddressReplyLength)               /* four octets, leftmost first */  \
  X(CMD_GET_GATEWAY, 197, kAddressReplyLength)                  /* four octets */                  \
  X(CMD_GET_SUBNET_MASK, 199, kAddressReplyLength)              /* four octets */                  \
  X(CMD_GET_WORK_TIME, 207, kWorkTimeReplyLength)               /* uint32 seconds */

#define ZOR_CODE_ENUMERATOR(name, code, ...) name = code,
enum Command : std::uint8_t { ZOR_COMMAND_CODES(ZOR_CODE_ENUMERATOR) };
enum StatusCode : std::uint8_t { ZOR_STATUS_CODES(ZOR_CODE_ENUMERATOR) };
#undef ZOR_CODE_ENUMERATOR

// The reply length of a status code; 0 for a code the controller does not answer.
constexpr int ReplyLength(int status) {
  switch (status) {
#define ZOR_REPLY_LENGTH_CASE(name, code, length) \
  case code:                                      \
    return length;
    ZOR_STATUS_CODES(ZOR_REPLY_LENGTH_CASE)
#undef ZOR_REPLY_LENGTH_CASE
    default:
      return 0;
  }
}

#define ZOR_NAME_CASE(name, code, ...) \
  case code:                           \
    return #name;
// The name of a command or status code; empty for a code not in the lists.
constexpr std::string_view CommandName(int code) {
  switch (code) {
    ZOR_COMMAND_CODES(ZOR_NAME_CASE)
    default:
      return {};
  }
}
constexpr std::string_view StatusName(int code) {
  switch (code) {
    ZOR_STATUS_CODES(ZOR_NAME_CASE)
    default:
      return {};
  }
}
#undef ZOR_NAME_CASE

// The identity block: offsets and widths of its fields. Texts are Latin-1 and
// end at their first zero byte or at the end of their field.
namespace identity {
inline constexpr int kSerialAt = 0;   // int32
inline constexpr int kVersionAt = 9;  // text
inline constexpr int kVersionWidth = 9;
inline constexpr int kDateAt = 18;  // text
inline constexpr int kDateWidth = 8;
inline constexpr int kModelAt = 26;  // text, the system name
inline constexpr int kModelWidth = 10;
inline constexpr int kLensAt = 36;  // uint16, focal length in mm
}  // namespace identity

}  // namespace zor::protocol
