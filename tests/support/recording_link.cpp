#include "tests/support/recording_link.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "link/channel.h"

namespace zortest {

namespace {

RecordingLink* g_active = nullptr;
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

RecordingLink* Active(const char* entry) {
  if (g_active == nullptr) RecordingLinkMisused(std::string(entry) + " called with no RecordingLink alive");
  return g_active;
}

}  // namespace

}  // namespace zortest

// The entry points the library would export, with its C linkage.
extern "C" {
static std::int32_t RecordedSendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t* name) {
  auto* link = zortest::Active("dwSendCommand");
  return link ? link->sendCommand(packet, length, name) : 1;
}
static std::int32_t RecordedGetStatus(std::int32_t code, std::int32_t reserved, std::uint8_t* block,
                                      std::int32_t length, const char16_t* name) {
  auto* link = zortest::Active("dwGetStatus");
  return link ? link->getStatus(code, reserved, block, length, name) : 1;
}
static std::int32_t RecordedFindSystems(std::uint8_t* discovery, std::int32_t* found) {
  auto* link = zortest::Active("ZORFindSystems");
  return link ? link->findSystems(discovery, found) : 0;
}
static std::int32_t RecordedSendData(const std::uint8_t* data, std::int32_t length, const char16_t* name) {
  auto* link = zortest::Active("dwSendData");
  return link ? link->sendData(data, length, name) : 1;
}
static std::int32_t RecordedCheckStatus(const char16_t* name) {
  auto* link = zortest::Active("ZORSystemCheckStatus");
  return link ? link->checkStatus(name) : 1;
}
}

namespace zortest {

RecordingLink::RecordingLink(Record record) : record_(std::move(record)) {
  if (g_active != nullptr) {
    RecordingLinkMisused("a second RecordingLink while another is alive; its entry points stay with the first");
    return;
  }
  g_active = this;
  registered_ = true;
}

RecordingLink::~RecordingLink() {
  if (registered_) g_active = nullptr;
}

RecordingLink* RecordingLink::active() { return g_active; }

void RecordingLink::setFindResults(std::vector<std::int32_t> results) {
  if (results.empty()) results.push_back(0);
  findResults_ = std::move(results);
  findCalls_ = 0;
}

void RecordingLink::setStatus(int code, std::vector<std::uint8_t> reply, std::int32_t result) {
  replies_[code] = Reply{std::move(reply), result};
}

void RecordingLink::setStatusUntouched(int code, std::int32_t result) { replies_[code] = Reply{std::nullopt, result}; }

void RecordingLink::answerAs(std::string_view model) {
  setStatus(zor::protocol::CMD_GET_SYSTEM_INFO, Block().model(model).reply());
}

void RecordingLink::refusePacket(std::size_t n, std::int32_t result) {
  refuseAt_ = sent_ + n;
  refuseResult_ = result;
}

void RecordingLink::onPacket(std::size_t n, std::function<void()> hook) { hooks_.emplace(n, std::move(hook)); }

void RecordingLink::remove(Entry entry) { removed_.push_back(entry); }

zor::link::DeviceLink RecordingLink::link() const {
  auto present = [this](Entry entry) { return std::find(removed_.begin(), removed_.end(), entry) == removed_.end(); };
  zor::link::DeviceLink link;
  link.handle = &g_dummyHandle;
  if (present(Entry::SendCommand)) link.dwSendCommand = RecordedSendCommand;
  if (present(Entry::GetStatus)) link.dwGetStatus = RecordedGetStatus;
  if (present(Entry::SendData)) link.dwSendData = RecordedSendData;
  if (present(Entry::FindSystems)) link.ZORFindSystems = RecordedFindSystems;
  if (present(Entry::CheckStatus)) link.ZORSystemCheckStatus = RecordedCheckStatus;
  return link;
}

std::int32_t RecordingLink::sendCommand(const std::uint8_t* packet, std::int32_t length, const char16_t* name) {
  const std::size_t n = ++sent_;
  const std::int32_t result = n == refuseAt_           ? refuseResult_
                              : controller_ != nullptr ? controller_->command(packet, length, name)
                                                       : 0;
  const std::string shown = result != 0 ? " -> " + std::to_string(result) : "";
  if (packet != nullptr && length == 4 && packet[0] == 0xFF && packet[1] == 0xFF &&
      NameIs(name, zor::link::kCommandSystemName)) {
    record_("send " + Hex(packet[2]) + " " + Hex(packet[3]) + shown);
  } else {
    record_("send? " + Bytes(packet, length) + " length=" + std::to_string(length) + " name=" + Quoted(name) + shown);
  }
  const auto [from, to] = hooks_.equal_range(n);
  for (auto hook = from; hook != to; ++hook) hook->second();
  return result;
}

std::int32_t RecordingLink::getStatus(std::int32_t code, std::int32_t reserved, std::uint8_t* block,
                                      std::int32_t length, const char16_t* name) {
  std::int32_t result = 1;
  if (const auto found = replies_.find(code); found != replies_.end()) {
    result = found->second.result;
    if (found->second.bytes && block != nullptr && length > 0) {
      const auto& bytes = *found->second.bytes;
      std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), static_cast<std::size_t>(length)), block);
    }
  } else if (controller_ != nullptr) {
    result = controller_->status(code, reserved, block, length, name);
  } else if (unsetZeros_ && block != nullptr && length > 0) {
    std::fill_n(block, length, std::uint8_t{0});
    result = 0;
  }
  const std::string call = std::to_string(code) + "/" + std::to_string(length);
  if (reserved == 0 && block != nullptr && NameIs(name, zor::link::kStatusSystemName)) {
    record_("query " + call + " -> " + std::to_string(result));
  } else {
    record_("query? " + call + " reserved=" + std::to_string(reserved) + (block == nullptr ? " block=(null)" : "") +
            " name=" + Quoted(name) + " -> " + std::to_string(result));
  }
  return result;
}

