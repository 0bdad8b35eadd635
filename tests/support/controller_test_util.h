#pragma once
// Helpers shared by the tests of the controller and of the device link: the
// text protocol and byte views.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "controller/controller_model.h"

namespace zor::test {

// What a command's result says, as a test compares it: what the controller
// did with it, or Rejected.
enum class Did { Accepted, Committed, Ignored, Rejected };

inline Did did(const controller::CommandResult& result) {
  if (!result) return Did::Rejected;
  switch (result->effect) {
    case controller::Taken::Effect::Committed:
      return Did::Committed;
    case controller::Taken::Effect::Ignored:
      return Did::Ignored;
    case controller::Taken::Effect::Accepted:
      break;
  }
  return Did::Accepted;
}

// The reason a refused or ignored command carries; empty for one taken.
inline std::string reasonOf(const controller::CommandResult& result) { return result ? result->why : result.why(); }

// Gives the controller one command it must take (accept, commit or ignore).
inline void give(controller::ControllerModel& model, std::uint8_t code, std::uint8_t value,
                 controller::TextInput& input) {
  const controller::CommandResult result = model.command(code, value, input);
  EXPECT_TRUE(result) << "command " << int(code) << " refused: " << result.why();
}

// What the tool's SendText does: one CMD_TEXT_CHAR per byte, the end, the command.
inline controller::CommandResult sendText(controller::ControllerModel& model, std::uint8_t code,
                                          std::string_view text) {
  controller::TextInput input;
  for (char c : text) give(model, protocol::CMD_TEXT_CHAR, static_cast<std::uint8_t>(c), input);
  give(model, protocol::CMD_TEXT_CHAR, 0, input);
  return model.command(code, 0, input);
}

inline std::vector<std::uint8_t> floatBytes(float value) {
  std::vector<std::uint8_t> bytes(4);
  std::memcpy(bytes.data(), &value, 4);  // the test hosts are little-endian, as the reply is
  return bytes;
}

inline std::vector<std::uint8_t> replyBytes(const controller::Reply& reply, std::size_t offset, std::size_t count) {
  return {reply.bytes.begin() + static_cast<std::ptrdiff_t>(offset),
          reply.bytes.begin() + static_cast<std::ptrdiff_t>(offset + count)};
}

// A state with every value unlike its default, many at the ends of their ranges.
inline controller::ControllerState unusualState() {
  controller::ControllerState s;
  s.serial = -2;
  s.modelName = std::string("a\"b\\c\x01\xe9 =", 9);
  s.lens = 65535;
  s.minCurrent = 0.1;  // not exact in binary: the text must round-trip anyway
  s.maxCurrent = 1.5;
  s.current20Percent = 3.3333333333333335;
  s.xScale = 1.002;
  s.yScale = 0.998;
  s.xDistortion = 0;
  s.yDistortion = 65535;
  s.distortionOffset = {-3, 4};
  s.centerOffset = {controller::kOffsetLimit, -controller::kOffsetLimit};
  s.aimTopLeft = {1, -1};
  s.aimBottomRight = {-5, 6};
  s.xMultiplier = 0;
  s.yMultiplier = 1e6;
  s.rcJumpDelay = 12.5;
  s.controllerModel = {0x10, 0xabcdef};
  s.mac = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0xff};
  s.ip = {10, 0, 0, 1};
  s.gateway = {0, 0, 0, 0};
  s.subnetMask = {255, 255, 0, 0};
  s.shipId = 0x0000000a;
  s.workSeconds = 4294967295u;
  s.workCounted = {"0e6c2f4a-\"boot\"", {{INT64_MIN, -1}, {7'000, 9'000}, {10'000, INT64_MAX}}};
  return s;
}

inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void writeFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// A fresh folder per test, removed afterwards.
class TempDir {
 public:
  TempDir() {
    std::string pattern = ::testing::TempDir() + "zorcomm-XXXXXX";
    path_ = mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }
  std::vector<std::string> names() const { return namesIn(path_); }
  static std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) out.push_back(entry.path().filename());
    return out;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace zor::test
