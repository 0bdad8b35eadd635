#include "service/restore.h"

#include <algorithm>
#include <map>

#include "service/format.h"
#include "service/settings.h"
#include "service/text.h"

namespace zor::service {

namespace {

// Where a compared setting's value is read: the Get of its own, another
// setting's, or "identity".
std::string_view Source(const Setting& setting) { return setting.read != nullptr ? setting.name : setting.readBy; }

// What the controller reports now, each source read once and kept; a source
// the system's family cannot read is not read at all.
class Current {
 public:
  // The family is the one the identity it reads names.
  explicit Current(Maintenance& service) : service_(service) {}
  Current(Maintenance& service, std::optional<Family> family)
      : service_(service), family_(family), familyKnown_(true) {}

  std::optional<Family> family() {
    if (!familyKnown_) fields("identity");
    return family_;
  }
  bool readable(std::string_view source) { return source == "identity" || FamilyHas(family(), *FindReadable(source)); }

  // The fields of a source, or nullopt when it could not be read.
  const std::optional<SettingFields>& fields(std::string_view source) {
    auto it = cache_.find(source);
    if (it == cache_.end()) it = cache_.emplace(source, read(source)).first;
    return it->second;
  }
  Outcome stopped;  // set when no system could be asked

 private:
  std::optional<SettingFields> read(std::string_view source) {
    if (!stopped.ok()) return std::nullopt;
    if (source == "identity") {
      const Reading<Identity> identity = service_.readIdentity();
      if (!familyKnown_) {
        if (identity.ok()) family_ = identity.value.family;
        familyKnown_ = true;
      }
      if (!identity.ok()) return std::nullopt;
      return IdentityFields(identity.value);
    }
    if (!readable(source)) return std::nullopt;
    const Reading<SettingFields> reading = FindReadable(source)->readFields(service_);
    if (reading.status == Status::NotConnected || reading.status == Status::NotAccepted) stopped = reading;
    if (!reading.ok()) return std::nullopt;
    return reading.value;
  }

  Maintenance& service_;
  std::map<std::string_view, std::optional<SettingFields>> cache_;
  std::optional<Family> family_;
  bool familyKnown_ = false;
};

// The setting's keys' texts joined by a blank ("32768 32770"), or nullopt
// when one is missing. The working time's seconds are its text again.
std::optional<std::u16string> Joined(const Setting& setting, const SettingFields& fields) {
  std::u16string text;
  for (const SettingKey& key : setting.keys) {
    if (key.name.empty() || key.kind == KeyKind::Seconds) continue;
    const auto f = std::find_if(fields.begin(), fields.end(), [&](const SettingField& s) { return s.key == key.name; });
    if (f == fields.end()) return std::nullopt;
    if (!text.empty()) text += u' ';
    text += f->text;
  }
  return text;
}

SettingFields FileFields(const Setting& setting, const Snapshot& snapshot) {
  if (Source(setting) == "identity") return snapshot.identity ? IdentityFields(*snapshot.identity) : SettingFields{};
  return snapshot.settings;
}

std::vector<std::u16string> Split(const std::u16string& text) {
  std::vector<std::u16string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(u' ', start)) != std::u16string::npos; start = at + 1)
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

// Puts the file's value back with the setting's own Set, exactly as it was reported.
Outcome Send(Maintenance& service, const Setting& setting, const std::u16string& file, const std::u16string& password) {
  const Reading<Task> task = setting.write({Split(file), password, true});
  return task.ok() ? task.value(service) : Outcome(task);
}

SettingComparison CompareSetting(const Setting& setting, Current& current, const Snapshot& snapshot,
                                 bool includeIdentity) {
  SettingComparison row{std::string(setting.name), setting.group, std::nullopt,
                        Joined(setting, FileFields(setting, snapshot)), RestorePlan::Same};
  if (const auto& fields = current.fields(Source(setting))) row.controller = Joined(setting, *fields);
  row.readOnFamily = current.readable(Source(setting));
  if (setting.group == SettingGroup::ShownOnly) {
    row.plan = RestorePlan::ShownOnly;
  } else if (!FamilyHas(current.family(), setting)) {
    row.plan = RestorePlan::NotOnFamily;
  } else if (!row.file) {
    row.plan = RestorePlan::NotInFile;
  } else if (row.controller == row.file) {
    row.plan = RestorePlan::Same;
  } else {
    row.plan =
        setting.group == SettingGroup::Identity && !includeIdentity ? RestorePlan::NeedsIdentity : RestorePlan::Send;
  }
  return row;
}

std::optional<std::int32_t> SerialOf(const std::optional<SettingFields>& fields) {
  if (!fields) return std::nullopt;
  for (const SettingField& f : *fields)
    if (f.key == IdentityKeys::kSerialNumber && f.number) return static_cast<std::int32_t>(*f.number);
  return std::nullopt;
}

// Holds back the record of a setting's Set until its value has been read
// back, so that the service log says whether the controller kept it.
class HeldRecords final : public OperationObserver {
 public:
  explicit HeldRecords(Maintenance& service) : service_(service), next_(service.observer()) {
    service_.setObserver(this);
  }
  ~HeldRecords() override {
    pass(RestoreResult::Verified, std::nullopt);
    service_.setObserver(next_);
  }
  HeldRecords(const HeldRecords&) = delete;
  HeldRecords& operator=(const HeldRecords&) = delete;

