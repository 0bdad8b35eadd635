#include "tests/support/fake_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "link/channel.h"

namespace zortest {

namespace {

FakeLink* g_active = nullptr;
int g_dummyHandle = 0;

constexpr int kMaxShownBytes = 16;
constexpr int kMaxNameLength = 64;

std::string Hex(std::uint8_t byte) {
  char text[3];
  std::snprintf(text, sizeof text, "%02X", byte);
  return text;
}

std::string Bytes(const std::uint8_t* bytes, std::int32_t length) {
  if (bytes == nullptr) return "(null)";
  std::string out;
  const int shown = std::clamp(length, 0, kMaxShownBytes);
  for (int i = 0; i < shown; ++i) out += (i ? " " : "") + Hex(bytes[i]);
  if (length > shown) out += " ...";
  return out;
}

std::u16string Name(const char16_t* name) {
  std::u16string text;
  for (int i = 0; i < kMaxNameLength && name[i] != 0; ++i) text += name[i];
  return text;
}

std::string Quoted(const char16_t* name) { return name == nullptr ? "(null)" : "\"" + Utf8(Name(name)) + "\""; }

bool NameIs(const char16_t* name, std::u16string_view expected) { return name != nullptr && Name(name) == expected; }

FakeLink* Active(const char* entry) {
  if (g_active == nullptr) ADD_FAILURE() << entry << " called with no FakeLink alive";
  return g_active;
}

}  // namespace

}  // namespace zortest

// The entry points the library would export, with its C linkage.
extern "C" {
static std::int32_t FakeSendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t* name) {
  auto* fake = zortest::Active("dwSendCommand");
  return fake ? fake->sendCommand(packet, length, name) : 1;
}
static std::int32_t FakeGetStatus(std::int32_t code, std::int32_t reserved, std::uint8_t* block, std::int32_t length,
                                  const char16_t* name) {
  auto* fake = zortest::Active("dwGetStatus");
  return fake ? fake->getStatus(code, reserved, block, length, name) : 1;
}
static std::int32_t FakeFindSystems(std::uint8_t* discovery, std::int32_t* found) {
  auto* fake = zortest::Active("ZORFindSystems");
  return fake ? fake->findSystems(discovery, found) : 0;
}
static std::int32_t FakeSendData(const std::uint8_t* data, std::int32_t length, const char16_t* name) {
  auto* fake = zortest::Active("dwSendData");
  return fake ? fake->sendData(data, length, name) : 1;
}
static std::int32_t FakeCheckStatus(const char16_t* name) {
  auto* fake = zortest::Active("ZORSystemCheckStatus");
  return fake ? fake->checkStatus(name) : 1;
}
}

namespace zortest {

FakeLink::FakeLink(Transcript& transcript) : transcript_(transcript) {
  if (g_active != nullptr) {
    ADD_FAILURE() << "a second FakeLink while another is alive; its entry points stay with the first";
    return;
  }
  g_active = this;
  registered_ = true;
}

FakeLink::~FakeLink() {
  if (registered_) g_active = nullptr;
}

FakeLink* FakeLink::active() { return g_active; }

void FakeLink::setFindResults(std::vector<std::int32_t> results) {
  if (results.empty()) results.push_back(0);
  findResults_ = std::move(results);
  findCalls_ = 0;
}

void FakeLink::setStatus(int code, std::vector<std::uint8_t> reply, std::int32_t result) {
  replies_[code] = Reply{std::move(reply), result};
}

void FakeLink::setStatusUntouched(int code, std::int32_t result) { replies_[code] = Reply{std::nullopt, result}; }

void FakeLink::remove(Entry entry) { removed_.push_back(entry); }

zor::DeviceLink FakeLink::link() const {
  auto present = [this](Entry entry) { return std::find(removed_.begin(), removed_.end(), entry) == removed_.end(); };
  zor::DeviceLink link;
  link.m_hDeviceLink = &g_dummyHandle;
  if (present(Entry::SendCommand)) link.dwSendCommand = FakeSendCommand;
  if (present(Entry::GetStatus)) link.dwGetStatus = FakeGetStatus;
  if (present(Entry::SendData)) link.dwSendData = FakeSendData;
  if (present(Entry::FindSystems)) link.ZORFindSystems = FakeFindSystems;
  if (present(Entry::CheckStatus)) link.ZORSystemCheckStatus = FakeCheckStatus;
  return link;
}

std::int32_t FakeLink::sendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t* name) {
  const std::int32_t result = ++sent_ == refuseAt_ ? refuseResult_ : sendResult_;
  const std::string shown = result != 0 ? " -> " + std::to_string(result) : "";
  if (packet != nullptr && length == 4 && packet[0] == 0xFF && packet[1] == 0xFF &&
      NameIs(name, zor::kCommandSystemName)) {
    transcript_.add("send " + Hex(packet[2]) + " " + Hex(packet[3]) + shown);
  } else {
    transcript_.add("send? " + Bytes(packet, length) + " length=" + std::to_string(length) + " name=" + Quoted(name) +
                    shown);
  }
  return result;
}

