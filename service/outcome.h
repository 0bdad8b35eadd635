#pragma once
// What an operation tells its front end: it was done, it was refused before
// anything was sent (and why), no system answered, the device link did not
// accept a packet, or a read got no reply; besides, whether the controller
// took a change it could not save. Whatever else the service layer
// does outside the channel (files, snapshots, the service log, loading the
// device link) ends the same way, with its message in UTF-16. Front ends
// show it; nothing here throws past the service layer.

#include <string>
#include <string_view>
#include <utility>

#include "text/people_text.h"

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

  // The controller took a change but could not save it (the device link's
  // result 5): it lasts only until the controller ends. The status stands as
  // it is; front ends say kNotKeptMessage besides.
  bool notKept = false;

  // The message's English, when the user reads it in another language; empty
  // when it is the message itself. The service log and zorctl's JSON keep
  // the English in every language (SourceMessage).
  std::u16string sourceMessage{};

  bool ok() const { return status == Status::Done; }

  static Outcome done() { return {}; }
  static Outcome refused(Input input, std::u16string message) { return {Status::Refused, std::move(message), input}; }
  static Outcome failed(Status status, std::u16string message = {}) {
    return {status, std::move(message), Input::None};
  }
  // The same with a text for people: the user reads its local form, the
  // record keeps its English. (PeopleText has no default constructor, so a
  // `{}` message still means the std::u16string above.)
  static Outcome refused(Input input, const zor::text::PeopleText& message) {
    return withText({Status::Refused, {}, input}, message);
  }
  static Outcome failed(Status status, const zor::text::PeopleText& message) {
    return withText({status, {}, Input::None}, message);
  }

 private:
  static Outcome withText(Outcome outcome, const zor::text::PeopleText& text) {
    outcome.message = text.localU16();
    if (text.local() != text.source()) outcome.sourceMessage = text.sourceU16();
    return outcome;
  }
};

// The outcome's message in English, as the record keeps it.
inline const std::u16string& SourceMessage(const Outcome& outcome) {
  return outcome.sourceMessage.empty() ? outcome.message : outcome.sourceMessage;
}

// The outcome's message as a text for people: its English and the user's
// form, to go into another message whole.
inline zor::text::PeopleText MessageText(const Outcome& outcome) {
  return {QString::fromStdU16String(SourceMessage(outcome)), QString::fromStdU16String(outcome.message)};
}

// What the user is told of a change that was not kept. The device link gives
// its reason on its own standard error and in its trace, which the tool
// cannot read through the device link's entry points.
inline constexpr std::u16string_view kNotKeptMessage =
    u"The marking system took the change, but its controller could not save it (device link result 5): the change "
    u"lasts only until the controller ends (for a simulated system, the program holding it or zor-simulator). The "
    u"device link gives the reason on its standard error and in its trace.";

// The outcome as the service log names it: its status's name, or
// "not-kept" for one that was done but not kept.
inline std::string_view OutcomeName(const Outcome& outcome) {
  return outcome.ok() && outcome.notKept ? "not-kept" : StatusName(outcome.status);
}

// The same for people: kNotKeptMessage in the user's language.
inline zor::text::PeopleText NotKeptText() {
  return zor::text::Tr(
      "zor::service::Outcome",
      "The marking system took the change, but its controller could not save it (device link result 5): the change "
      "lasts only until the controller ends (for a simulated system, the program holding it or zor-simulator). The "
      "device link gives the reason on its standard error and in its trace.");
}

// A message, then, when the change was not kept, what that means.
inline std::u16string WithNotKept(std::u16string text, bool notKept, std::u16string_view notKeptText) {
  if (!notKept) return text;
  if (!text.empty()) text += u"\n\n";
  text += notKeptText;
  return text;
}

// Everything the outcome tells the user, in the user's language: its
// message, then what was not kept.
inline std::u16string FullMessage(const Outcome& outcome) {
  return WithNotKept(outcome.message, outcome.notKept, outcome.notKept ? NotKeptText().localU16() : u"");
}

// The same in English, for the service log.
inline std::u16string FullSourceMessage(const Outcome& outcome) {
  return WithNotKept(SourceMessage(outcome), outcome.notKept, kNotKeptMessage);
}

// An outcome with the value read, meaningful only when ok().
template <class T>
struct Reading : Outcome {
  T value{};

  Reading() = default;
  Reading(Outcome outcome) : Outcome(std::move(outcome)) {}  // NOLINT: a failed reading is its outcome
  Reading(T v) : value(std::move(v)) {}                      // NOLINT: a value is a successful reading
};

}  // namespace zor::service
