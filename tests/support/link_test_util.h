#pragma once
// Test doubles for the main dialog as the channel and the refresh see it.

#include <array>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "link/channel.h"
#include "protocol/zor_protocol.h"
#include "tests/support/transcript.h"

namespace zortest {

inline const std::string kNotConnectedBox = BoxEvent(u"ZOR", zor::kNotConnectedMessage);

// Records the not-connected box; on connection runs the given refresh, or
// records "refresh" when there is none.
class TestHost final : public zor::ChannelHost {
 public:
  explicit TestHost(Transcript& transcript) : transcript_(transcript) {}
  std::function<void()> refresh;

  void showNotConnected() override { transcript_.add(kNotConnectedBox); }
  void onConnected() override {
    if (refresh)
      refresh();
    else
      transcript_.add("refresh");
  }

 private:
  Transcript& transcript_;
};

// A 38-byte identity block, built field by field.
struct Block {
  std::array<std::uint8_t, zor::kSystemInfoLength> bytes{};

  Block& serial(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    return *this;
  }
  // Raw bytes at an offset, without a terminator of their own.
  Block& put(int at, std::string_view text) {
    std::memcpy(bytes.data() + at, text.data(), text.size());
    return *this;
  }
  Block& version(std::string_view text) { return put(9, text); }
  Block& date(std::string_view text) { return put(18, text); }
  Block& model(std::string_view text) { return put(26, text); }
  Block& lens(std::uint16_t mm) {
    bytes[36] = static_cast<std::uint8_t>(mm);
    bytes[37] = static_cast<std::uint8_t>(mm >> 8);
    return *this;
  }
  std::vector<std::uint8_t> reply() const { return {bytes.begin(), bytes.end()}; }
};

}  // namespace zortest
