#include "zorctl/commands.h"

#include <QJsonArray>
#include <algorithm>
#include <array>
#include <optional>

#include "service/adjustment.h"
#include "service/restore.h"
#include "service/service_log.h"
#include "service/settings.h"
#include "zorctl/command_table.h"
#include "zorctl/commands_common.h"
#include "zorctl/interrupt.h"
#include "zorctl/password_input.h"
#include "zorctl/session.h"
#include "zorctl/values.h"

namespace zor::zorctl {

namespace {

using zor::service::Maintenance;
using zor::service::Outcome;
namespace svc = zor::service;
using F = svc::Feature;

std::optional<std::u16string> Password(Context& c) {
  svc::Reading<std::u16string> password = ReadServicePassword(c.inv.options.passwordFile);
  if (!password.ok()) {
    Refuse(c.out, Told(password));
    return std::nullopt;
  }
  return std::move(password.value);
}

// ---- info, get ----------------------------------------------------------------------

}  // namespace

int Info(Context& c) {
  if (c.inv.options.dryRun) return DryRead(c, {});
  if (const int status = c.open(); status != kDone) return status;
  const auto& identity = c.session.service().identity();
  if (!identity || !identity->readable)
    return c.out.finish(kReadFailed, Tr("zorctl::Commands", "the marking system's identity could not be read"),
                        "read-failed");
  c.out.fields(svc::IdentityFields(*identity));
  return c.out.finish(kDone);
}

int Get(Context& c) {
  const std::string& name = c.inv.values[0];
  if (name != "all") {
    const svc::Setting* setting = svc::FindReadable(name);
    if (setting == nullptr) return Usage(c.out, Tr("zorctl::Commands", "unknown setting '%1'").arg(Value(name)));
    if (c.inv.options.dryRun) return DryRead(c, [setting](Maintenance& m) { return Outcome(setting->readFields(m)); });
    if (const int status = c.open(); status != kDone) return status;
    if (const int status = c.checkFamily(setting->feature, "get " + name); status != kDone) return status;
    const svc::Reading<svc::SettingFields> reading = setting->readFields(c.session.service());
    if (!reading.ok()) return c.out.finish(reading);
    c.out.fields(reading.value);
    return c.out.finish(kDone);
  }
  // Every setting the family has, each read on its own: one that fails is
  // missing, the rest stand.
  if (c.inv.options.dryRun) {
    return DryRead(c, [](Maintenance& m) {
      for (const svc::Setting& setting : svc::Settings())
        if (setting.read != nullptr) setting.readFields(m);
      return Outcome::done();
    });
  }
  if (const int status = c.open(); status != kDone) return status;
  const auto family = svc::KnownFamily(c.session.service().identity());
  svc::SettingFields all;
  QJsonArray missing, notOnFamily;
  std::string lacking;
  int status = kDone;
  for (const svc::Setting& setting : svc::Settings()) {
    if (setting.read == nullptr) continue;
    const QString name = QString::fromUtf8(setting.name.data(), static_cast<qsizetype>(setting.name.size()));
    if (!svc::FamilyHas(family, setting)) {
      notOnFamily.append(name);
      lacking += (lacking.empty() ? "" : ", ") + std::string(setting.name);
      continue;
    }
    const svc::Reading<svc::SettingFields> reading = setting.readFields(c.session.service());
    if (reading.status == svc::Status::NotConnected) return c.out.finish(reading);
    if (reading.ok()) {
      all.insert(all.end(), reading.value.begin(), reading.value.end());
    } else {
      missing.append(name);
      c.out.error(ToUtf8(reading.message));
      status = kReadFailed;
    }
  }
  c.out.fields(all, QStringLiteral("values"));
  if (c.out.json()) {
    c.out.set(QStringLiteral("missing"), missing);
    c.out.set(QStringLiteral("not_on_family"), notOnFamily);
  } else if (!lacking.empty()) {
    c.out.info(
        Local(Args(Tr("zorctl::Commands", "not on %1: %2"), ToQString(svc::FamilySystem(family)), Value(lacking))));
  }
  if (status == kDone) return c.out.finish(kDone);
  return c.out.finish(status, Tr("zorctl::Commands", "some settings could not be read"), "read-failed");
}

// ---- set ----------------------------------------------------------------------------

namespace {

// Sends a Set and reads its value back where the system's family reads it,
// as a restore does: one the controller did not keep is a failed read. A
// value nothing reads is told once; the working time, which counts on from
// the value set, is not held to it.
Outcome SentAndReadBack(Maintenance& m, const svc::Setting& setting, const svc::Task& set,
                        const std::optional<std::u16string>& expected, const std::string& what) {
  const std::optional<zor::link::Family> family = svc::KnownFamily(m.identity());
  if (!svc::ReadBackOn(family, setting)) {
    const Outcome sent = set(m);
    if (!sent.ok() || setting.read != nullptr) return sent;
    return Retold(sent, setting.readBy.empty()
                            ? Args(Tr("zorctl::Commands", "%1: sent; the controller's %2 cannot be read back"),
                                   Value(what), ToQString(setting.title))
                            : Args(Tr("zorctl::Commands", "%1: sent; %2 cannot read it back"), Value(what),
                                   ToQString(svc::FamilySystem(family))));
  }
  const svc::ReadBack sent = svc::SendAndReadBack(m, setting, set, expected, family);
  switch (sent.result) {
    case svc::RestoreResult::Verified:
      return Outcome::done();
    case svc::RestoreResult::Differs:
      return Outcome::failed(svc::Status::ReadFailed,
                             Args(Tr("zorctl::Commands", "%1: sent, but the controller reads back %2"), Value(what),
                                  ToQString(*sent.after)));
    case svc::RestoreResult::Unreadable:
      return Outcome::failed(svc::Status::ReadFailed,
                             Tr("zorctl::Commands", "%1: sent, but it could not be read back").arg(Value(what)));
    default:
      return sent.outcome;
  }
}

}  // namespace

// The values are checked before the device link is even loaded: the
// password first, for a Set behind it, then what the values are. Once sent,
// the value is read back where anything reads it: a value the controller did
// not keep ends the run with kReadFailed, as a restore's does.
int Set(Context& c) {
  const auto& values = c.inv.values;
  const svc::Setting* setting = svc::FindWritable(values[0]);
  if (setting == nullptr) return Usage(c.out, Tr("zorctl::Commands", "unknown setting '%1'").arg(Value(values[0])));
  if (values.size() - 1 != static_cast<std::size_t>(setting->valueCount)) {
    return Usage(c.out,
                 setting->valueCount == 1
                     ? Tr("zorctl::Commands", "set %1 takes 1 value").arg(Value(values[0]))
                     : Tr("zorctl::Commands", "set %1 takes %2 values").arg(Value(values[0])).arg(setting->valueCount));
  }
  if (c.inv.options.typed && setting->name != "controller-model")
    return Usage(c.out, Tr("zorctl::Commands", "--typed is for set controller-model alone"));
  svc::SetValues given;
  for (std::size_t i = 1; i < values.size(); ++i) given.values.push_back(FromUtf8(values[i]));
  given.typed = c.inv.options.typed;
  if (setting->password) {
    auto password = Password(c);
    if (!password) return kRefused;
    given.password = std::move(*password);
  }
  const svc::Reading<svc::Task> task = setting->write(given);
  if (!task.ok()) return Refuse(c.out, Tr("zorctl::Commands", "%1: %2").arg(Value(values[0])).arg(Told(task)));
  const std::optional<std::u16string> expected =
      setting->readsBackAs != nullptr ? setting->readsBackAs(given) : std::nullopt;
  const std::string what = "set " + values[0];
  return Send(
      c, what,
      [setting, set = task.value, expected, what](Maintenance& m) {
        return SentAndReadBack(m, *setting, set, expected, what);
      },
      setting->feature);
}

// ---- actions ------------------------------------------------------------------------

namespace {

// A word out of a fixed set.
std::optional<std::size_t> Choice(const std::string& word, std::initializer_list<std::string_view> words) {
  std::size_t i = 0;
  for (std::string_view w : words) {
    if (w == word) return i;
    ++i;
  }
  return std::nullopt;
}

}  // namespace

int Move(Context& c) {
  // What the panel's Move To fields take; the move itself refuses more than one byte.
  const auto x = ParseWhole(c.inv.values[0], 0, svc::kMoveFieldMax);
  const auto y = ParseWhole(c.inv.values[1], 0, svc::kMoveFieldMax);
  const PeopleText notWhole = Tr("zorctl::Commands", "move: %1 '%2' is not a whole number from 0 to %3");
  const QString max = QString::number(svc::kMaxMoveTarget);
  if (!x) return Refuse(c.out, Args(notWhole, QStringLiteral("X"), Value(c.inv.values[0]), max));
  if (!y) return Refuse(c.out, Args(notWhole, QStringLiteral("Y"), Value(c.inv.values[1]), max));
  return Send(
      c, "move",
      [x = *x, y = *y](Maintenance& m) {
        return m.moveTo(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y));
      },
      std::nullopt);
}

