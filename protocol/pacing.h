#pragma once
// The pauses the controller needs after a packet before the next one: it
// takes a text character, moves the mirrors, stores the alignment or answers
// a network query in that time. One table, read by the simulator's packet
// monitor to mark a pause kept too short. The tool's own waits are its own
// constants (link/, service/); a test holds them to this table.

#include <cstdint>

#include "protocol/zor_protocol.h"

namespace zor::protocol {

struct RequiredPause {
  bool status;  // after a status query with this code, else after a command packet
  std::uint8_t code;
  int milliseconds;
};

// clang-format off
inline constexpr RequiredPause kRequiredPauses[] = {
    {false, CMD_TEXT_CHAR, 100},        // every character, and the end of the text
    {false, CMD_MOVE_TO_X, 200},
    {false, CMD_MOVE_TO_Y, 200},
    {false, CMD_AIM_ALIGN_SAVE, 500},   // the alignment is stored
    {false, CMD_RESET_SERIAL, 100},
    {true, CMD_GET_MAC_ADDRESS, 300},   // the network queries
    {true, CMD_GET_IP_ADDRESS, 300},
    {true, CMD_GET_GATEWAY, 300},
    {true, CMD_GET_SUBNET_MASK, 300},
    {true, CMD_GET_SHIP_ID, 300},
};
// clang-format on

// The pause needed after a command packet (status false) or a status query
// (status true) with this code; 0 when none is.
constexpr int RequiredPauseAfter(bool status, int code) {
  for (const RequiredPause& pause : kRequiredPauses)
    if (pause.status == status && pause.code == code) return pause.milliseconds;
  return 0;
}

}  // namespace zor::protocol
