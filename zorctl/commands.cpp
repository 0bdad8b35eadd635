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

namespace zorctl {

namespace {

using zor::service::Maintenance;
using zor::service::Outcome;
namespace svc = zor::service;
using F = svc::Feature;

std::optional<std::u16string> Password(Context& c) {
  svc::Reading<std::u16string> password = ReadServicePassword(c.inv.options.passwordFile);
  if (!password.ok()) {
    Refuse(c.out, ToUtf8(password.message));
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
    return c.out.finish(kReadFailed, "the marking system's identity could not be read", "read-failed");
  c.out.fields(svc::IdentityFields(*identity));
  return c.out.finish(kDone);
}

int Get(Context& c) {
  const std::string& name = c.inv.values[0];
  if (name != "all") {
    const svc::Setting* setting = svc::FindReadable(name);
    if (setting == nullptr) return Usage(c.out, "unknown setting '" + name + "'");
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
    c.out.info("not on " + ToUtf8(svc::FamilySystem(family)) + ": " + lacking);
  }
  return c.out.finish(status, status == kDone ? "" : "some settings could not be read", "read-failed");
}

// ---- set ----------------------------------------------------------------------------

namespace {

// Sends a Set and reads its value back where the system's family reads it,
// as a restore does: one the controller did not keep is a failed read. A
// value nothing reads is told once; the working time, which counts on from
// the value set, is not held to it.
Outcome SentAndReadBack(Maintenance& m, const svc::Setting& setting, const svc::Task& set,
                        const std::optional<std::u16string>& expected, const std::string& what) {
  const std::optional<zor::Family> family = svc::KnownFamily(m.identity());
  if (!svc::ReadBackOn(family, setting)) {
    Outcome sent = set(m);
    if (!sent.ok() || setting.read != nullptr) return sent;
    sent.message = FromUtf8(what + ": sent; ") +
                   (setting.readBy.empty() ? u"the controller's " + std::u16string(setting.title) + u" cannot be read"
                                           : std::u16string(svc::FamilySystem(family)) + u" cannot read it") +
                   u" back";
    return sent;
  }
  const svc::ReadBack sent = svc::SendAndReadBack(m, setting, set, expected, family);
  switch (sent.result) {
    case svc::RestoreResult::Verified:
      return Outcome::done();
    case svc::RestoreResult::Differs:
      return Outcome::failed(svc::Status::ReadFailed,
                             FromUtf8(what + ": sent, but the controller reads back ") + *sent.after);
    case svc::RestoreResult::Unreadable:
      return Outcome::failed(svc::Status::ReadFailed, FromUtf8(what + ": sent, but it could not be read back"));
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
  if (setting == nullptr) return Usage(c.out, "unknown setting '" + values[0] + "'");
  if (values.size() - 1 != static_cast<std::size_t>(setting->valueCount))
    return Usage(c.out, "set " + values[0] + " takes " + std::to_string(setting->valueCount) +
                            (setting->valueCount == 1 ? " value" : " values"));
  if (c.inv.options.typed && setting->name != "controller-model")
    return Usage(c.out, "--typed is for set controller-model alone");
  svc::SetValues given;
  for (std::size_t i = 1; i < values.size(); ++i) given.values.push_back(FromUtf8(values[i]));
  given.typed = c.inv.options.typed;
  if (setting->password) {
    auto password = Password(c);
    if (!password) return kRefused;
    given.password = std::move(*password);
  }
  const svc::Reading<svc::Task> task = setting->write(given);
  if (!task.ok()) return Refuse(c.out, values[0] + ": " + ToUtf8(task.message));
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
  const std::string range = "' is not a whole number from 0 to " + std::to_string(svc::kMaxMoveTarget);
  if (!x) return Refuse(c.out, "move: X '" + c.inv.values[0] + range);
  if (!y) return Refuse(c.out, "move: Y '" + c.inv.values[1] + range);
  return Send(
      c, "move",
      [x = *x, y = *y](Maintenance& m) {
        return m.moveTo(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y));
      },
      std::nullopt);
}

int Mark(Context& c) {
  const auto figure = Choice(c.inv.values[0], {"original-square", "corrected-square", "max-field"});
  if (!figure) return Usage(c.out, "mark takes original-square, corrected-square or max-field");
  const auto f = static_cast<svc::Figure>(*figure);
  return Send(
      c, "mark " + c.inv.values[0], [f](Maintenance& m) { return m.mark(f); }, svc::FeatureOf(f));
}

int Shutter(Context& c) {
  const auto open = Choice(c.inv.values[0], {"close", "open"});
  if (!open) return Usage(c.out, "shutter takes open or close");
  return Send(
      c, "shutter " + c.inv.values[0], [open = *open == 1](Maintenance& m) { return m.shutter(open); }, F::Shutter);
}

int Aiming(Context& c) {
  const auto on = Choice(c.inv.values[0], {"off", "on"});
  if (!on) return Usage(c.out, "aiming takes on or off");
  return Send(
      c, "aiming", [on = *on == 1](Maintenance& m) { return m.aiming(on); }, std::nullopt);
}

int TestPower(Context& c) {
  const auto& v = c.inv.values;
  const auto on = Choice(v[0], {"off", "on"});
  if (!on || v.size() != (*on == 1 ? 2u : 1u)) return Usage(c.out, "test-power takes on PULSE, or off");
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
  if (!which) return Usage(c.out, "adjust takes center, distortion or aiming");
  constexpr svc::Adjustment kKinds[] = {svc::Adjustment::Center, svc::Adjustment::Distortion, svc::Adjustment::Aiming};
  const svc::Adjustment kind = kKinds[*which];
  const std::size_t points = kind == svc::Adjustment::Aiming ? 2 : 1;
  // Cancelled at the first point, the alignment never goes on to the second.
  const bool firstAlone = points == 2 && c.inv.options.cancel && v.size() == 2;
  if (v.size() != points + 1 && !firstAlone) {
    return Usage(c.out, points == 2 ? "adjust aiming takes MOVES1 MOVES2 (MOVES1 alone with --cancel)"
                                    : "adjust " + v[0] + " takes MOVES");
  }
  std::vector<std::vector<svc::Direction>> moves;
  for (std::size_t i = 1; i < v.size(); ++i) {
    auto parsed = ParseMoves(v[i]);
    if (!parsed) return Refuse(c.out, "adjust: MOVES '" + v[i] + "' may hold only the letters U, D, L and R");
    moves.push_back(std::move(*parsed));
  }
  return Send(
      c, "adjust " + v[0],
      [kind, moves, cancel = c.inv.options.cancel](Maintenance& m) {
        svc::AdjustmentSession adjustment(m, kind);
        // Stopped by a signal between two steps: the controller leaves the
        // adjustment's mode as with --cancel.
        auto stopped = [&] {
          Outcome o = adjustment.cancel();
          if (o.ok()) o.message = u"the adjustment was ended without saving";
          return o;
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
      return Usage(c.out, "--since '" + *text + "' is not a date (2026-12-01) or a date and time (2026-12-01T08:00)");
  }
  svc::Reading<svc::ServiceLogContents> read = svc::ReadServiceLog(svc::ServiceLogPath(), since);
  if (!read.ok()) {
    read.message = u"the service log could not be read: " + read.message;
    return c.out.finish(read);
  }
  svc::ServiceLogContents& log = read.value;
  // --system: the entries for that system alone.
  if (const auto serial = c.inv.options.system) {
    std::erase_if(log.entries, [&](const svc::ServiceLogEntry& e) { return e.serial != *serial; });
  }
  if (log.olderLeftOut) {
    c.out.info("the service log is larger than " + svc::SizeText(svc::kServiceLogReadLimit) +
               ": only its newest entries were read");
  }
  if (log.skipped > 0)
    c.out.info(std::to_string(log.skipped) + (log.skipped == 1 ? " line" : " lines") +
               " of the service log could not be read");
  if (c.out.json()) {
    QJsonArray entries;
    for (const svc::ServiceLogEntry& e : log.entries) entries.append(e.object);
    c.out.set(QStringLiteral("entries"), entries);
    c.out.set(QStringLiteral("skipped"), log.skipped);
  } else if (log.entries.empty()) {
    const auto& serial = c.inv.options.system;
    c.out.info((serial ? "no operations have been logged for serial number " + std::to_string(*serial) + " "
                       : std::string("no operations have been logged ")) +
               (since ? "since " + *c.inv.options.since : std::string("yet")));
  } else {
    PrintLog(log.entries, c.out);
  }
  return c.out.finish(kDone);
}

bool IsCommand(std::string_view name) { return FindCommand(name) != nullptr; }

int RunCommand(const Invocation& inv, Output& out) {
  const Command* command = FindCommand(inv.command);
  if (command == nullptr || command->run == nullptr) return Usage(out, "unknown command '" + inv.command + "'");
  for (const std::string& option : inv.options.given) {
    static constexpr std::string_view kCommon[] = {"--json", "--dry-run", "--quiet", "--password-file", "--system"};
    const bool common = std::find(std::begin(kCommon), std::end(kCommon), option) != std::end(kCommon);
    const bool own = std::find(command->options.begin(), command->options.end(), option) != command->options.end();
    if (!common && !own) return Usage(out, "option " + option + " is not one of " + inv.command + "'s");
  }
  if (inv.values.size() < command->minValues || inv.values.size() > command->maxValues) {
    return Usage(out, inv.command + " takes " +
                          (command->minValues == command->maxValues
                               ? std::to_string(command->minValues)
                               : std::to_string(command->minValues) + " to " + std::to_string(command->maxValues)) +
                          (command->maxValues == 1 ? " value" : " values"));
  }
  Session session(out, inv.options.system);
  Context context{inv, out, session};
  return command->run(context);
}

}  // namespace zorctl
