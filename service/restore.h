#pragma once
// Comparing a settings snapshot with the connected controller, and putting
// the snapshot's values back: calibration first, network settings last, the
// identity values only when asked for and behind the service password, and
// only what differs. Every value is sent exactly as the panel's own Set sends
// it, then read back.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "service/maintenance.h"
#include "service/settings.h"
#include "service/snapshot.h"
#include "text/people_text.h"

namespace zor::service {

// What a restore would do with one setting.
enum class RestorePlan {
  Send,           // it differs (or the controller's value is unknown): it would be sent
  Same,           // controller and file agree
  NotInFile,      // the file has no value for it
  NeedsIdentity,  // an identity value that differs: sent only when asked for
  ShownOnly,      // the working time and the ship id are never sent
  NotOnFamily,    // the system's family has no Set for it: never sent
};

struct SettingComparison {
  std::string name;  // as zorctl's set names it: "min-current", "distortion", ...
  SettingGroup group;
  std::optional<std::u16string> controller;  // nullopt: could not be read, or not read (below)
  std::optional<std::u16string> file;        // nullopt: not in the file
  RestorePlan plan;
  bool readOnFamily = true;  // false: the system's family cannot read it, so it was not read
};

struct Comparison {
  Outcome outcome;  // NotConnected or NotAccepted when the controller could not be asked at all
  std::optional<std::int32_t> controllerSerial;
  std::optional<std::int32_t> fileSerial;
  std::optional<link::Family> family;  // the controller's; nullopt when its identity could not be read
  bool otherSystem() const { return !controllerSerial || !fileSerial || *controllerSerial != *fileSerial; }
  std::vector<SettingComparison> rows;
  int toSend() const;
  // The settings whose controller value was to be read but could not be.
  std::vector<std::string> unreadable() const;
};

Comparison Compare(Maintenance& service, const Snapshot& snapshot, bool includeIdentity);
// The same comparison with the identity values taken in or left out.
void IncludeIdentity(Comparison& comparison, bool includeIdentity);

struct RestoreOptions {
  bool identity = false;     // also the serial number, model name and controller model
  std::u16string password;   // for those
  bool otherSystem = false;  // the snapshot may come from another system
  std::string source;        // the file, as the service log names it
};

// Told before each setting goes out; returning false cancels the rest.
class RestoreProgress {
 public:
  virtual ~RestoreProgress() = default;
  virtual bool proceed(int index, int total, const std::string& name) = 0;
};

enum class RestoreResult {
  Unchanged,   // not sent: it was the same, or not to be sent
  Verified,    // sent, and read back as in the file
  NotKept,     // sent and read back as in the file, but the controller could not save it
  Differs,     // sent, but reads back otherwise
  Unreadable,  // sent, but could not be read back
  Failed,      // its packets did not all go out (the restore stopped there)
  NotSent,     // to be sent, but the restore was cancelled or had stopped before it
};
inline constexpr int kRestoreResults = 7;

struct RestoredSetting {
  SettingComparison comparison;
  RestoreResult result = RestoreResult::Unchanged;
  std::optional<std::u16string> after;  // what it reads back as
};

struct RestoreReport {
  // Done (also when cancelled), Refused (nothing sent), or how it stopped;
  // notKept when the controller could not save a setting it took.
  Outcome outcome;
  bool cancelled = false;
  std::optional<link::Family> family;  // the controller's, as compared
  std::vector<RestoredSetting> settings;
  int sent() const;
  // For the front ends' summaries. When a setting did not end verified,
  // a first line says what happened to each, and how many were not sent
  // ("lens: sent 7.20210, the controller reads 7.2; 7 settings not sent.");
  // then "3 settings restored and verified; ...", with the file's values the
  // family has no Set for.
  // In English (zorctl's JSON), and for people in their language.
  std::u16string summary() const;
  text::PeopleText summaryText() const;

 private:
  text::PeopleText whatHappened() const;
};

RestoreReport Restore(Maintenance& service, const Snapshot& snapshot, const RestoreOptions& options,
                      RestoreProgress* progress);

// One Set sent and its value read back, as a restore does with every setting
// it sends; the service log's record of the Set says what the read-back
// showed ("differs", "unreadable").
struct ReadBack {
  Outcome outcome;  // the Set's own
  // Verified (NotKept when the controller could not save it), Differs or
  // Unreadable once the Set went out; Failed when it did not.
  RestoreResult result = RestoreResult::Failed;
  std::optional<std::u16string> after;  // what it reads back as
};
// expected: what the setting's Get shows for the value sent (nothing: no
// value read back matches). family: the system's, as its identity told; a
// value its family cannot read is Unreadable.
ReadBack SendAndReadBack(Maintenance& service, const Setting& setting, const Task& set,
                         const std::optional<std::u16string>& expected, std::optional<link::Family> family);

std::u16string_view ResultName(RestoreResult result);  // "verified", "differs", ...
std::u16string_view PlanName(RestorePlan plan);        // "send", "same", ...
// The same for people, in their language (JSON keeps the names above).
text::PeopleText RestoreResultText(RestoreResult result);
text::PeopleText RestorePlanText(RestorePlan plan);

}  // namespace zor::service