int Mark(Context& c) {
  const auto figure = Choice(c.inv.values[0], {"original-square", "corrected-square", "max-field"});
  if (!figure) return Usage(c.out, Tr("zorctl::Commands", "mark takes original-square, corrected-square or max-field"));
  const auto f = static_cast<svc::Figure>(*figure);
  return Send(
      c, "mark " + c.inv.values[0], [f](Maintenance& m) { return m.mark(f); }, svc::FeatureOf(f));
}

int Shutter(Context& c) {
  const auto open = Choice(c.inv.values[0], {"close", "open"});
  if (!open) return Usage(c.out, Tr("zorctl::Commands", "shutter takes open or close"));
  return Send(
      c, "shutter " + c.inv.values[0], [open = *open == 1](Maintenance& m) { return m.shutter(open); }, F::Shutter);
}

int Aiming(Context& c) {
  const auto on = Choice(c.inv.values[0], {"off", "on"});
  if (!on) return Usage(c.out, Tr("zorctl::Commands", "aiming takes on or off"));
  return Send(
      c, "aiming", [on = *on == 1](Maintenance& m) { return m.aiming(on); }, std::nullopt);
}

int TestPower(Context& c) {
  const auto& v = c.inv.values;
  const auto on = Choice(v[0], {"off", "on"});
  if (!on || v.size() != (*on == 1 ? 2u : 1u))
    return Usage(c.out, Tr("zorctl::Commands", "test-power takes on PULSE, or off"));
  if (*on == 0)
    return Send(
        c, "test-power off", [](Maintenance& m) { return m.testPowerOff(); }, std::nullopt);
  const auto pulse = ParseWhole(v[1], INT32_MIN, INT32_MAX);
  return Send(
      c, "test-power on",
      [pulse](Maintenance& m) {
        return m.testPowerOn(pulse ? std::optional<int>(static_cast<int>(*pulse)) : std::nullopt);
      },
      std::nullopt);
}