  void operationEnded(const OperationRecord& record) override { held_.push_back(record); }

  // Passes the records on; a Set that went out says what its read-back showed.
  void pass(RestoreResult result, const std::optional<std::u16string>& after) {
    for (OperationRecord& record : held_) {
      if (record.outcome.ok() && result == RestoreResult::Differs) {
        record.readBack = "differs";
        record.outcome.message = u"Sent, but the controller reads back " + after.value_or(u"") + u".";
      } else if (record.outcome.ok() && result == RestoreResult::Unreadable) {
        record.readBack = "unreadable";
        record.outcome.message = u"Sent, but it could not be read back.";
      }
      if (next_ != nullptr) next_->operationEnded(record);
    }
    held_.clear();
  }

 private:
  Maintenance& service_;
  OperationObserver* next_;
  std::vector<OperationRecord> held_;
};

}  // namespace

std::vector<std::string> Comparison::unreadable() const {
  std::vector<std::string> names;
  for (const SettingComparison& row : rows)
    if (!row.controller && row.readOnFamily) names.push_back(row.name);
  return names;
}

int Comparison::toSend() const {
  return static_cast<int>(
      std::count_if(rows.begin(), rows.end(), [](const auto& r) { return r.plan == RestorePlan::Send; }));
}

Comparison Compare(Maintenance& service, const Snapshot& snapshot, bool includeIdentity) {
  Comparison comparison;
  Current current(service);
  for (const Setting* setting : RestoreOrder())
    comparison.rows.push_back(CompareSetting(*setting, current, snapshot, includeIdentity));
  comparison.outcome = current.stopped;
  comparison.controllerSerial = SerialOf(current.fields("identity"));
  comparison.family = current.family();
  if (snapshot.identity) comparison.fileSerial = snapshot.identity->info.serial;
  return comparison;
}

void IncludeIdentity(Comparison& comparison, bool includeIdentity) {
  for (SettingComparison& row : comparison.rows) {
    if (row.group != SettingGroup::Identity) continue;
    if (row.plan == RestorePlan::Send || row.plan == RestorePlan::NeedsIdentity)
      row.plan = includeIdentity ? RestorePlan::Send : RestorePlan::NeedsIdentity;
  }
}

int RestoreReport::sent() const {
  return static_cast<int>(std::count_if(settings.begin(), settings.end(), [](const RestoredSetting& s) {
    return s.result == RestoreResult::Verified || s.result == RestoreResult::Differs ||
           s.result == RestoreResult::Unreadable;
  }));
}

