#include "service/restore.h"

#include <algorithm>
#include <map>

#include "service/format.h"
#include "service/messages.h"
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
  Current(Maintenance& service, std::optional<link::Family> family)
      : service_(service), family_(family), familyKnown_(true) {}

  std::optional<link::Family> family() {
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
  std::optional<link::Family> family_;
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

namespace {

// Texts of a restore's summary for people. Values go in with one arg() call
// each, so a value holding "%1" stays as it is.
text::PeopleText Filled(const text::PeopleText& text, const QString& a) {
  return {text.source().arg(a), text.local().arg(a)};
}
text::PeopleText Filled(const text::PeopleText& text, const QString& a, const QString& b) {
  return {text.source().arg(a, b), text.local().arg(a, b)};
}
text::PeopleText Filled(const text::PeopleText& text, const QString& a, const QString& b, const QString& c) {
  return {text.source().arg(a, b, c), text.local().arg(a, b, c)};
}

// Two parts of one list: "a; b".
text::PeopleText Then(const text::PeopleText& first, const text::PeopleText& next) {
  const text::PeopleText list = text::Tr("zor::service::Restore", "%1; %2");
  return {list.source().arg(first.source(), next.source()), list.local().arg(first.local(), next.local())};
}

// What happened to one setting that did not end verified; nothing for one that did.
std::optional<text::PeopleText> SettingHappened(const RestoredSetting& s, Status stoppedBy) {
  const QString name = QString::fromStdString(s.comparison.name);
  const QString file = ToQString(s.comparison.file.value_or(u""));
  const QString after = ToQString(s.after.value_or(u""));
  switch (s.result) {
    case RestoreResult::Unchanged:
    case RestoreResult::Verified:
    case RestoreResult::NotSent:
      return std::nullopt;
    case RestoreResult::NotKept:
      return Filled(text::Tr("zor::service::Restore", "%1: taken, not saved"), name);
    case RestoreResult::Differs:
      return Filled(text::Tr("zor::service::Restore", "%1: sent %2, the controller reads %3"), name, file, after);
    case RestoreResult::Unreadable:
      return Filled(text::Tr("zor::service::Restore", "%1: sent %2, but it could not be read back"), name, file);
    case RestoreResult::Failed:
      break;
  }
  return Filled(stoppedBy == Status::NotConnected
                    ? text::Tr("zor::service::Restore", "%1: no marking system answered, so the restore stopped there")
                : stoppedBy == Status::NotAccepted
                    ? text::Tr("zor::service::Restore",
                               "%1: the marking system did not take it, so the restore "
                               "stopped there")
                    : text::Tr("zor::service::Restore", "%1: not sent in full, so the restore stopped there"),
                name);
}

// The count of one result, the first with its noun ("1 setting restored and
// verified"), the others bare ("2 taken, not saved").
text::PeopleText Counted(int n, bool first, RestoreResult result) {
  const text::PeopleText count = !first   ? text::PeopleText(QString::number(n), QString::number(n))
                                 : n == 1 ? text::Tr("zor::service::Restore", "1 setting")
                                          : text::Tr("zor::service::Restore", "%1 settings").arg(n);
  switch (result) {
    case RestoreResult::Verified:
      return text::Tr("zor::service::Restore", "%1 restored and verified").arg(count);
    case RestoreResult::NotKept:
      return text::Tr("zor::service::Restore", "%1 taken, not saved").arg(count);
    case RestoreResult::Differs:
      return text::Tr("zor::service::Restore", "%1 sent but reading back otherwise").arg(count);
    case RestoreResult::Unreadable:
      return text::Tr("zor::service::Restore", "%1 sent but not readable afterwards").arg(count);
    case RestoreResult::Failed:
      return text::Tr("zor::service::Restore", "%1 not fully sent").arg(count);
    case RestoreResult::NotSent:
    case RestoreResult::Unchanged:
      break;
  }
  return text::Tr("zor::service::Restore", "%1 not sent, as they were").arg(count);
}

}  // namespace

// What happened to each setting that did not end verified, and how many were
// not sent; empty when nothing went wrong (a cancel alone is no failure).
text::PeopleText RestoreReport::whatHappened() const {
  std::optional<text::PeopleText> text;
  int notSent = 0;
  for (const RestoredSetting& s : settings) {
    if (s.comparison.plan != RestorePlan::Send) continue;
    if (s.result == RestoreResult::NotSent) ++notSent;
    if (const auto part = SettingHappened(s, outcome.status)) text = text ? Then(*text, *part) : *part;
  }
  if (!text) return {{}, {}};
  if (notSent > 0)
    text = Then(*text, notSent == 1 ? text::Tr("zor::service::Restore", "1 setting not sent")
                                    : text::Tr("zor::service::Restore", "%1 settings not sent").arg(notSent));
  return text::Tr("zor::service::Restore", "%1.").arg(*text);
}

std::u16string RestoreReport::summary() const { return summaryText().sourceU16(); }

text::PeopleText RestoreReport::summaryText() const {
  int counts[kRestoreResults] = {};
  for (const RestoredSetting& s : settings)
    if (s.comparison.plan == RestorePlan::Send) ++counts[static_cast<int>(s.result)];
  std::optional<text::PeopleText> told;
  for (const RestoreResult result : {RestoreResult::Verified, RestoreResult::NotKept, RestoreResult::Differs,
                                     RestoreResult::Unreadable, RestoreResult::Failed, RestoreResult::NotSent}) {
    const int n = counts[static_cast<int>(result)];
    if (n == 0) continue;
    told = told ? Then(*told, Counted(n, false, result)) : Counted(n, true, result);
  }
  text::PeopleText text = told ? *told : text::Tr("zor::service::Restore", "Nothing needed restoring");
  text = cancelled ? text::Tr("zor::service::Restore", "%1. The restore was cancelled between settings.").arg(text)
                   : text::Tr("zor::service::Restore", "%1.").arg(text);
  if (const text::PeopleText happened = whatHappened(); !happened.isEmpty())
    text = happened + text::PeopleText(QStringLiteral("\n"), QStringLiteral("\n")) + text;
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
  text::PeopleText what = LackingText(lacking.back());
  for (std::size_t i = lacking.size() - 1; i-- > 0;)
    what = (i + 2 == lacking.size() ? text::Tr("zor::service::Restore", "%1 and %2")
                                    : text::Tr("zor::service::Restore", "%1, %2"))
               .arg(LackingText(lacking[i]))
               .arg(what);
  const text::PeopleText notSent =
      notOnFamily == 1
          ? text::Tr("zor::service::Restore", "1 setting of the file was not sent: %1 has %2.")
          : text::Tr("zor::service::Restore", "%1 settings of the file were not sent: %2 has %3.").arg(notOnFamily);
  return text + text::PeopleText(QStringLiteral(" "), QStringLiteral(" ")) +
         notSent.arg(FamilySystemText(family)).arg(what);
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
    const auto& from = comparison.fileSerial;
    const auto& to = comparison.controllerSerial;
    const text::PeopleText text =
        from && to
            ? text::Tr("zor::service::Restore",
                       "The snapshot was taken from marking system %1, and this one is %2. Confirm that it is meant "
                       "for this system to restore it. Nothing was sent.")
                  .arg(Decimal(*from))
                  .arg(Decimal(*to))
        : from ? text::Tr("zor::service::Restore",
                          "The snapshot was taken from marking system %1, and this one is not identified. Confirm that "
                          "it is meant for this system to restore it. Nothing was sent.")
                     .arg(Decimal(*from))
        : to ? text::Tr("zor::service::Restore",
                        "The snapshot was taken from a marking system whose identity could not be read, and this one "
                        "is %1. Confirm that it is meant for this system to restore it. Nothing was sent.")
                   .arg(Decimal(*to))
             : text::Tr(
                   "zor::service::Restore",
                   "The snapshot was taken from a marking system whose identity could not be read, and this one is not "
                   "identified. Confirm that it is meant for this system to restore it. Nothing was sent.");
    report.outcome = Outcome::refused(Input::None, text);
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
                         const std::optional<std::u16string>& expected, std::optional<link::Family> family) {
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

// The names above as people read them; each English is its name.
text::PeopleText RestoreResultText(RestoreResult result) {
  switch (result) {
    case RestoreResult::Unchanged:
      return text::Tr("zor::service::Restore", "unchanged");
    case RestoreResult::Verified:
      return text::Tr("zor::service::Restore", "verified");
    case RestoreResult::NotKept:
      return text::Tr("zor::service::Restore", "taken, not saved");
    case RestoreResult::Differs:
      return text::Tr("zor::service::Restore", "differs");
    case RestoreResult::Unreadable:
      return text::Tr("zor::service::Restore", "unreadable");
    case RestoreResult::Failed:
      return text::Tr("zor::service::Restore", "failed");
    case RestoreResult::NotSent:
      break;
  }
  return text::Tr("zor::service::Restore", "not sent");
}

text::PeopleText RestorePlanText(RestorePlan plan) {
  switch (plan) {
    case RestorePlan::Send:
      return text::Tr("zor::service::Restore", "send");
    case RestorePlan::Same:
      return text::Tr("zor::service::Restore", "same");
    case RestorePlan::NotInFile:
      return text::Tr("zor::service::Restore", "not in file");
    case RestorePlan::NeedsIdentity:
      return text::Tr("zor::service::Restore", "needs --identity");
    case RestorePlan::ShownOnly:
      return text::Tr("zor::service::Restore", "never restored");
    case RestorePlan::NotOnFamily:
      break;
  }
  return text::Tr("zor::service::Restore", "not on family");
}

}  // namespace zor::service