int InitPowerBoard(Context& c) {
  return Send(
      c, "init-power-board", [](Maintenance& m) { return m.initPowerBoard(); }, F::InitPowerBoard);
}

int ShowVersion(Context& c) {
  return Send(
      c, "show-version", [](Maintenance& m) { return m.showVersion(); }, F::ShowVersion);
}

// Begin, the jogs at each point (aiming: Next between its two points), then
// save or, with --cancel, end unsaved: what the panel's dialog sends for the
// same presses.
int Adjust(Context& c) {
  const auto& v = c.inv.values;
  const auto which = Choice(v[0], {"center", "distortion", "aiming"});
  if (!which) return Usage(c.out, Tr("zorctl::Commands", "adjust takes center, distortion or aiming"));
  constexpr svc::Adjustment kKinds[] = {svc::Adjustment::Center, svc::Adjustment::Distortion, svc::Adjustment::Aiming};
  const svc::Adjustment kind = kKinds[*which];
  const std::size_t points = kind == svc::Adjustment::Aiming ? 2 : 1;
  // Cancelled at the first point, the alignment never goes on to the second.
  const bool firstAlone = points == 2 && c.inv.options.cancel && v.size() == 2;
  if (v.size() != points + 1 && !firstAlone) {
    return Usage(c.out, points == 2
                            ? Tr("zorctl::Commands", "adjust aiming takes MOVES1 MOVES2 (MOVES1 alone with --cancel)")
                            : Tr("zorctl::Commands", "adjust %1 takes MOVES").arg(Value(v[0])));
  }
  std::vector<std::vector<svc::Direction>> moves;
  for (std::size_t i = 1; i < v.size(); ++i) {
    auto parsed = ParseMoves(v[i]);
    if (!parsed) {
      return Refuse(
          c.out, Tr("zorctl::Commands", "adjust: MOVES '%1' may hold only the letters U, D, L and R").arg(Value(v[i])));
    }
    moves.push_back(std::move(*parsed));
  }
  return Send(
      c, "adjust " + v[0],
      [kind, moves, cancel = c.inv.options.cancel](Maintenance& m) {
        svc::AdjustmentSession adjustment(m, kind);
        // Stopped by a signal between two steps: the controller leaves the
        // adjustment's mode as with --cancel.
        auto stopped = [&] {
          const Outcome o = adjustment.cancel();
          return o.ok() ? Retold(o, Tr("zorctl::Commands", "the adjustment was ended without saving")) : o;
        };
        if (Outcome o = adjustment.begin(); !o.ok()) return o;
        for (std::size_t point = 0; point < moves.size(); ++point) {
          if (point > 0) {
            if (StopRequested()) return stopped();
            if (Outcome o = adjustment.nextPoint(); !o.ok()) return o;
          }
          for (const svc::Direction d : moves[point]) {
            if (StopRequested()) return stopped();
            if (Outcome o = adjustment.jog(d); !o.ok()) return o;
          }
        }
        if (StopRequested()) return stopped();
        return cancel ? adjustment.cancel() : adjustment.save();
      },
      svc::FeatureOf(kind));
}

