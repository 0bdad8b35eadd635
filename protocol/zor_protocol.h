#pragma once
// What the maintenance tool and the device link agree on: the command and
// status codes, the reply layouts, the discovery scratch size and the types
// of the five entry points. Plain C++, no other header of the project.

#include <cstddef>
#include <cstdint>

extern "C" {
using DwSendCommandFn = std::int32_t (*)(const std::uint8_t* packet, std::int32_t length, const char16_t* systemName);
using DwSendDataFn = std::int32_t (*)(const std::uint8_t* data, std::int32_t length, const char16_t* systemName);
using DwGetStatusFn = std::int32_t (*)(std::int32_t statusCode, std::int32_t reserved, std::uint8_t* block,
                                       std::int32_t length, const char16_t* systemName);
using ZorFindSystemsFn = std::int32_t (*)(std::uint8_t* discovery, std::int32_t* found);
using ZorSystemCheckStatusFn = std::int32_t (*)(const char16_t* systemName);
}

namespace zor {

// A command packet: FF FF, the command code, one value byte.
inline constexpr int kPacketLength = 4;
inline constexpr std::uint8_t kPacketLead = 0xFF;

// The controller's text buffer: the characters of one text, sent one per
// CMD_TEXT_CHAR packet. The end of the text (0) takes no place in it.
inline constexpr std::size_t kMaxTextLength = 64;

// Scratch the caller of ZORFindSystems provides.
inline constexpr int kDiscoveryScratchSize = 2564;

// Command codes travel in byte 2 of a command packet.
enum Command : std::uint8_t {
  CMD_DISTORTION_ADJUST_BEGIN = 3,
  CMD_JOG_UP = 4,
  CMD_JOG_DOWN = 5,
  CMD_JOG_RIGHT = 6,
  CMD_JOG_LEFT = 7,
  CMD_DISTORTION_ADJUST_SAVE = 8,
  CMD_MARK_ORIGINAL_SQUARE = 9,
  CMD_MARK_CORRECTED_SQUARE = 10,
  CMD_AIM_ALIGN_BEGIN = 11,
  CMD_AIM_ALIGN_NEXT_POINT = 12,
  CMD_AIM_ALIGN_SAVE = 13,
  CMD_SET_X_SCALE = 26,
  CMD_SET_Y_SCALE = 27,
  CMD_CENTER_ADJUST_BEGIN = 40,
  CMD_CENTER_ADJUST_SAVE = 42,
  CMD_RESET_SERIAL = 49,
  CMD_SET_RC_JUMP_DELAY = 53,
  CMD_MARK_MAX_FIELD = 64,
  CMD_SET_SERIAL_NUMBER = 65,
  CMD_TEXT_CHAR = 66,  // one character byte of a text; 0 ends the text
  CMD_SET_MIN_CURRENT = 67,
  CMD_SET_MAX_CURRENT = 68,
  CMD_SET_LENS = 69,
  CMD_SET_20_PERCENT_CURRENT = 70,
  CMD_SET_MODEL_NAME = 77,
  CMD_SET_X_DISTORTION = 78,
  CMD_SET_Y_DISTORTION = 79,
  CMD_SET_X_MULTIPLIER = 81,
  CMD_SET_Y_MULTIPLIER = 82,
  CMD_TEST_POWER_OFF = 129,
  CMD_SHUTTER_CLOSE = 134,
  CMD_SHUTTER_OPEN = 135,
  CMD_AIMING_ON = 144,
  CMD_TEST_POWER_ON = 145,
  CMD_ADJUST_END = 154,
  CMD_SET_CONTROLLER_MODEL = 167,
  CMD_MOVE_TO_X = 190,
  CMD_MOVE_TO_Y = 191,
  CMD_SET_MAC_ADDRESS = 192,
  CMD_SET_IP_ADDRESS = 194,
  CMD_SET_GATEWAY = 196,
  CMD_SET_SUBNET_MASK = 198,
  CMD_SET_WORK_TIME = 206,
  CMD_SHOW_VERSION = 241,
  CMD_INIT_POWER_BOARD = 243,
};

// Status codes are the first argument of a status query, numbered apart from
// the command codes. Every multi-byte number in a reply is little-endian.
enum StatusCode : std::uint8_t {
  CMD_GET_XY_SCALE = 75,           // two floats, X then Y
  CMD_GET_XY_DISTORTION = 76,      // two uint16, X then Y
  CMD_GET_CURRENTS = 84,           // two floats, minimum then maximum
  CMD_GET_SYSTEM_INFO = 142,       // the identity block
  CMD_GET_CONTROLLER_MODEL = 166,  // uint32: flag byte and 24-bit model code
  CMD_GET_SHIP_ID = 189,           // uint32
  CMD_GET_MAC_ADDRESS = 193,       // six bytes, leftmost group first
  CMD_GET_IP_ADDRESS = 195,        // four octets, leftmost first
  CMD_GET_GATEWAY = 197,           // four octets
  CMD_GET_SUBNET_MASK = 199,       // four octets
  CMD_GET_WORK_TIME = 207,         // uint32 seconds
};

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

// The reply length of a status code; 0 for a code the controller does not answer.
constexpr int ReplyLength(int status) {
  switch (status) {
    case CMD_GET_XY_SCALE:
      return kScaleReplyLength;
    case CMD_GET_XY_DISTORTION:
      return kDistortionReplyLength;
    case CMD_GET_CURRENTS:
      return kCurrentsReplyLength;
    case CMD_GET_SYSTEM_INFO:
      return kSystemInfoLength;
    case CMD_GET_CONTROLLER_MODEL:
      return kControllerModelReplyLength;
    case CMD_GET_SHIP_ID:
      return kShipIdReplyLength;
    case CMD_GET_MAC_ADDRESS:
      return kMacReplyLength;
    case CMD_GET_IP_ADDRESS:
    case CMD_GET_GATEWAY:
    case CMD_GET_SUBNET_MASK:
      return kAddressReplyLength;
    case CMD_GET_WORK_TIME:
      return kWorkTimeReplyLength;
    default:
      return 0;
  }
}

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

}  // namespace zor
