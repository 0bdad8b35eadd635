#pragma once
// An in-process device link. Its five entry points are plain functions that
// forward to the one FakeLink alive, which records every call into a
// Transcript and answers as configured. By default a system is found, every
// packet is taken, and status codes without a configured reply fail (result 1)
// and leave the block as it was.

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "link/device_link.h"
#include "protocol/discovery.h"
#include "tests/support/transcript.h"

namespace zortest {

class FakeLink {
 public:
  enum class Entry { SendCommand, GetStatus, SendData, FindSystems, CheckStatus };

  explicit FakeLink(Transcript& transcript);
  ~FakeLink();
  FakeLink(const FakeLink&) = delete;
  FakeLink& operator=(const FakeLink&) = delete;

  // Results of successive discovery calls; after the last, the last repeats.
  // Nonzero means a system was found. {0, 1}: the first attempt fails, later ones succeed.
  void setFindResults(std::vector<std::int32_t> results);

  // The systems each discovery lists from now on, addressed as our device
  // link addresses them (ZORCOMM_SYSTEM, else the first), by every discovery
  // whose result says found; it returns 0 when the addressed one is not among them. The
  // transcript then says which was addressed: "find (ZORCOMM_SYSTEM=7) -> 1".
  // None (the default): the block is filled with 0xA5 and one is counted.
  void setSystems(std::vector<zor::discovery::Entry> systems) { systems_ = std::move(systems); }

  // The reply to a status code: up to length bytes of reply are written.
  void setStatus(int code, std::vector<std::uint8_t> reply, std::int32_t result = 0);
  // A status code that returns result and writes nothing.
  void setStatusUntouched(int code, std::int32_t result);

  // What dwSendCommand returns (0 by default).
  void setSendResult(std::int32_t result) { sendResult_ = result; }
  // The n-th packet from now (1 = the next) is not taken: dwSendCommand
  // returns result for it, recorded as "send 42 31 -> result".
  void refusePacket(std::size_t n, std::int32_t result = 2) {
    refuseAt_ = sent_ + n;
    refuseResult_ = result;
  }

  // The library lacks this entry point: link() leaves its slot empty.
  void remove(Entry entry);

  // The entry points, pointing here. The handle is a dummy: nothing may close it.
  zor::DeviceLink link() const;

  Transcript& transcript() { return transcript_; }

  // Called by the entry points.
  std::int32_t sendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t* name);
  std::int32_t getStatus(std::int32_t code, std::int32_t reserved, std::uint8_t* block, std::int32_t length,
                         const char16_t* name);
  std::int32_t findSystems(std::uint8_t* discovery, std::int32_t* found);
  std::int32_t sendData(const std::uint8_t* data, std::int32_t length, const char16_t* name);
  std::int32_t checkStatus(const char16_t* name);

  static FakeLink* active();

 private:
  struct Reply {
    std::optional<std::vector<std::uint8_t>> bytes;  // none: the block is left alone
    std::int32_t result = 0;
  };

  Transcript& transcript_;
  std::vector<std::int32_t> findResults_{1};
  std::size_t findCalls_ = 0;
  std::vector<zor::discovery::Entry> systems_;
  std::map<int, Reply> replies_;
  std::int32_t sendResult_ = 0;
  std::size_t sent_ = 0;
  std::size_t refuseAt_ = 0;
  std::int32_t refuseResult_ = 0;
  std::vector<Entry> removed_;
  bool registered_ = false;
};

}  // namespace zortest
