#pragma once
// Test doubles for the main dialog as the channel and the refresh see it.

#include <functional>
#include <string>

#include "link/channel.h"
#include "tests/support/recording_link.h"
#include "tests/support/transcript.h"

namespace zortest {

inline const std::string kNotConnectedBox = BoxEvent(u"ZOR", zor::link::kNotConnectedMessage);

// Records the not-connected box; on connection runs the given refresh, or
// records "refresh" when there is none.
class TestHost final : public zor::link::ChannelHost {
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

}  // namespace zortest
