#pragma once
// The service layer on the recording link and the virtual pacer. One
// transcript holds the packets, the waits and what the host is told (the
// not-connected box, "identified NZ-7", "unidentified", a choice among several
// systems); the host keeps the
// records of the operations, as the service log would get them.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/zor_protocol.h"
#include "service/maintenance.h"
#include "tests/support/link_test_util.h"
#include "tests/support/recording_link.h"
#include "tests/support/transcript.h"
#include "tests/support/virtual_pacer.h"

namespace zortest {

class TranscribingHost final : public zor::service::Host, public zor::service::OperationObserver {
 public:
  explicit TranscribingHost(Transcript& t) : t_(t) {}
  std::vector<zor::service::OperationRecord> records;

  void notConnected() override { t_.add(kNotConnectedBox); }
  void identified(const zor::service::Identity& identity) override {
    t_.add(identity.readable ? "identified " + Utf8(identity.info.model) : "unidentified");
  }
  void operationEnded(const zor::service::OperationRecord& record) override { records.push_back(record); }

  // Asked only when several systems answer: records what it was offered and
  // answers pick (nothing: cancel).
  std::optional<std::size_t> pick;
  std::optional<std::size_t> chooseSystem(std::span<const zor::link::FoundSystem> systems,
                                          std::optional<std::size_t> addressed) override {
    t_.add("choose among " + std::to_string(systems.size()) + ", on " +
           (addressed ? std::to_string(systems[*addressed].serial) : "none"));
    return pick;
  }

 private:
  Transcript& t_;
};

// The events of a text transfer: each byte under CMD_TEXT_CHAR and the end of
// text, each followed by 100 ms, then the command that takes the text.
inline Transcript TextSent(int code, std::string_view bytes) {
  Transcript sent;
  auto add = [&](int c, int value) {
    char event[16];
    std::snprintf(event, sizeof event, "send %02X %02X", c & 0xFF, value & 0xFF);
    sent.add(event);
  };
  for (unsigned char c : bytes) {
    add(zor::protocol::CMD_TEXT_CHAR, c);
    sent.add("wait 100");
  }
  add(zor::protocol::CMD_TEXT_CHAR, 0);
  sent.add("wait 100");
  add(code, 0);
  return sent;
}

// Float values as the controller sends them: four bytes each, little-endian.
inline std::vector<std::uint8_t> FloatBytes(std::initializer_list<float> values) {
  std::vector<std::uint8_t> bytes;
  for (float f : values) {
    const auto bits = std::bit_cast<std::uint32_t>(f);
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
  }
  return bytes;
}

class ServiceOnLink : public ::testing::Test {
 protected:
  Transcript t;
  RecordingLink fake{t};
  VirtualPacer pacer{t};
  TranscribingHost host{t};
  zor::link::DeviceLink link = fake.link();
  zor::service::Maintenance service{link, pacer, host};

  ServiceOnLink() { service.setObserver(&host); }

  // Connected to a system of this identity, with nothing recorded yet.
  void connect(const Block& identity) {
    fake.setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, identity.reply());
    service.connect();
    t.clear();
  }
};

}  // namespace zortest
