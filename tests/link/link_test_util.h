#pragma once
// Test doubles for the main dialog as the channel and the refresh see it.

#include <array>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "link/channel.h"
#include "protocol/zor_protocol.h"
#include "link/refresh.h"
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

// Records what the refresh does to the panel and keeps the enabled state of
// every control it touched. Consecutive enables (or disables) share one event:
// "enable 1000 1078 1057".
class RecordingPanel final : public zor::PanelSurface {
 public:
  explicit RecordingPanel(Transcript& transcript) : transcript_(transcript) {}

  std::map<int, bool> enabled;  // controls never touched are absent
  int lensIndex = -1;

  void setControlEnabled(int id, bool on) override {
    enabled[id] = on;
    const std::string verb = on ? "enable" : "disable";
    const auto& events = transcript_.events();
    if (!events.empty() && events.back().rfind(verb + " ", 0) == 0) {
      std::string merged = events.back() + " " + std::to_string(id);
      Transcript rest;
      for (std::size_t i = 0; i + 1 < events.size(); ++i) rest.add(events[i]);
      rest.add(std::move(merged));
      transcript_ = std::move(rest);
    } else {
      transcript_.add(verb + " " + std::to_string(id));
    }
  }
  void setControlText(int id, const std::u16string& text) override {
    transcript_.add("text " + std::to_string(id) + " " + Utf8(text));
  }
  void showFamilyPicture(int bitmapId) override { transcript_.add("picture " + std::to_string(bitmapId)); }
  void setLensIndex(int index) override {
    lensIndex = index;
    transcript_.add("lens index " + std::to_string(index));
  }
  void rewriteBoundFields() override { transcript_.add("rewrite bound fields"); }
  void showMessage(const std::u16string& text) override { transcript_.add(BoxEvent(u"", text)); }

 private:
  Transcript& transcript_;
};

// The family layouts as a RecordingPanel records them, read off the panel's
// table column by column.
inline const std::vector<std::string> kNkLayout{
    "enable 1000 1078 1057 1001 1080 1058 1002 1079 1056 1036 1038 1041 1042 1017 1018 8 7 1086",
    "disable 1040 1094 1092 1093",
    "enable 1095 1096 1087 1088",
    "disable 1089",
};
inline const std::vector<std::string> kNLayout{
    "enable 1000 1078 1057 1001 1080 1058 1002 1079 1056",
    "disable 1036 1038 1041 1042 1017 1018 8 7 1086",
    "enable 1003 1004 4 3",
    "disable 1065",
    "enable 1068 1069 1070 1071",
    "disable 1066 1067 1062 1060",
    "enable 1061 1081",
    "disable 1040 1094 1092 1093",
    "enable 1095 1096 1084",
    "disable 1087 1088 1089",
};
inline const std::vector<std::string> kNzLayout{
    "enable 1000 1078 1057",
    "disable 1001 1080 1058 1002 1079 1056 1036 1041 1042 1017 1018 8 7 1086",
    "enable 1003 1004 4 3 1065 1068 1069 1070 1071 1066 1067 1062 1060 1061 1073 1081 1040 1094 1092 1093",
    "disable 1095 1096",
    "enable 1084 1087 1088 1089",
};

// Pieces of a transcript, one after the other.
inline Transcript Concat(std::initializer_list<std::vector<std::string>> parts) {
  Transcript all;
  for (const auto& part : parts)
    for (const auto& event : part) all.add(event);
  return all;
}

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
