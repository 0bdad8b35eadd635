// zorctl's snapshot commands: backup, diff and restore.

#include <unistd.h>

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <string>

#include "service/restore.h"
#include "service/snapshot.h"
#include "zorctl/commands_common.h"
#include "zorctl/interrupt.h"
#include "zorctl/password_input.h"

namespace zor::zorctl {

namespace {

namespace svc = zor::service;

QJsonValue Json(const std::optional<std::u16string>& text) {
  return text ? QJsonValue(ToQString(std::u16string_view(*text))) : QJsonValue();
}

// A cell of the tables below: a value padded as printf's %-Ns pads it (by its
// bytes), or, where there is none, the words for its absence padded to the
// columns they take.
std::string Cell(const std::optional<std::u16string>& value, const PeopleText& none, int width) {
  if (!value) return Padded(none.local(), width);
  std::string text = ToUtf8(*value);
  if (text.size() < static_cast<std::size_t>(width)) text.resize(static_cast<std::size_t>(width), ' ');
  return text;
}

// One line of a table: the setting's name, two cells, and the last column.
std::string Line(const std::string& name, const std::string& first, const std::string& second,
                 const std::string& last) {
  std::string line = name;
  if (line.size() < 17) line.resize(17, ' ');
  return line + " " + first + " " + second + " " + last;
}

std::optional<svc::Snapshot> Load(Context& c, int& status) {
  svc::Reading<svc::Snapshot> snapshot = svc::LoadSnapshot(c.inv.values[0]);
  if (snapshot.ok()) return std::move(snapshot.value);
  status = c.out.finish(Retold(snapshot, Tr("zorctl::Snapshots", "%1; nothing was sent").arg(Told(snapshot))));
  return std::nullopt;
}

// The comparison as a table: setting, controller, file, what a restore does.
void PutComparison(Context& c, const svc::Comparison& comparison) {
  if (c.out.json()) {
    QJsonArray rows;
    for (const auto& row : comparison.rows) {
      QJsonObject r;
      r.insert("setting", QString::fromStdString(row.name));
      r.insert("controller", Json(row.controller));
      r.insert("file", Json(row.file));
      r.insert("restore", ToQString(svc::PlanName(row.plan)));
      rows.append(r);
    }
    c.out.set("settings", rows);
    c.out.set("to_send", comparison.toSend());
    c.out.set("other_system", comparison.otherSystem());
    c.out.set("controller_serial",
              comparison.controllerSerial ? QJsonValue(*comparison.controllerSerial) : QJsonValue());
    c.out.set("file_serial", comparison.fileSerial ? QJsonValue(*comparison.fileSerial) : QJsonValue());
    return;
  }
  c.out.line(Line(Padded(Tr("zorctl::Snapshots", "SETTING").local(), 17),
                  Padded(Tr("zorctl::Snapshots", "CONTROLLER").local(), 23),
                  Padded(Tr("zorctl::Snapshots", "FILE").local(), 23), Local(Tr("zorctl::Snapshots", "RESTORE"))));
  for (const auto& row : comparison.rows) {
    const PeopleText notRead =
        row.readOnFamily ? Tr("zorctl::Snapshots", "(unreadable)") : Tr("zorctl::Snapshots", "(not on family)");
    c.out.line(Line(row.name, Cell(row.controller, notRead, 23),
                    Cell(row.file, Tr("zorctl::Snapshots", "(not in file)"), 23), ToUtf8(svc::PlanName(row.plan))));
  }
  if (comparison.otherSystem()) {
    const auto& file = comparison.fileSerial;
    const auto& here = comparison.controllerSerial;
    const PeopleText said =
        file
            ? (here
                   ? Tr("zorctl::Snapshots", "The file comes from marking system %1; this is %2.").arg(*file).arg(*here)
                   : Tr("zorctl::Snapshots", "The file comes from marking system %1; this is not identified.")
                         .arg(*file))
            : (here ? Tr("zorctl::Snapshots", "The file comes from an unidentified system; this is %1.").arg(*here)
                    : Tr("zorctl::Snapshots", "The file comes from an unidentified system; this is not identified."));
    c.out.line(Local(said));
  }
}

// Ctrl+C or SIGTERM during a restore stops it between settings: each is as
// it was or fully sent.
class StoppableRestore final : public svc::RestoreProgress {
 public:
  explicit StoppableRestore(Output& out) : out_(out) {}
  ~StoppableRestore() override { out_.endProgress(); }
  bool proceed(int index, int total, const std::string& name) override {
    if (StopRequested()) return false;
    out_.progress(Local(Tr("zorctl::Snapshots", "restoring %1 of %2: %3").arg(index + 1).arg(total).arg(Value(name))));
    return true;
  }