// What happened to each setting that did not end verified, and how many were
// not sent; empty when nothing went wrong (a cancel alone is no failure).
std::u16string RestoreReport::whatHappened() const {
  std::u16string text;
  int notSent = 0;
  for (const RestoredSetting& s : settings) {
    if (s.comparison.plan != RestorePlan::Send) continue;
    const std::u16string name = FromUtf8(s.comparison.name) + u": ";
    const std::u16string file = s.comparison.file.value_or(u"");
    std::u16string part;
    switch (s.result) {
      case RestoreResult::Unchanged:
      case RestoreResult::Verified:
        break;
      case RestoreResult::NotKept:
        part = name + u"taken, not saved";
        break;
      case RestoreResult::Differs:
        part = name + u"sent " + file + u", the controller reads " + s.after.value_or(u"");
        break;
      case RestoreResult::Unreadable:
        part = name + u"sent " + file + u", but it could not be read back";
        break;
      case RestoreResult::Failed:
        part = name +
               (outcome.status == Status::NotConnected  ? u"no marking system answered"
                : outcome.status == Status::NotAccepted ? u"the marking system did not take it"
                                                        : u"not sent in full") +
               u", so the restore stopped there";
        break;
      case RestoreResult::NotSent:
        ++notSent;
        break;
    }
    if (!part.empty()) text += (text.empty() ? u"" : u"; ") + part;
  }
  if (text.empty()) return text;
  if (notSent > 0) text += u"; " + Decimal(notSent) + (notSent == 1 ? u" setting not sent" : u" settings not sent");
  return text + u".";
}

std::u16string RestoreReport::summary() const {
  int counts[kRestoreResults] = {};
  for (const RestoredSetting& s : settings)
    if (s.comparison.plan == RestorePlan::Send) ++counts[static_cast<int>(s.result)];
  std::u16string text = whatHappened();
  if (!text.empty()) text += u'\n';
  const std::size_t countsAt = text.size();
  auto add = [&](int n, std::u16string_view what) {
    if (n == 0) return;
    text += text.size() == countsAt ? (n == 1 ? u"1 setting " : Decimal(n) + u" settings ") : u"; " + Decimal(n) + u" ";
    text += what;
  };
  add(counts[static_cast<int>(RestoreResult::Verified)], u"restored and verified");
  add(counts[static_cast<int>(RestoreResult::NotKept)], u"taken, not saved");
  add(counts[static_cast<int>(RestoreResult::Differs)], u"sent but reading back otherwise");
  add(counts[static_cast<int>(RestoreResult::Unreadable)], u"sent but not readable afterwards");
  add(counts[static_cast<int>(RestoreResult::Failed)], u"not fully sent");
  add(counts[static_cast<int>(RestoreResult::NotSent)], u"not sent, as they were");
  if (text.size() == countsAt) text += u"Nothing needed restoring";
  text += cancelled ? u". The restore was cancelled between settings." : u".";
  // The file's values that would have been sent, but the family has no Set
  // for; told by what the family lacks.
  int notOnFamily = 0;
  std::vector<Feature> lacking;
  for (const RestoredSetting& s : settings) {
    const SettingComparison& c = s.comparison;
    if (c.plan != RestorePlan::NotOnFamily || !c.file || c.file == c.controller) continue;
    ++notOnFamily;
    const Feature feature = *FindSetting(c.name)->feature;
    if (std::find(lacking.begin(), lacking.end(), feature) == lacking.end()) lacking.push_back(feature);
  }
  if (notOnFamily == 0) return text;
  text += notOnFamily == 1 ? std::u16string(u" 1 setting of the file was")
                           : u" " + Decimal(notOnFamily) + u" settings of the file were";
  text += u" not sent: ";
  text += FamilySystem(family);
  text += u" has ";
  for (std::size_t i = 0; i < lacking.size(); ++i) {
    if (i > 0) text += i + 1 == lacking.size() ? u" and " : u", ";
    text += FamilyRowOf(lacking[i]).lacking;
  }
  text += u".";
  return text;
}

