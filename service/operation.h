#pragma once
// How each operation of the service layer runs: the channel may stop it at
// any packet; the outcome says how it ended, and an operation that sent
// anything is reported to the observer. Private to service/.

#include <QtEndian>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "service/maintenance.h"
#include "text/people_text.h"

namespace zor::service {

struct Maintenance::Operation {
  std::u16string name;            // as the service log names it
  std::u16string value;           // what it sends, as sent
  const char* caution = nullptr;  // what may be left on when its packet is not taken (its English)
  bool logged = true;             // false for the steps of an adjustment, logged as a whole
};

// How the service log names the Set of the table's row whose value the
// panel's field holds: "set scale" for either of its fields; empty for a
// field of no row.
std::u16string SetOperationName(Input field);

// Tells the user the device link did not take a packet, and what that may leave behind.
Outcome NotAcceptedOutcome(const link::ChannelStopped& stopped, const char* caution);

template <class Body>
Outcome Maintenance::send(const Operation& operation, Body&& body) {
  const auto before = channel_.packetsOffered();
  const auto notKeptBefore = channel_.packetsNotKept();
  Outcome outcome;
  try {
    outcome = std::forward<Body>(body)();
  } catch (const link::ChannelStopped& stopped) {
    outcome = stopped.why == link::ChannelStopped::Why::NotConnected ? Outcome::failed(Status::NotConnected)
                                                                     : NotAcceptedOutcome(stopped, operation.caution);
  }
  outcome.notKept = outcome.notKept || channel_.packetsNotKept() != notKeptBefore;
  if (operation.logged && channel_.packetsOffered() != before) report(operation, outcome);
  return outcome;
}

// A read that may need the connection check first; a check that finds no
// system ends it as NotConnected.
template <class T, class Body>
Reading<T> Maintenance::read(Body&& body) {
  try {
    return std::forward<Body>(body)();
  } catch (const link::ChannelStopped& stopped) {
    if (stopped.why == link::ChannelStopped::Why::NotConnected) return Outcome::failed(Status::NotConnected);
    return NotAcceptedOutcome(stopped, nullptr);
  }
}

// A single-precision number as the controller's replies carry it.
inline float LittleEndianFloat(const std::uint8_t* bytes) {
  return std::bit_cast<float>(qFromLittleEndian<std::uint32_t>(bytes));
}

// A text marked with QT_TRANSLATE_NOOP where it is written, translated where
// it is used.
inline text::PeopleText Marked(const char* context, const char* source) {
  return {QString::fromUtf8(source), QCoreApplication::translate(context, source)};
}

inline Outcome ReadFailed(const text::PeopleText& message) { return Outcome::failed(Status::ReadFailed, message); }

}  // namespace zor::service
