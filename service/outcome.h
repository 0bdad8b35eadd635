#pragma once
// What an operation tells its front end: it was done, it was refused before
// anything was sent (and why), no system answered, the device link did not
// accept a packet, or a read got no reply. Whatever else the service layer
// does outside the channel (files, snapshots, the service log, loading the
// device link) ends the same way, with its message in UTF-16. Front ends
// show it; nothing here throws past the service layer.

#include <string>
#include <string_view>
#include <utility>

namespace zor::service {

enum class Status {
  Done,          // everything was sent, or the reply was read
  Refused,       // an input check said no; nothing was sent
  NotConnected,  // no marking system answered; the user has been told
  NotAccepted,   // the device link did not take a packet; nothing more was sent
  ReadFailed,    // the controller did not answer a status query
  FileFailed,    // a file could not be read or written
  NoDeviceLink,  // the device link could not be loaded
};

// The status as the service log and zorctl's JSON name it (the last two
// never reach the log: no operation that sent something ends with them).
inline std::string_view StatusName(Status status) {
  switch (status) {
    case Status::Done:
      return "done";
    case Status::Refused:
      return "refused";
    case Status::NotConnected:
      return "not-connected";
    case Status::NotAccepted:
      return "not-accepted";
    case Status::ReadFailed:
      return "read-failed";
    case Status::FileFailed:
      return "file";
    case Status::NoDeviceLink:
      return "no-device-link";
  }
  return "done";
}

// The input a refusal is about, so a front end can point at it (a panel field,
// a command-line argument).
enum class Input {
  None,
  Password,
  MinCurrent,
  Current20,
  MaxCurrent,
  Lens,
  SerialNumber,
  ModelName,
  ControllerModel,
  DistortionX,
  DistortionY,
  ScaleX,
  ScaleY,
  XMultiplier,
  YMultiplier,
  RcJumpDelay,
  MoveX,
  MoveY,
  Pulse,
  WorkTime,
  MacAddress,
  IpAddress,
  SubnetMask,
  Gateway,
  // The sizes measured on the corrected square, and its nominal size.
  CalibrationWidth,
  CalibrationHeight,
  CalibrationTop,
  CalibrationLeft,
  CalibrationNominal,
};

struct Outcome {
  Status status = Status::Done;
  // What to tell the user; empty for a refusal that ends silently (a wrong or
  // cancelled password) and for NotConnected, whose message was already shown.
  std::u16string message;
  Input input = Input::None;

  bool ok() const { return status == Status::Done; }

  static Outcome done() { return {}; }
  static Outcome refused(Input input, std::u16string message) { return {Status::Refused, std::move(message), input}; }
  static Outcome failed(Status status, std::u16string message = {}) {
    return {status, std::move(message), Input::None};
  }
};

// An outcome with the value read, meaningful only when ok().
template <class T>
struct Reading : Outcome {
  T value{};

  Reading() = default;
  Reading(Outcome outcome) : Outcome(std::move(outcome)) {}  // NOLINT: a failed reading is its outcome
  Reading(T v) : value(std::move(v)) {}                      // NOLINT: a value is a successful reading
};

}  // namespace zor::service
