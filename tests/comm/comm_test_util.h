#pragma once
// Helpers shared by the device-link tests: the text protocol and byte views.

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <stdlib.h>

#include "comm/controller_model.h"

namespace zor::sim::test {

// What the tool's SendText does: one CMD_TEXT_CHAR per byte, the end, the command.
inline Outcome sendText(ControllerModel &model, std::uint8_t code, std::string_view text) {
  for (char c : text) model.command(CMD_TEXT_CHAR, static_cast<std::uint8_t>(c));
  model.command(CMD_TEXT_CHAR, 0);
  return model.command(code, 0);
}

inline std::vector<std::uint8_t> floatBytes(float value) {
  std::vector<std::uint8_t> bytes(4);
  std::memcpy(bytes.data(), &value, 4);  // the test hosts are little-endian, as the reply is
  return bytes;
}

inline std::vector<std::uint8_t> replyBytes(const Reply &reply, std::size_t offset, std::size_t count) {
  return {reply.bytes.begin() + static_cast<std::ptrdiff_t>(offset),
          reply.bytes.begin() + static_cast<std::ptrdiff_t>(offset + count)};
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
  const std::filesystem::path &path() const { return path_; }
  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const auto &entry : std::filesystem::directory_iterator(path_)) out.push_back(entry.path().filename());
    return out;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace zor::sim::test