RestoreReport Restore(Maintenance& service, const Snapshot& snapshot, const RestoreOptions& options,
                      RestoreProgress* progress) {
  RestoreReport report;
  if (options.identity && !MatchesServicePassword(options.password)) {
    report.outcome = PasswordRefused();
    return report;
  }
  const Comparison comparison = Compare(service, snapshot, options.identity);
  if (!comparison.outcome.ok()) {
    report.outcome = comparison.outcome;
    return report;
  }
  if (comparison.otherSystem() && !options.otherSystem) {
    std::u16string text = u"The snapshot was taken from ";
    text += comparison.fileSerial ? u"marking system " + Decimal(*comparison.fileSerial)
                                  : u"a marking system whose identity could not be read";
    text += u", and this one is ";
    text += comparison.controllerSerial ? Decimal(*comparison.controllerSerial) : u"not identified";
    text += u". Confirm that it is meant for this system to restore it. Nothing was sent.";
    report.outcome = Outcome::refused(Input::None, std::move(text));
    return report;
  }

  report.family = comparison.family;
  const int total = comparison.toSend();
  int index = 0;
  std::u16string sentNames;
  bool notKept = false;
  for (std::size_t i = 0; i < comparison.rows.size(); ++i) {
    const Setting& row = *RestoreOrder()[i];
    RestoredSetting setting{comparison.rows[i], RestoreResult::Unchanged, std::nullopt};
    if (setting.comparison.plan == RestorePlan::Send) {
      if (!report.outcome.ok() || report.cancelled) {
        setting.result = RestoreResult::NotSent;
      } else if (progress != nullptr && !progress->proceed(index, total, setting.comparison.name)) {
        report.cancelled = true;
        setting.result = RestoreResult::NotSent;
      } else {
        ++index;
        const Task send = [&](Maintenance& m) { return Send(m, row, *setting.comparison.file, options.password); };
        const ReadBack sent = SendAndReadBack(service, row, send, setting.comparison.file, comparison.family);
        setting.result = sent.result;
        setting.after = sent.after;
        notKept = notKept || sent.outcome.notKept;
        if (!sent.outcome.ok()) {
          report.outcome = sent.outcome;
        } else {
          if (!sentNames.empty()) sentNames += u", ";
          sentNames += FromUtf8(row.name);
        }
      }
    }
    report.settings.push_back(std::move(setting));
  }
  report.outcome.notKept = notKept;
  if (index > 0) {
    std::u16string value = FromUtf8(options.source);
    value += u": " + (sentNames.empty() ? std::u16string(u"nothing") : sentNames);
    service.reportOperation(u"restore", value, report.outcome);
  }
  return report;
}

ReadBack SendAndReadBack(Maintenance& service, const Setting& setting, const Task& set,
                         const std::optional<std::u16string>& expected, std::optional<Family> family) {
  ReadBack sent;
  HeldRecords held(service);
  sent.outcome = set(service);
  if (sent.outcome.ok() && Source(setting).empty()) {
    sent.result = RestoreResult::Unreadable;
  } else if (sent.outcome.ok()) {
    Current after(service, family);
    const auto& fields = after.fields(Source(setting));
    sent.after = fields ? Joined(setting, *fields) : std::nullopt;
    sent.result = !sent.after                          ? RestoreResult::Unreadable
                  : expected && sent.after == expected ? RestoreResult::Verified
                                                       : RestoreResult::Differs;
    // Kept by the controller until it ends, but not in its state file.
    if (sent.outcome.notKept && sent.result == RestoreResult::Verified) sent.result = RestoreResult::NotKept;
  }
  held.pass(sent.result, sent.after);
  return sent;
}

std::u16string_view ResultName(RestoreResult result) {
  switch (result) {
    case RestoreResult::Unchanged:
      return u"unchanged";
    case RestoreResult::Verified:
      return u"verified";
    case RestoreResult::NotKept:
      return u"taken, not saved";
    case RestoreResult::Differs:
      return u"differs";
    case RestoreResult::Unreadable:
      return u"unreadable";
    case RestoreResult::Failed:
      return u"failed";
    case RestoreResult::NotSent:
      return u"not sent";
  }
  return u"";
}

std::u16string_view PlanName(RestorePlan plan) {
  switch (plan) {
    case RestorePlan::Send:
      return u"send";
    case RestorePlan::Same:
      return u"same";
    case RestorePlan::NotInFile:
      return u"not in file";
    case RestorePlan::NeedsIdentity:
      return u"needs --identity";
    case RestorePlan::ShownOnly:
      return u"never restored";
    case RestorePlan::NotOnFamily:
      return u"not on family";
  }
  return u"";
}

}  // namespace zor::service