std::int32_t RecordingLink::findSystems(std::uint8_t* discovery, std::int32_t* found) {
  const bool usable = discovery != nullptr && found != nullptr;
  std::int32_t result = 1;
  if (findResults_) result = (*findResults_)[std::min(findCalls_++, findResults_->size() - 1)];
  if (usable && !systems_.empty() && result != 0) {
    zor::protocol::discovery::Write(discovery, systems_);
    *found = static_cast<std::int32_t>(systems_.size());
    const char* wanted = std::getenv(zor::protocol::discovery::kSystemVariable);
    const std::int32_t addressed = zor::protocol::discovery::Addressed(systems_, wanted) ? result : 0;
    record_(std::string("find (") + zor::protocol::discovery::kSystemVariable +
            (wanted ? "=" + std::string(wanted) : " unset") + ") -> " + std::to_string(addressed));
    return addressed;
  }
  if (!findResults_ && controller_ != nullptr) {
    result = controller_->find(discovery, found);
  } else if (usable) {
    // The library may use all of its scratch: a short buffer shows under the sanitizers.
    std::memset(discovery, 0xA5, zor::protocol::kDiscoveryScratchSize);
    *found = result != 0 ? 1 : 0;
  }
  if (usable) {
    record_("find -> " + std::to_string(result));
  } else {
    record_(std::string("find? discovery=") + (discovery ? "ok" : "(null)") + " found=" + (found ? "ok" : "(null)") +
            " -> " + std::to_string(result));
  }
  return result;
}

std::int32_t RecordingLink::sendData(const std::uint8_t* data, std::int32_t length, const char16_t* name) {
  record_("senddata? " + Bytes(data, length) + " length=" + std::to_string(length) + " name=" + Quoted(name));
  return 0;
}

std::int32_t RecordingLink::checkStatus(const char16_t* name) {
  record_("checkstatus? name=" + Quoted(name));
  return 0;
}

}  // namespace zortest
