#pragma once
// The results of our device link's entry points besides 0, the same whichever
// backend answers: the controller in the calling process or zor-simulator.

#include <cstdint>

namespace zor::protocol {

enum LinkResult : std::int32_t {
  kNoSystem = 1,       // ZORCOMM_LINK=none, or no simulated system of that serial
  kBadArgument = 2,    // null pointer, bad length, packet without FF FF
  kUnknownStatus = 3,  // a status code the controller does not answer
  kShortBlock = 4,     // the caller's block is shorter than the reply
  kNotKept = 5,        // a change the controller took but could not keep in its state file
  kInternalError = 6,  // an unexpected failure inside the library (out of memory, ...)
  kNoAnswer = 7,       // the simulator did not answer in time or went away
  kFaultInjected = 8,  // a fault the simulator was asked to inject (a refused packet, an unanswered query)
};

}  // namespace zor::protocol
