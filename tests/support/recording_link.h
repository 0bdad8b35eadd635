#pragma once
// The device link of the tests. Its five entry points record every call as
// one event in the Transcript's format ("send 42 31", "query 142/38 -> 0",
// "find -> 1"; odd calls as "send? ...", "query? ...") and answer as switched:
//   - discovery finds a system, or follows setFindResults;
//   - every packet is taken but the one refusePacket names; onPacket runs a
//     hook once a given packet is recorded;
//   - a status code answers with its reply (setStatus, answerAs) or fails
//     (setStatusUntouched); any other code, and discovery and packets left
//     open, go to the simulated controller when one answers (answerFrom,
//     tests/support/simulated_controller.h), else the code fails or, with
//     answerUnsetWithZeros, reads as zeros.
// One source, two forms: in a test, link() gives entry points that forward
// to the one RecordingLink alive; for tests of whole programs,
// recording_link_library.cpp makes a libZorComm.so of it, switched by its
// environment.

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/device_link.h"
#include "protocol/discovery.h"
#include "protocol/zor_protocol.h"
#include "tests/support/transcript.h"

namespace zortest {

// A 38-byte identity block, built field by field; zeros elsewhere.
struct Block {
  std::array<std::uint8_t, zor::protocol::kSystemInfoLength> bytes{};

  Block& serial(std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
      bytes[zor::protocol::identity::kSerialAt + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return *this;
  }
  // Raw bytes at an offset, without a terminator of their own.
  Block& put(int at, std::string_view text) {
    std::memcpy(bytes.data() + at, text.data(), text.size());
    return *this;
  }
  // The texts, each cut to its field.
  Block& version(std::string_view text) {
    return put(zor::protocol::identity::kVersionAt, text.substr(0, zor::protocol::identity::kVersionWidth));
  }
  Block& date(std::string_view text) {
    return put(zor::protocol::identity::kDateAt, text.substr(0, zor::protocol::identity::kDateWidth));
  }
  Block& model(std::string_view text) {
    return put(zor::protocol::identity::kModelAt, text.substr(0, zor::protocol::identity::kModelWidth));
  }
  Block& lens(std::uint16_t mm) {
    bytes[zor::protocol::identity::kLensAt] = static_cast<std::uint8_t>(mm);
    bytes[zor::protocol::identity::kLensAt + 1] = static_cast<std::uint8_t>(mm >> 8);
    return *this;
  }
  std::vector<std::uint8_t> reply() const { return {bytes.begin(), bytes.end()}; }
};

class RecordingLink {
 public:
  enum class Entry { SendCommand, GetStatus, SendData, FindSystems, CheckStatus };
  using Record = std::function<void(std::string event)>;

  // What answers the calls the switches leave open.
  class Controller {
   public:
    virtual ~Controller() = default;
    virtual std::int32_t command(const std::uint8_t* packet, std::int32_t length, const char16_t* name) = 0;
    virtual std::int32_t status(std::int32_t code, std::int32_t reserved, std::uint8_t* block, std::int32_t length,
                                const char16_t* name) = 0;
    virtual std::int32_t find(std::uint8_t* discovery, std::int32_t* found) = 0;
  };

  // Only one at a time: the entry points forward to it.
  explicit RecordingLink(Record record);
  explicit RecordingLink(Transcript& transcript)
      : RecordingLink([&transcript](std::string event) { transcript.add(std::move(event)); }) {}
  ~RecordingLink();
  RecordingLink(const RecordingLink&) = delete;
  RecordingLink& operator=(const RecordingLink&) = delete;

  // ---- switches ----
  // Results of successive discovery calls; after the last, the last repeats.
  // Nonzero means a system was found. {0, 1}: the first attempt fails, later ones succeed.
  void setFindResults(std::vector<std::int32_t> results);
  // The systems each discovery lists from now on, addressed as our device
  // link addresses them (ZORCOMM_SYSTEM, else the first), by every discovery
  // whose result says found; it returns 0 when the addressed one is not among
  // them. The record then says which was addressed: "find (ZORCOMM_SYSTEM=7)
  // -> 1". None (the default): the block is filled with 0xA5 and one is counted.
  void setSystems(std::vector<zor::protocol::discovery::Entry> systems) { systems_ = std::move(systems); }
  // The reply to a status code: up to length bytes of reply are written.
  void setStatus(int code, std::vector<std::uint8_t> reply, std::int32_t result = 0);
  // A status code that returns result and writes nothing.
  void setStatusUntouched(int code, std::int32_t result);
  // The identity query answers as a system of this model (cut to its field), zeros elsewhere.
  void answerAs(std::string_view model);
  // A status code without a reply of its own reads as zeros, rather than failing.
  void answerUnsetWithZeros() { unsetZeros_ = true; }
  // The n-th packet from now (1 = the next) is not taken: dwSendCommand
  // returns result for it, recorded as "send 42 31 -> result".
  void refusePacket(std::size_t n, std::int32_t result = 2);
  // Runs hook once the n-th packet (counted from the first) is recorded.
  void onPacket(std::size_t n, std::function<void()> hook);
  // What the switches leave open goes to controller (nullptr: none).
  void answerFrom(Controller* controller) { controller_ = controller; }
  // The library lacks this entry point: link() leaves its slot empty.
  void remove(Entry entry);

  // The entry points, pointing here. The handle is a dummy: nothing may close it.
  zor::link::DeviceLink link() const;
  static RecordingLink* active();

  // ---- the calls, as the entry points make them ----
  std::int32_t sendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t* name);
  std::int32_t getStatus(std::int32_t code, std::int32_t reserved, std::uint8_t* block, std::int32_t length,
                         const char16_t* name);
  std::int32_t findSystems(std::uint8_t* discovery, std::int32_t* found);
  std::int32_t sendData(const std::uint8_t* data, std::int32_t length, const char16_t* name);
  std::int32_t checkStatus(const char16_t* name);

 private:
  struct Reply {
    std::optional<std::vector<std::uint8_t>> bytes;  // none: the block is left alone
    std::int32_t result = 0;
  };

  Record record_;
  std::optional<std::vector<std::int32_t>> findResults_;  // none: found, or as the controller says
  std::size_t findCalls_ = 0;
  std::vector<zor::protocol::discovery::Entry> systems_;
  std::map<int, Reply> replies_;
  bool unsetZeros_ = false;
  Controller* controller_ = nullptr;
  std::size_t sent_ = 0;
  std::size_t refuseAt_ = 0;
  std::int32_t refuseResult_ = 0;
  std::multimap<std::size_t, std::function<void()>> hooks_;
  std::vector<Entry> removed_;
  bool registered_ = false;
};

// A misuse of the recording link (a second one alive, a call with none):
// a failure of the running test in a test, a line on standard error in the
// library.
void RecordingLinkMisused(const std::string& what);

}  // namespace zortest
