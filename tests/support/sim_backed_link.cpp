#include "tests/support/sim_backed_link.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>

namespace zortest {

namespace {

SimBackedLink* g_active = nullptr;
std::ostringstream g_warnings;

std::string Hex(std::uint8_t byte) {
  char text[3];
  std::snprintf(text, sizeof text, "%02X", byte);
  return text;
}

}  // namespace

}  // namespace zortest

extern "C" {
static std::int32_t SimSendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t* name) {
  auto* self = zortest::g_active;
  const std::int32_t result = self->sim().sendCommand(packet, length, name);
  self->transcript().add("send " + zortest::Hex(packet[2]) + " " + zortest::Hex(packet[3]) +
                         (result != 0 ? " -> " + std::to_string(result) : ""));
  return result;
}
static std::int32_t SimGetStatus(std::int32_t code, std::int32_t reserved, std::uint8_t* block, std::int32_t length,
                                 const char16_t* name) {
  auto* self = zortest::g_active;
  const std::int32_t result = self->sim().getStatus(code, reserved, block, length, name);
  self->transcript().add("query " + std::to_string(code) + "/" + std::to_string(length) + " -> " +
                         std::to_string(result));
  return result;
}
static std::int32_t SimFindSystems(std::uint8_t* discovery, std::int32_t* found) {
  auto* self = zortest::g_active;
  const std::int32_t result = self->sim().findSystems(discovery, found);
  self->transcript().add("find -> " + std::to_string(result));
  return result;
}
}

namespace zortest {

SimBackedLink::SimBackedLink(Transcript& transcript) : transcript_(transcript) {
  EXPECT_EQ(g_active, nullptr) << "one SimBackedLink at a time";
  g_active = this;
  char folder[] = "/tmp/zor-sim-XXXXXX";
  folder_ = mkdtemp(folder);
  zor::sim::LinkConfig config;
  config.statePath = folder_ / "controller-state";
  sim_ = std::make_unique<zor::sim::SimLink>(
      config, [] { return std::int64_t{0}; }, g_warnings);
}

SimBackedLink::~SimBackedLink() {
  sim_.reset();
  std::filesystem::remove_all(folder_);
  g_active = nullptr;
}

zor::DeviceLink SimBackedLink::link() const {
  zor::DeviceLink link;
  link.dwSendCommand = SimSendCommand;
  link.dwGetStatus = SimGetStatus;
  link.ZORFindSystems = SimFindSystems;
  return link;
}

}  // namespace zortest