// ---- the service log ------------------------------------------------------------------

namespace {

// Columns wider than this do not widen their column; the line only goes on further.
constexpr qsizetype kMaxColumn = 24;

// One line per entry in aligned columns: local time, front end, serial,
// operation, value, outcome. Control characters show as escapes.
void PrintLog(const std::vector<svc::ServiceLogEntry>& entries, Output& out) {
  std::vector<std::array<QString, 6>> rows;
  std::array<qsizetype, 6> widths{};
  for (const svc::ServiceLogEntry& e : entries) {
    const QString serial = e.serial ? QString::number(*e.serial) : QStringLiteral("-");
    const QString value = e.value.isEmpty() ? QStringLiteral("-") : svc::OneLine(e.value);
    rows.push_back({e.time.toLocalTime().toString(u"yyyy-MM-dd HH:mm:ss"), svc::OneLine(e.frontEnd), serial,
                    svc::OneLine(e.operation), value, svc::OneLine(e.outcome)});
    for (std::size_t i = 0; i < widths.size(); ++i)
      widths[i] = std::max(widths[i], std::min(rows.back()[i].size(), kMaxColumn));
  }
  for (const auto& row : rows) {
    QString line;
    for (std::size_t i = 0; i + 1 < row.size(); ++i) line += row[i].leftJustified(widths[i]) + QStringLiteral("  ");
    out.line((line + row.back()).toStdString());
  }
}

}  // namespace