 private:
  Output& out_;
  const StopOnSignal stop_{Local(Tr("zorctl::Snapshots", "stopping after this setting")).c_str()};
};

// The answer is y or n in every language, as the prompt says.
bool Confirm(const std::string& question) {
  Write(stderr, question + " [y/N] ");
  char answer[16] = {};
  if (std::fgets(answer, sizeof answer, stdin) == nullptr) return false;
  return answer[0] == 'y' || answer[0] == 'Y';
}

}  // namespace

int Backup(Context& c) {
  const std::string file = c.inv.values[0];
  if (c.inv.options.dryRun)
    return DryRead(c, [](svc::Maintenance& m) {
      svc::TakeSnapshot(m);
      return svc::Outcome::done();
    });
  if (const int status = c.open(); status != kDone) return status;
  const svc::Snapshot snapshot = svc::TakeSnapshot(c.session.service());
  if (const svc::Outcome saved = svc::SaveSnapshot(snapshot, file); !saved.ok()) return c.out.finish(saved);
  QJsonArray missing;
  std::string missingText;
  if (!snapshot.identity) {
    missing.append("identity");
    missingText = "identity";
  }
  for (const std::string& m : snapshot.missing) {
    missing.append(QString::fromStdString(m));
    missingText += (missingText.empty() ? "" : ", ") + m;
  }
  QJsonArray notOnFamily;
  std::string lacking;
  for (const std::string& n : snapshot.notOnFamily) {
    notOnFamily.append(QString::fromStdString(n));
    lacking += (lacking.empty() ? "" : ", ") + n;
  }
  c.out.set("file", QString::fromStdString(file));
  c.out.set("missing", missing);
  c.out.set("not_on_family", notOnFamily);
  c.out.info(Local(Tr("zorctl::Snapshots", "settings saved to %1").arg(Value(file))));
  if (!lacking.empty()) {
    c.out.info(Local(Args(Tr("zorctl::Snapshots", "not on %1, so not in the file: %2"),
                          ToQString(svc::FamilySystem(svc::KnownFamily(snapshot.identity))), Value(lacking))));
  }
  if (missingText.empty()) return c.out.finish(kDone);
  return c.out.finish(kReadFailed,
                      Tr("zorctl::Snapshots", "saved without what could not be read: %1").arg(Value(missingText)),
                      "read-failed");
}

int Diff(Context& c) {
  int status = kDone;
  const auto snapshot = Load(c, status);
  if (!snapshot) return status;
  if (c.inv.options.dryRun) {
    return DryRead(c, [&](svc::Maintenance& m) {
      svc::Compare(m, *snapshot, c.inv.options.identity);
      return svc::Outcome::done();
    });
  }
  if (const int opened = c.open(); opened != kDone) return opened;
  const svc::Comparison comparison = svc::Compare(c.session.service(), *snapshot, c.inv.options.identity);
  if (!comparison.outcome.ok()) return c.out.finish(comparison.outcome);
  PutComparison(c, comparison);
  // A value that could not be read is no comparison: as get all and backup, exit 4.
  std::string unreadable;
  for (const std::string& name : comparison.unreadable()) unreadable += (unreadable.empty() ? "" : ", ") + name;
  if (unreadable.empty()) return c.out.finish(kDone);
  return c.out.finish(kReadFailed,
                      Tr("zorctl::Snapshots", "some controller values could not be read: %1").arg(Value(unreadable)),
                      "read-failed");
}

namespace {

// The restore's options as the command line gives them, with --identity the
// service password, checked; nullopt when the command ended there (status).
std::optional<svc::RestoreOptions> RestoreOptionsOf(Context& c, int& status) {
  svc::RestoreOptions options;
  options.identity = c.inv.options.identity;
  options.otherSystem = c.inv.options.otherSystem;
  options.source = c.inv.values[0];
  if (options.identity) {
    const svc::Reading<std::u16string> password = ReadServicePassword(c.inv.options.passwordFile);
    if (!password.ok()) {
      status = c.out.finish(password);
      return std::nullopt;
    }
    options.password = password.value;
    if (!svc::MatchesServicePassword(options.password)) {
      status = Finish(c, svc::PasswordRefused(), "restore");
      return std::nullopt;
    }
  }
  return options;
}

// Nothing is read in a dry run: the plan sends every value of the file, as a
// restore onto a controller that differs in all of them would.
int PlanRestore(Context& c, const svc::Snapshot& snapshot, svc::RestoreOptions options) {
  options.otherSystem = true;
  const Plan plan = MakePlan([&](svc::Maintenance& m) { return svc::Restore(m, snapshot, options, nullptr).outcome; });
  ReportPlan(plan, c.out);
  c.out.info(Local(Tr("zorctl::Snapshots", "a real restore sends only the settings that differ")));
  return c.out.finish(kDone);
}

// Shows the comparison and asks before anything is sent; nullopt to go on,
// else the exit status the command ends with.
std::optional<int> ConfirmRestore(Context& c, const svc::Snapshot& snapshot, const svc::RestoreOptions& options) {
  const svc::Comparison comparison = svc::Compare(c.session.service(), snapshot, options.identity);
  if (!comparison.outcome.ok()) return c.out.finish(comparison.outcome);
  Output preview(false, false, "");
  Context shown{c.inv, preview, c.session};
  PutComparison(shown, comparison);
  preview.finish(kDone);
  if (comparison.toSend() == 0) {
    c.out.info(Local(Tr("zorctl::Snapshots", "nothing differs; nothing was sent")));
    return c.out.finish(kDone);
  }
  if (comparison.otherSystem() && !options.otherSystem)
    return Refuse(c.out, Tr("zorctl::Snapshots",
                            "restore: the file comes from another marking system; give --other-system if it is "
                            "meant for this one"));
  if (!Confirm(Local(Tr("zorctl::Snapshots", "Restore %1 settings?").arg(comparison.toSend()))))
    return Refuse(c.out, Tr("zorctl::Snapshots", "restore: not confirmed; nothing was sent"));
  return std::nullopt;
}

// The settings sent, as a table or as JSON rows; whether each read back as in
// the file (or was taken, though not saved).
bool PutRestored(Context& c, const svc::RestoreReport& report) {
  QJsonArray rows;
  const bool anySent = std::any_of(report.settings.begin(), report.settings.end(),
                                   [](const auto& s) { return s.comparison.plan == svc::RestorePlan::Send; });
  if (!c.out.json() && anySent) {
    c.out.line(Line(Padded(Tr("zorctl::Snapshots", "SETTING").local(), 17),
                    Padded(Tr("zorctl::Snapshots", "BEFORE").local(), 23),
                    Padded(Tr("zorctl::Snapshots", "FILE").local(), 23), Local(Tr("zorctl::Snapshots", "RESULT"))));
  }
  bool allVerified = true;
  for (const auto& s : report.settings) {
    if (s.comparison.plan != svc::RestorePlan::Send) continue;
    allVerified = allVerified && (s.result == svc::RestoreResult::Verified || s.result == svc::RestoreResult::NotKept);
    if (c.out.json()) {
      QJsonObject r;
      r.insert("setting", QString::fromStdString(s.comparison.name));
      r.insert("before", Json(s.comparison.controller));
      r.insert("file", Json(s.comparison.file));
      r.insert("result", ToQString(svc::ResultName(s.result)));
      r.insert("after", Json(s.after));
      rows.append(r);
    } else {
      c.out.line(Line(s.comparison.name, Cell(s.comparison.controller, Tr("zorctl::Snapshots", "(unreadable)"), 23),
                      Cell(s.comparison.file, PeopleText({}, {}), 23), ToUtf8(svc::ResultName(s.result))));
    }
  }
  c.out.set("settings", rows);
  return allVerified;
}

// The summary, a line at a time, what was not saved, and the exit status.
int EndRestore(Context& c, const svc::RestoreReport& report, bool allVerified) {
  c.out.set("sent", report.sent());
  c.out.set("cancelled", report.cancelled);
  c.out.set("summary", ToQString(std::u16string_view(report.summary())));
  const std::string summary = ToUtf8(report.summary());
  for (std::size_t at = 0, end; at < summary.size(); at = end + 1) {
    end = std::min(summary.find('\n', at), summary.size());
    c.out.info(summary.substr(at, end - at));
  }
  if (report.outcome.notKept) c.out.warning(ToUtf8(svc::kNotKeptMessage));
  if (StopRequested())
    return Interrupted(c, "restore",
                       report.cancelled ? Tr("zorctl::Snapshots", "the settings after the one under way were not sent")
                                        : Told(report.outcome));
  if (!report.outcome.ok()) return c.out.finish(report.outcome);
  if (allVerified) return c.out.finish(kDone);
  return c.out.finish(kReadFailed, Tr("zorctl::Snapshots", "some settings do not read back as in the file"),
                      "read-failed");
}

}  // namespace

int RestoreCommand(Context& c) {
  int status = kDone;
  const auto snapshot = Load(c, status);
  if (!snapshot) return status;
  const auto options = RestoreOptionsOf(c, status);
  if (!options) return status;
  if (c.inv.options.dryRun) return PlanRestore(c, *snapshot, *options);
  const bool terminal = isatty(STDIN_FILENO) != 0;
  if (!c.inv.options.yes && !terminal)
    return Refuse(c.out,
                  Tr("zorctl::Snapshots", "restore: without a terminal to confirm on, give --yes; nothing was sent"));
  if (const int opened = c.open(); opened != kDone) return opened;
  if (!c.inv.options.yes) {
    if (const std::optional<int> ended = ConfirmRestore(c, *snapshot, *options)) return *ended;
  }
  StoppableRestore progress(c.out);
  const svc::RestoreReport report = svc::Restore(c.session.service(), *snapshot, *options, &progress);
  if (report.outcome.status == svc::Status::Refused)
    return Refuse(c.out, Tr("zorctl::Snapshots", "restore: %1").arg(Told(report.outcome)));
  return EndRestore(c, report, PutRestored(c, report));
}

}  // namespace zor::zorctl
