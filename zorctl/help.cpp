#include "zorctl/help.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <utility>

#include "service/settings.h"
#include "service/text.h"
#include "zorctl/command_table.h"
#include "zorctl/people.h"

namespace zor::zorctl {

namespace {

namespace svc = zor::service;

// The context every text of the help is translated in: the whole help, each
// command's help and summary (command_table.cpp), and the words of the lists.
constexpr char kContext[] = "zorctl::Help";

// The whole help; a line "@name@" stands for a list made from the table of
// commands or the table of settings (Expanded, below). Each command's own
// help is beside it in the table of commands.
//: Command, option and setting names, values, JSON keys, examples and exit
//: statuses stay as they are. Each line "@name@" is a list zorctl fills in:
//: keep it, alone on its line. Lines at most 78 columns (a Chinese character
//: counts two).
constexpr std::string_view kHelpText = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl [OPTIONS] COMMAND [VALUES...]

Reads and sets a ZOR laser marking system's identity, calibration and
network settings from the command line, exactly as the zor-maintenance
panel does: the same checks, the same packets and the same pauses.

Commands:
@commands@

Device families: a command is refused (exit status 1, nothing sent) when the
panel disables its control for the connected system's family, as the panel
started afresh does once it has found that family:
  NK- series   no controller-model, no network settings (mac, ip, subnet,
               gateway, ship-id)
  N- series    no get currents, init-power-board, adjust, mark,
               controller-model, work-time or network settings
  NZ series    no 20-current, max-current, init-power-board, adjust center
               or shutter
get all and backup leave out what the family does not have and name it
(not_on_family); diff shows it as "not on family" and restore never sends it.

Options:
  --json                one JSON object on standard output (keys below)
  --dry-run             run every check and print the packets, status queries
                        and waits the command would make, with their timing;
                        nothing in the device link is called (so no family
                        is known: the plan is the same for every family)
  -q, --quiet           no progress and no informational messages
  --system SERIAL       work with the system of this serial number (decimal)
                        when several answer; refused with exit status 3 when
                        it does not answer (log: its entries alone)
  --password-file FILE  read the service password from the first line of FILE
                        (a pipe such as <(pass show zor) will do, if its line
                        comes within 10 s)
  --identity            diff, restore: the identity values too
  --other-system        restore: the snapshot may come from another system
  -y, --yes             restore: no question before sending
  --cancel              adjust: end without saving
  --typed               set controller-model: the code as typed by hand
  --output FILE         report: the PDF to write
  --width, --height MM  calibrate: the corrected square's width and height
                        across the middle, in mm (a point as decimal point)
  --top, --left MM      calibrate: its top and left edges, corner to corner
  --nominal MM          calibrate: the nominal side (else half the field's
                        side from the lens: 55.0125 mm for 163 mm)
  --tolerance PCT,MM    calibrate: within tolerance, nothing is sent
                        (default 0.05,0.02: 0.05 % of nominal, edges 0.02 mm)
  --no-set              calibrate: read and compute, send nothing
  --mark                calibrate: mark the corrected square after sending
  --since DATE          log, report: only entries from DATE on (2026-12-01, or
                        2026-12-01T08:00[:SS]; local time, UTC with a final Z;
                        a time a daylight-saving change skipped: the first
                        after it)
  -h, --help            show help and exit (after a command: its help)
  --version             show the version and exit

The service password (serial, model-name, controller-model, work-time) is
taken from --password-file, else from ZOR_SERVICE_PASSWORD (without a final
newline or CR; empty counts as unset), else asked for without echo when
standard input is a terminal. It is never accepted as an argument. A wrong
or missing password sends nothing.

Values travel exactly as the panel sends them: texts as typed (one byte per
character: Latin-1 only); a MAC address in any usual notation (00:1A:2B:3C:4D:5E,
00-1a-2b-3c-4d-5e, 001a.2b3c.4d5e, 001a2b3c4d5e) goes out as XX:XX:XX:XX:XX:XX;
an IP address, subnet mask or gateway as four decimal octets (192.168.1.10);
a listed controller model (100021, 100022, 200031, 200041) as if picked from
the panel's list (--typed: as typed by hand), any other six-digit code as
typed, and the eight digits get controller-model prints as they read: the
flag byte, 00 (typed by hand) or 10 (listed), then the code; any other value
is refused.

After a Set zorctl reads the value back wherever a Get reads it (currents,
lens, distortion, scale, serial, model name, controller model, the network
settings): one the controller did not keep ends with "sent, but the
controller reads back X" and exit status 4, and the service log says
"differs". The 20-current and the multipliers cannot be read: zorctl says
once that the value was sent and cannot be read back.

Output: a reading of one value prints the value alone; of several, one
"key: value" line each. Control characters in texts from the marking system,
a file or the log show as escapes (\x1B, \u009B); JSON has its own. With
--json every command prints one object:
  command        the command line's command and values
  ok             true when the command did everything it set out to
  exit_status    as below
  error          {kind, message} when not ok; kind is usage, refused,
                 not-connected, not-accepted, read-failed, no-device-link,
                 file (a file could not be read or written) or interrupted
  warnings       [texts] when there is something to know besides: a change
                 the controller took but could not save (exit status 0)
  list:          systems [{serial, name, address, family}]
  info:          system_name, version, release_date, serial_number, lens_mm,
                 family (NK, N or NZ)
@keys@
  get all:       values {every key above}, missing [settings not read],
                 not_on_family [settings the family does not have]
  --dry-run:     dry_run [{at_ms, step}], total_ms
  backup:        file, missing [settings not read: not in the file],
                 not_on_family [settings the family does not have]
  diff:          settings [{setting, controller, file, restore}], to_send,
                 other_system, controller_serial, file_serial; restore is
                 send, same, not in file, needs --identity, never restored
                 or not on family
  restore:       settings [{setting, before, file, result, after}] for those
                 sent; result is verified, taken, not saved, differs,
                 unreadable, failed or not sent; sent, cancelled, summary
  calibrate:     measured {width_mm, height_mm, top_mm, left_mm}, nominal_mm,
                 old and new {scale_x, scale_y, distortion_x, distortion_y},
                 expected {width_mm, height_mm, top_mm, left_mm},
                 within_tolerance, sent
  log:           entries [{time, front_end, serial, model, operation, value,
                 outcome, message}] as the log holds them, oldest first;
                 skipped: lines that could not be read
  report:        file, not_read [settings listed as not read], log_entries,
                 calibrations

Exit status:
  0  done
  1  refused: a value or the password was not accepted; nothing was sent
  2  usage: unknown command, setting or option, or wrong number of values
  3  no device link, no marking system answered (with --system: not that
     one), or the device link did not accept a packet (nothing more was sent)
  4  the controller did not answer a read (backup: saved without it;
     report: listed as not read; diff: a value it compares), or it
     answered, but a value does not read back as sent (set, restore: the
     controller did not keep it)
  5  a file could not be read or written (the service log, a backup, a
     report, or zor-report could not make the PDF), or
     standard output or standard error could not be written
  130  interrupted by Ctrl+C (SIGINT; 143 for SIGTERM), as below

Ctrl+C (SIGINT) or SIGTERM while zorctl sends never cuts a value short: it
says "stopping after this value" and stops once the value under way is sent
whole (a restore: between settings; an adjustment: between jogs, then ended
unsaved). zorctl then ends by that signal, so a script running it stops too.
A second Ctrl+C ends it at once.

Environment:
  ZOR_SERVICE_PASSWORD   the service password
  LD_LIBRARY_PATH        absolute folders searched first for libZorComm.so
  XDG_STATE_HOME         the service log is $XDG_STATE_HOME/zor-maintenance/
                         service-log.jsonl (~/.local/state/... when unset)
  ZORCOMM_LINK, ZORCOMM_SOCKET, ZORCOMM_SYSTEM, ZORCOMM_SIM_MODEL,
  ZORCOMM_STATE, ZORCOMM_TRACE
                         the device link's own; see zor-maintenance(1)
                         (--system sets ZORCOMM_SYSTEM)

Examples:
  zorctl info
  zorctl list --json
  zorctl --system 100002 get scale
  zorctl get currents --json
  zorctl set min-current 0.5
  ZOR_SERVICE_PASSWORD=... zorctl set serial 100042
  zorctl set ip 192.168.1.10 --dry-run
  zorctl adjust distortion UUL
  zorctl adjust aiming UUL D
  zorctl calibrate --width 55.79 --height 54.15 --top 55.70 --left 54.06
  zorctl backup unit-100001.json
  zorctl diff unit-100001.json
  zorctl restore unit-100001.json --yes
  zorctl log --since 2026-12-01
)");

constexpr qsizetype kWidth = 78;  // the longest line of a list

// One of the help's texts (marked in kContext where it is written) in the
// user's language; the English itself when no translation is loaded.
std::string Local(std::string_view english) {
  return QCoreApplication::translate(kContext, std::string(english).c_str()).toStdString();
}

// Characters a line neither begins with (closing punctuation) nor ends with
// (opening): the text is never broken next to them.
bool Closing(char32_t c) {
  return std::u32string_view(U"、。，；：！？）」』”’),.;:!?]}").find(c) != std::u32string_view::npos;
}
bool Opening(char32_t c) { return std::u32string_view(U"（「『“‘([{").find(c) != std::u32string_view::npos; }

// A piece of text a line may break before, and whether a blank stood before it.
struct Piece {
  QString text;
  bool blank = false;
};

// Whether the text holds no letter and no digit: "(*", "--".
bool OnlySigns(const QString& text) {
  return std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// The pieces of a text: its words, and within a word each character of a
// wide script (Chinese is written without blanks between words). A word of
// signs alone stays with the next ("(* needs"), and a tab holds two words
// together ("scale\tX\tY"); both show as a blank.
std::vector<Piece> Pieces(std::string_view text) {
  std::vector<Piece> pieces;
  bool blank = false;
  char32_t last = 0;
  for (const char32_t c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4()) {
    if (c == U' ') {
      blank = true;
      continue;
    }
    const bool glued = blank && !pieces.empty() && OnlySigns(pieces.back().text);
    if (glued) {
      pieces.back().text += u' ';
      blank = false;
    }
    const bool breaks = !glued && (blank || ((IsWide(last) || IsWide(c)) && !Closing(c) && !Opening(last)));
    if (pieces.empty() || breaks) pieces.push_back({QString(), blank && !pieces.empty()});
    pieces.back().text += c == U'\t' ? QString(u' ') : QString::fromUcs4(&c, 1);
    blank = false;
    last = c;
  }
  return pieces;
}

// The head, then the text from the column on, broken into lines of at most
// kWidth columns (a wide character takes two) between its pieces; the text
// starts on a line of its own when the head reaches the column.
std::string Wrapped(const std::string& head, std::string_view text, qsizetype column) {
  QString out = QString::fromStdString(head);
  qsizetype at = Columns(out.mid(out.lastIndexOf(u'\n') + 1));  // -1 + 1 is 0
  if (at > 0 && at >= column) {
    out += u'\n';
    at = 0;
  }
  out += QString(column - at, u' ');
  at = column;
  bool first = true;
  for (const Piece& piece : Pieces(text)) {
    const qsizetype width = Columns(piece.text);
    if (!first && at + (piece.blank ? 1 : 0) + width > kWidth) {
      out += u'\n' + QString(column, u' ');
      at = column;
    } else if (!first && piece.blank) {
      out += u' ';
      ++at;
    }
    out += piece.text;
    at += width;
    first = false;
  }
  return (out + u'\n').toStdString();
}

// The items with the separator between them: "a, b, c".
std::string Joined(const std::vector<std::string>& items, std::string_view separator = ", ") {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) text += std::string(i == 0 ? "" : separator) + items[i];
  return text;
}

// The items as a person lists them: "a, b and c".
std::string JoinedAnd(std::vector<std::string> items) {
  if (items.size() < 2) return Joined(items);
  const std::string last = items.back();
  items.pop_back();
  return QCoreApplication::translate("zorctl::Help", "%1 and %2")
      .arg(QString::fromStdString(Joined(items)), QString::fromStdString(last))
      .toStdString();
}

// The keys of a Get, with what one holds where its name does not say:
// "controller_model (8 hex digits: flag byte and model code)".
std::string Keys(const svc::Setting& setting) {
  std::vector<std::string> keys;
  for (const svc::SettingKey& key : setting.keys) {
    if (key.name.empty()) continue;
    const QString name = QString::fromUtf8(key.name.data(), static_cast<qsizetype>(key.name.size()));
    QString note = key.kind == svc::KeyKind::Hex8       ? QCoreApplication::translate("zorctl::Help", "8 hex digits")
                   : key.kind == svc::KeyKind::WorkTime ? QStringLiteral("D,HH:MM:SS")
                                                        : QString();
    if (!key.note.empty())
      note = note.isEmpty() ? svc::HelpWords(key.note)
                            : QCoreApplication::translate("zorctl::Help", "%1: %2").arg(note, svc::HelpWords(key.note));
    keys.push_back(
        (note.isEmpty() ? name : QCoreApplication::translate("zorctl::Help", "%1 (%2)").arg(name, note)).toStdString());
  }
  return Joined(keys);
}

// A Set as set's help shows it, "scale X Y"; in the whole help's list, with
// "*" for the service password and without the plain TEXT: "work-time* D,HH:MM:SS".
std::string SetItem(const svc::Setting& setting, bool listed) {
  std::string item(setting.name);
  if (listed && setting.password) item += '*';
  if (!listed || setting.valueNames != "TEXT") item += ' ' + std::string(setting.valueNames);
  std::replace(item.begin(), item.end(), ' ', '\t');
  return item;
}

// The text with each "@name@" in it replaced by the list of that name.
std::string WithLists(std::string text, const std::vector<std::pair<std::string, std::string>>& lists) {
  for (const auto& [name, list] : lists)
    if (const std::size_t at = text.find('@' + name + '@'); at != std::string::npos)
      text.replace(at, name.size() + 2, list);
  return text;
}

// A command's line in the whole help's list: its synopsis, and from the
// column on its summary, as broken in the table; a summary that holds a
// list of settings is broken to the width the list needs.
std::string CommandLine(const CommandUse& use, const std::vector<std::pair<std::string, std::string>>& lists) {
  constexpr std::size_t kColumn = 32;
  const std::string head = "  " + std::string(use.synopsis);
  const std::string summary = Local(use.summary);
  if (summary.find('@') != std::string::npos) return Wrapped(head, WithLists(summary, lists), kColumn);
  std::string text =
      head + (head.size() >= kColumn ? "\n" + std::string(kColumn, ' ') : std::string(kColumn - head.size(), ' '));
  for (const char c : summary) text += c == '\n' ? "\n" + std::string(kColumn, ' ') : std::string(1, c);
  return text + '\n';
}

// The list a line "@name@" stands for.
std::string List(std::string_view name) {
  std::vector<std::string> gets, sets, keys, unread;
  qsizetype column = 0;  // of what get's help says of each
  for (const svc::Setting& s : svc::Settings()) {
    if (s.read != nullptr) {
      gets.emplace_back(s.name);
      keys.push_back(std::string(s.name) + ": " + Keys(s));
      column = std::max(column, static_cast<qsizetype>(s.name.size()) + 4);
    }
    if (s.write != nullptr) sets.push_back(SetItem(s, true));
    if (s.write != nullptr && s.read == nullptr && s.readBy.empty()) unread.emplace_back(s.name);
  }
  std::string list;
  if (name == "commands") {
    const std::vector<std::pair<std::string, std::string>> named = {{"gets", Joined(gets)}, {"sets", Joined(sets)}};
    for (const Command& command : Commands())
      for (const CommandUse& use : command.uses)
        if (!use.synopsis.empty()) list += CommandLine(use, named);
    return list;
  }
  if (name == "keys") return Wrapped("  get NAME:", Joined(keys, "; "), 17);
  if (name == "reads") {
    for (const svc::Setting& s : svc::Settings())
      if (s.read != nullptr) list += Wrapped("  " + std::string(s.name), Keys(s), column);
    list += Wrapped("  all",
                    QCoreApplication::translate(
                        "zorctl::Help",
                        "every one of these that the system's family has; one that cannot be read is listed under "
                        "\"missing\" and the exit status is 4, one the family does not have under \"not_on_family\"")
                        .toStdString(),
                    column);
    if (!unread.empty())
      list += Wrapped("",
                      QCoreApplication::translate("zorctl::Help", "%1 can be set, but not read.")
                          .arg(QString::fromStdString(JoinedAnd(unread)))
                          .toStdString(),
                      0);
    return list;
  }
  // "writes": the Sets that send alike, together.
  std::vector<std::string_view> told;
  for (const svc::Setting& s : svc::Settings()) {
    if (s.write == nullptr || std::find(told.begin(), told.end(), s.sends) != told.end()) continue;
    told.push_back(s.sends);
    std::vector<std::string> alike;
    for (const svc::Setting& other : svc::Settings())
      if (other.write != nullptr && other.sends == s.sends) alike.push_back(SetItem(other, false));
    std::string head = Wrapped("", Joined(alike), 2);
    head.pop_back();
    list += Wrapped(head, svc::HelpWords(s.sends).toStdString(), 21);
  }
  return list;
}

// The text with each line "@name@" replaced by its list.
std::string Expanded(std::string_view text) {
  std::string out;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    if (line.size() > 2 && line.front() == '@' && line.back() == '@')
      out += List(line.substr(1, line.size() - 2));
    else
      out += std::string(line) + (end < text.size() ? "\n" : "");
    start = end + 1;
  }
  return out;
}

}  // namespace

std::string HelpText() { return Expanded(Local(kHelpText)); }

std::string CommandHelp(std::string_view command) {
  const Command* found = FindCommand(command);
  return found != nullptr ? Expanded(Local(found->help)) : std::string();
}

std::optional<std::vector<std::string>> CompletionWords(const std::vector<std::string>& request) {
  std::vector<std::string> words;
  if (request.size() == 1 && request[0] == "get") {
    for (const svc::Setting& s : svc::Settings())
      if (s.read != nullptr) words.emplace_back(s.name);
    words.emplace_back("all");
  } else if (request.size() == 1 && request[0] == "set") {
    for (const svc::Setting& s : svc::Settings())
      if (s.write != nullptr) words.emplace_back(s.name);
  } else if (request.size() == 2 && request[0] == "set-values") {
    if (const svc::Setting* s = svc::FindWritable(request[1]))
      for (const std::u16string_view choice : s->choices) words.push_back(svc::ToUtf8(choice));
  } else {
    return std::nullopt;
  }
  return words;
}

}  // namespace zor::zorctl
