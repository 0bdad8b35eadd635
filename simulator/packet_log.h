#pragma once
// The logs of zor-simulator for scripts and tests, appended as it happens.
// --packet-log FILE: one JSON object per call served. Keys: t, pid, system,
// call, code, name, value, result, pause_ms, short, and text on the end of a
// text.

#include <filesystem>
#include <ostream>
#include <string>

#include "simulator/json_lines.h"
#include "simulator/observer.h"

namespace zor::simulator {

// The line of one call, without its newline.
std::string packetLogLine(const CallRecord& record);
// text (Latin-1 bytes) as a JSON string: each byte its own character, the
// control characters escaped.
std::string jsonLatin1(const std::string& text);

class PacketLog : public Observer {
 public:
  // Problems writing are said once on warnings.
  explicit PacketLog(std::ostream& warnings) : file_("packet log", warnings) {}
  // Opens path as a JSON lines file (simulator/json_lines.h); false, and why,
  // when it cannot be used.
  files::Result<> open(const std::filesystem::path& path) { return file_.open(path); }

  void onCall(const CallRecord& record) override { file_.append(packetLogLine(record)); }

 private:
  JsonLinesFile file_;
};

// --field-log FILE: one JSON object per change of what a field view draws
// (simulator/field_model.h gives the keys).
class FieldLog : public Observer {
 public:
  explicit FieldLog(std::ostream& warnings) : file_("field log", warnings) {}
  files::Result<> open(const std::filesystem::path& path) { return file_.open(path); }

  void onField(const FieldChange& change) override {
    file_.append(simulator::fieldEventJson(change.event, change.t, change.serial));
  }

 private:
  JsonLinesFile file_;
};

}  // namespace zor::simulator
