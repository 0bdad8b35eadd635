#pragma once
// The controller's command and status codes. Command codes travel in byte 2 of
// a 4-byte command packet; status codes are the first argument of a status
// query. The two are numbered apart.

#include <cstdint>

namespace zor {

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
  CMD_TEXT_CHAR = 66,
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

enum Status : std::uint8_t {
  CMD_GET_XY_SCALE = 75,          // 8 bytes: two floats, X then Y
  CMD_GET_XY_DISTORTION = 76,     // 4 bytes: two uint16, X then Y
  CMD_GET_CURRENTS = 84,          // 8 bytes: two floats, minimum then maximum
  CMD_GET_SYSTEM_INFO = 142,      // 38 bytes: the identity block
  CMD_GET_CONTROLLER_MODEL = 166, // 4 bytes: flag byte and 24-bit model code
  CMD_GET_SHIP_ID = 189,          // 4 bytes: uint32
  CMD_GET_MAC_ADDRESS = 193,      // 6 bytes, leftmost group first
  CMD_GET_IP_ADDRESS = 195,       // 4 octets, leftmost first
  CMD_GET_GATEWAY = 197,          // 4 octets
  CMD_GET_SUBNET_MASK = 199,      // 4 octets
  CMD_GET_WORK_TIME = 207,        // 4 bytes: uint32 seconds
};

// Every multi-byte number in a status reply is little-endian.
constexpr int kSystemInfoLength = 38;

}  // namespace zor
