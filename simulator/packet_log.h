#pragma once
// --packet-log FILE: one JSON object per call served, appended as it
// happens, for scripts and tests. Keys: t, pid, system, call, code, name,
// value, result, pause_ms, short, and text on the end of a text.

#include <filesystem>
#include <ostream>
#include <string>

#include "comm/careful_file.h"
#include "simulator/observer.h"

namespace zor::simulator {

// The line of one call, without its newline.
std::string packetLogLine(const CallRecord& record);
// text (Latin-1 bytes) as a JSON string: each byte its own character, the
// control characters escaped.
std::string jsonLatin1(const std::string& text);

class PacketLog : public Observer {
 public:
  // Opens path for appending, without following a symbolic link or blocking:
  // a regular file of this user, created 0600 when missing. False, and why,
  // when it cannot be used.
  bool open(const std::filesystem::path& path, std::string& why);
  // Problems writing are said once on warnings.
  explicit PacketLog(std::ostream& warnings) : warnings_(warnings) {}

  void onCall(const CallRecord& record) override;

 private:
  std::ostream& warnings_;
  std::filesystem::path path_;
  sim::UniqueFd fd_;
  bool failed_ = false;
};

}  // namespace zor::simulator