int Log(Context& c) {
  std::optional<QDateTime> since;
  if (const auto& text = c.inv.options.since) {
    since = svc::ParseSince(*text);
    if (!since)
      return Usage(
          c.out, Tr("zorctl::Commands", "--since '%1' is not a date (2026-12-01) or a date and time (2026-12-01T08:00)")
                     .arg(Value(*text)));
  }
  svc::Reading<svc::ServiceLogContents> read = svc::ReadServiceLog(svc::ServiceLogPath(), since);
  if (!read.ok()) {
    return c.out.finish(Retold(read, Tr("zorctl::Commands", "the service log could not be read: %1").arg(Told(read))));
  }
  svc::ServiceLogContents& log = read.value;
  // --system: the entries for that system alone.
  if (const auto serial = c.inv.options.system) {
    std::erase_if(log.entries, [&](const svc::ServiceLogEntry& e) { return e.serial != *serial; });
  }
  if (log.olderLeftOut) {
    c.out.info(Local(Tr("zorctl::Commands", "the service log is larger than %1: only its newest entries were read")
                         .arg(Value(svc::SizeText(svc::kServiceLogReadLimit)))));
  }
  if (log.skipped > 0) {
    c.out.info(Local(log.skipped == 1
                         ? Tr("zorctl::Commands", "1 line of the service log could not be read")
                         : Tr("zorctl::Commands", "%1 lines of the service log could not be read").arg(log.skipped)));
  }
  if (c.out.json()) {
    QJsonArray entries;
    for (const svc::ServiceLogEntry& e : log.entries) entries.append(e.object);
    c.out.set(QStringLiteral("entries"), entries);
    c.out.set(QStringLiteral("skipped"), log.skipped);
  } else if (log.entries.empty()) {
    const auto& serial = c.inv.options.system;
    const QString from = since ? Value(*c.inv.options.since) : QString();
    const PeopleText none =
        serial ? (since ? Tr("zorctl::Commands", "no operations have been logged for serial number %1 since %2")
                              .arg(static_cast<qlonglong>(*serial))
                              .arg(from)
                        : Tr("zorctl::Commands", "no operations have been logged for serial number %1 yet")
                              .arg(static_cast<qlonglong>(*serial)))
               : (since ? Tr("zorctl::Commands", "no operations have been logged since %1").arg(from)
                        : Tr("zorctl::Commands", "no operations have been logged yet"));
    c.out.info(Local(none));
  } else {
    PrintLog(log.entries, c.out);
  }
  return c.out.finish(kDone);
}

bool IsCommand(std::string_view name) { return FindCommand(name) != nullptr; }

int RunCommand(const Invocation& inv, Output& out) {
  const Command* command = FindCommand(inv.command);
  if (command == nullptr || command->run == nullptr)
    return Usage(out, Tr("zorctl::Commands", "unknown command '%1'").arg(Value(inv.command)));
  for (const std::string& option : inv.options.given) {
    static constexpr std::string_view kCommon[] = {"--json", "--dry-run", "--quiet", "--password-file", "--system"};
    const bool common = std::find(std::begin(kCommon), std::end(kCommon), option) != std::end(kCommon);
    const bool own = std::find(command->options.begin(), command->options.end(), option) != command->options.end();
    if (!common && !own)
      return Usage(out,
                   Args(Tr("zorctl::Commands", "option %1 is not one of %2's"), Value(option), Value(inv.command)));
  }
  if (inv.values.size() < command->minValues || inv.values.size() > command->maxValues) {
    const QString name = Value(inv.command);
    const auto min = static_cast<qulonglong>(command->minValues), max = static_cast<qulonglong>(command->maxValues);
    return Usage(out, min != max ? Tr("zorctl::Commands", "%1 takes %2 to %3 values").arg(name).arg(min).arg(max)
                      : max == 1 ? Tr("zorctl::Commands", "%1 takes 1 value").arg(name)
                                 : Tr("zorctl::Commands", "%1 takes %2 values").arg(name).arg(max));
  }
  Session session(out, inv.options.system);
  Context context{inv, out, session};
  return command->run(context);
}

}  // namespace zor::zorctl