std::int32_t FakeLink::getStatus(std::int32_t code, std::int32_t reserved, std::uint8_t* block, std::int32_t length,
                                 const char16_t* name) {
  const auto found = replies_.find(code);
  const std::int32_t result = found == replies_.end() ? 1 : found->second.result;
  if (found != replies_.end() && found->second.bytes && block != nullptr && length > 0) {
    const auto& bytes = *found->second.bytes;
    std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), static_cast<std::size_t>(length)), block);
  }
  const std::string call = std::to_string(code) + "/" + std::to_string(length);
  if (reserved == 0 && block != nullptr && NameIs(name, zor::kStatusSystemName)) {
    transcript_.add("query " + call + " -> " + std::to_string(result));
  } else {
    transcript_.add("query? " + call + " reserved=" + std::to_string(reserved) +
                    (block == nullptr ? " block=(null)" : "") + " name=" + Quoted(name) + " -> " +
                    std::to_string(result));
  }
  return result;
}

std::int32_t FakeLink::findSystems(std::uint8_t* discovery, std::int32_t* found) {
  const std::int32_t result = findResults_[std::min(findCalls_, findResults_.size() - 1)];
  ++findCalls_;
  if (discovery == nullptr || found == nullptr) {
    transcript_.add(std::string("find? discovery=") + (discovery ? "ok" : "(null)") +
                    " found=" + (found ? "ok" : "(null)") + " -> " + std::to_string(result));
    return result;
  }
  if (!systems_.empty() && result != 0) {
    zor::discovery::Write(discovery, systems_);
    *found = static_cast<std::int32_t>(systems_.size());
    const char* wanted = std::getenv(zor::discovery::kSystemVariable);
    const std::int32_t addressed = zor::discovery::Addressed(systems_, wanted) ? result : 0;
    transcript_.add(std::string("find (") + zor::discovery::kSystemVariable +
                    (wanted ? "=" + std::string(wanted) : " unset") + ") -> " + std::to_string(addressed));
    return addressed;
  }
  // The library may use all of its scratch: a short buffer shows under the sanitizers.
  std::memset(discovery, 0xA5, zor::kDiscoveryScratchSize);
  *found = result != 0 ? 1 : 0;
  transcript_.add("find -> " + std::to_string(result));
  return result;
}

std::int32_t FakeLink::sendData(const std::uint8_t* data, std::int32_t length, const char16_t* name) {
  transcript_.add("senddata? " + Bytes(data, length) + " length=" + std::to_string(length) + " name=" + Quoted(name));
  return 0;
}

std::int32_t FakeLink::checkStatus(const char16_t* name) {
  transcript_.add("checkstatus? name=" + Quoted(name));
  return 0;
}

}  // namespace zortest
