#include "zorctl/help.h"

#include <algorithm>

#include "service/settings.h"
#include "service/text.h"

namespace zor::zorctl {

namespace {

namespace svc = zor::service;

// The help's texts; a line "@name@" stands for a list made from the table of
// settings (Expanded, below).
constexpr std::string_view kHelpText = R"(Usage: zorctl [OPTIONS] COMMAND [VALUES...]

Reads and sets a ZOR laser marking system's identity, calibration and
network settings from the command line, exactly as the zor-maintenance
panel does: the same checks, the same packets and the same pauses.

Commands:
  list                          every system that answers: serial number,
                                name, address and device family
  info                          system name, version, release date, serial
                                number, lens and device family
@get@
@set@
  move X Y                      move to a point (0 to 255 each)
  mark FIGURE                   mark original-square, corrected-square or
                                max-field
  shutter open|close            open or close the shutter
  aiming on|off                 switch the aiming diode
  test-power on PULSE           fire the test power at PULSE (0 to 100)
  test-power off                stop the test power
  init-power-board              reinitialise the power board
  show-version                  make the controller show its version
  adjust center|distortion MOVES
                                begin the adjustment, jog by MOVES (letters
                                U, D, L, R; "" for none) and save it, or with
                                --cancel end it without saving
  adjust aiming MOVES1 MOVES2   align the aiming diode: jog by MOVES1 at the
                                top left point, Next, jog by MOVES2 at the
                                right bottom point, then save (or --cancel;
                                MOVES1 alone with --cancel: end at the first
                                point)
  calibrate --width MM --height MM [--top MM --left MM]
                                compute the scale and distortion corrections
                                that bring the corrected square, as measured,
                                to its nominal size with straight edges, and
                                send them (--no-set: compute only; --mark:
                                mark the corrected square afterwards)
  backup FILE                   read every setting the controller reports and
                                save them, with its identity, as a snapshot
  diff FILE                     compare a snapshot with the controller, setting
                                by setting, and tell what a restore would send
  restore FILE                  send the snapshot's values that differ
                                (calibration first, network last) and read
                                each back; --identity also the serial number,
                                model name and controller model (password);
                                --other-system for another system's snapshot;
                                --yes without asking (needed off a terminal)
  log                           print the service log: every operation that
                                sent something, from zorctl and the panel
  report --output FILE.pdf      write the service report: the system, every
                                setting as read now, the service log since
                                --since (default: today) and the calibration
                                rounds with a drawing of their squares
  help [COMMAND]                this text, or a command's own

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
)";

struct Help {
  std::string_view command;
  std::string_view text;
};

constexpr Help kHelp[] = {
    {"list", R"(Usage: zorctl list [--system SERIAL] [--json] [--dry-run]

Looks for marking systems once and lists every one that answers: its serial
number (decimal), name (the model name its controller reports), IPv4 address
and device family (NK, N or NZ, from the name). Exit status 3 when none
answers or, with --system, when that one is not among them.
  --json         {"systems": [{serial, name, address, family}]}
)"},
    {"info", R"(Usage: zorctl info [--json]

Prints the identity the marking system reported when it was found: system
name, version, release date, serial number, lens (mm) and device family.
Exit status 4 when the identity could not be read.
)"},
    {"get", R"(Usage: zorctl get NAME [--json] [--dry-run]

Reads one setting, as the panel's Get does, and prints it:
@reads@
A setting the family does not have is refused (exit status 1).
)"},
    {"set", R"(Usage: zorctl set NAME VALUE... [--json] [--dry-run] [--password-file FILE]
       zorctl set controller-model CODE --typed

Writes one setting, with the panel's packets and pauses:
@writes@
A text holding a character beyond Latin-1 is refused; nothing is sent, as
is a setting the system's family does not have (exit status 1).

The value is then read back wherever a Get reads it: one the controller did
not keep ends with "sent, but the controller reads back X" (exit status 4;
the service log's outcome "differs"), one that cannot be read with a line
saying so. --typed sends a controller model code as typed by hand (the
prefix 00), even one the panel's list has.
)"},
    {"move", R"(Usage: zorctl move X Y [--dry-run]

Moves to the point (X, Y); each a whole number from 0 to 255.
)"},
    {"mark", R"(Usage: zorctl mark original-square|corrected-square|max-field [--dry-run]

Marks a test figure. max-field toggles the controller's maximum field.
)"},
    {"shutter", "Usage: zorctl shutter open|close [--dry-run]\n\nOpens or closes the shutter.\n"},
    {"aiming", "Usage: zorctl aiming on|off [--dry-run]\n\nSwitches the aiming diode on or off.\n"},
    {"test-power", R"(Usage: zorctl test-power on PULSE | zorctl test-power off [--dry-run]

Fires the test power at PULSE, a whole number from 0 to 100, or stops it.
)"},
    {"init-power-board", "Usage: zorctl init-power-board [--dry-run]\n\nReinitialises the power board.\n"},
    {"show-version", "Usage: zorctl show-version [--dry-run]\n\nMakes the controller show its version.\n"},
    {"adjust", R"(Usage: zorctl adjust center|distortion MOVES [--cancel] [--dry-run]
       zorctl adjust aiming MOVES1 MOVES2 [--cancel] [--dry-run]
       zorctl adjust aiming MOVES1 --cancel [--dry-run]

Begins the centering or distortion adjustment, sends one jog per letter of
MOVES (U up, D down, L left, R right; "" for none), then saves the result,
or with --cancel ends the adjustment without saving. Ctrl+C between two
jogs ends it without saving too (exit status 130).

aiming aligns the aiming diode at two points, as the panel's "Aiming
Alignment..." does: the jogs of MOVES1 at the centre of the top left, Next,
the jogs of MOVES2 at the centre of the right bottom, then the save and,
half a second later, the end of the alignment; with --cancel the end alone.
With --cancel and MOVES1 alone it ends at the first point, without Next, as
the alignment dialog cancelled there does.
)"},
    {"log", R"(Usage: zorctl log [--since DATE] [--system SERIAL] [--json]

Prints the service log, oldest first: one line for every operation that sent
something to a marking system, from zorctl and from the panel, with its time
(local), front end, the system's serial number, the operation, the value sent
("-" for none) and the outcome. Refusals send nothing and are not logged; the
service password never is. The device link is not loaded.

The log is $XDG_STATE_HOME/zor-maintenance/service-log.jsonl, or
~/.local/state/zor-maintenance/service-log.jsonl when XDG_STATE_HOME is unset
or not absolute: one JSON object per line with time (UTC, ISO 8601 with
milliseconds), front_end, serial and model (null when no identity was read),
operation, value, outcome (done, refused, not-connected, not-accepted,
read-failed; differs or unreadable for a Set a restore read back) and message
(when not done). Only its newest 8 MB are read; a line that cannot be read is
skipped and counted. A program that holds the log's lock for more than 2 s
makes the reading fail.

  --since DATE   only the entries from DATE on: 2026-12-01 (from midnight),
                 2026-12-01T08:00 or 2026-12-01T08:00:30 ('T' or a space);
                 local time, or UTC with a final Z (2026-12-01T08:00Z);
                 a time a daylight-saving change skipped is the first after it
  --system SERIAL  only the entries for the system of that serial number
  --json         {"entries": [the lines' objects], "skipped": N}
Exit status 5 when the log exists but cannot be read.
)"},
    {"report", R"(Usage: zorctl report --output FILE.pdf [--since DATE] [--system SERIAL] [--json]

Writes the service report, a PDF to hand the customer: the system (name,
serial number, version, release date, lens, family, controller model,
working time), every setting its family has as read now (one that cannot be
read is listed as "not read", never with a value), the service-log entries
for this system since DATE, the calibration rounds among them with their
measurements and a drawing of the measured, expected and nominal squares to
scale, and the date and host it was made on. No display is needed.

  --output FILE  the PDF; written atomically (a temporary beside it, then
                 renamed), never through a symbolic link at FILE, and
                 checked before anything is read
  --since DATE   the log's entries from DATE on, as for log (default: the
                 start of today, local time)
  --system SERIAL  the system to report on, when several answer

zorctl gathers the content and runs zor-report (beside zorctl, or in the
tool's library folder) to lay it out, waiting at most 60 s for it.
Exit status 4 when a setting could not be read (the report lists it as not
read), 5 when FILE cannot be written, the PDF could not be made or the
service log could not be read (the report then holds no entries).
)"},
    {"calibrate", R"(Usage: zorctl calibrate --width MM --height MM [--top MM --left MM] [--nominal MM]
                        [--tolerance PCT,MM] [--no-set] [--mark] [--json] [--dry-run]

The field calibration: mark the corrected square, measure it, and give its
width and height across the middle and, to straighten its edges, its top and
left edges from corner to corner, in millimetres. zorctl reads the scale and
distortion corrections in force, computes the new ones that bring the square
to its nominal size (half the field's side from the lens, or --nominal), prints
the old and new values and the sizes the next square should have, and sends
what changes with the panel's packets and pauses: Set scale, then Set
distortion. Width and height alone correct the scale only. With --mark it then
marks the corrected square, to be measured for the next round.

Nothing is sent when the square is already within tolerance (--tolerance
PCT,MM; default 0.05 % of nominal across the middle, and each edge within
0.02 mm of its middle size), or with --no-set. A size that is not a positive
number of millimetres (a point as decimal point) or lies more than 20 % from
nominal, an edge without the other, or a result the controller cannot take is
refused (exit status 1). When this round's square lies no closer to nominal
than the previous round's did, as the service log has it, zorctl says so.
Each round that sent is one service-log entry, operation "calibrate".
)"},
    {"backup", R"(Usage: zorctl backup FILE [--json] [--dry-run]

Reads the identity and every setting the controller can report (currents,
distortion, scale, controller model, MAC, IP, subnet, gateway, ship id,
working time) and saves them as one JSON file, written atomically. A read
that fails is left out and named at the end (exit status 4); a setting the
system's family does not have is not read and is listed under
"not_on_family"; a file that cannot be written is refused (exit status 5)
and nothing is left behind.
)"},
    {"diff", R"(Usage: zorctl diff FILE [--identity] [--json]

Compares a snapshot with the connected controller: each setting's value on
the controller and in the file, and whether a restore would send it. The
working time and the ship id are shown, never restored; a setting the
system's family has no Set for shows as "not on family" and is never sent.
A file that is not a valid snapshot is refused (exit status 1) and nothing
is read or sent. A controller value that could not be read shows as
(unreadable), and the exit status is 4.
)"},
    {"restore", R"(Usage: zorctl restore FILE [--identity] [--other-system] [--yes] [--json] [--dry-run]

Checks the whole file first: a file that is not JSON, of another format or
a newer version, misses a part, holds a value the panel would refuse or the
controller could not have reported, or is larger than 1 MB is refused with
the problem named, and nothing is sent. Then sends only the settings whose
values differ, with the panel's own packets and pauses (calibration first,
network settings last) and reads each back: verified, differs or
unreadable; "taken, not saved" when the controller took it but could not
save it (a warning; exit status 0). When a setting did not end verified,
the summary's first line says what happened and how many were not sent.
A setting the system's family has no Set for is never sent;
the summary names what the family lacks. The serial number, model name and
controller model go back only with --identity and the service password; a
snapshot of another system (another serial number) only with
--other-system. On a terminal the
comparison is shown and confirmed first; without one, --yes is needed.
Ctrl+C or SIGTERM stops it between settings: each is as it was or fully
sent, and the exit status is 130 (143).
)"},
    {"help", "Usage: zorctl help [COMMAND]\n\nShows zorctl's help, or a command's.\n"},
};

constexpr std::size_t kWidth = 78;  // the longest line of a list

// The head, then the words of the text from the column on, broken into lines
// of at most kWidth; the words start on a line of their own when the head
// reaches the column. A tab holds two words together ("scale\tX\tY").
std::string Wrapped(std::string head, std::string_view text, std::size_t column) {
  std::size_t at = head.size() - (head.rfind('\n') + 1);  // npos + 1 is 0
  if (at > 0 && at >= column) {
    head += '\n';
    at = 0;
  }
  head.append(column - at, ' ');
  at = column;
  bool first = true;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    std::string word(text.substr(start, end - start));
    start = end + 1;
    if (word.empty()) continue;
    std::replace(word.begin(), word.end(), '\t', ' ');
    if (!first && at + 1 + word.size() > kWidth) {
      head += '\n' + std::string(column, ' ');
      at = column;
    } else if (!first) {
      head += ' ';
      ++at;
    }
    head += word;
    at += word.size();
    first = false;
  }
  return head + '\n';
}

// The items with the separator between them, and the last one before the last:
// "a, b and c".
std::string Joined(const std::vector<std::string>& items, std::string_view separator = ", ",
                   std::string_view last = ", ") {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i)
    text += std::string(i == 0 ? "" : i + 1 == items.size() ? last : separator) + items[i];
  return text;
}

// The keys of a Get, with what one holds where its name does not say:
// "controller_model (8 hex digits: flag byte and model code)".
std::string Keys(const svc::Setting& setting) {
  std::vector<std::string> keys;
  for (const svc::SettingKey& key : setting.keys) {
    if (key.name.empty()) continue;
    std::string note = key.kind == svc::KeyKind::Hex8       ? "8 hex digits"
                       : key.kind == svc::KeyKind::WorkTime ? "D,HH:MM:SS"
                                                            : "";
    if (!key.note.empty()) note += (note.empty() ? "" : ": ") + std::string(key.note);
    keys.push_back(std::string(key.name) + (note.empty() ? "" : " (" + note + ")"));
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

// The list a line "@name@" stands for.
std::string List(std::string_view name) {
  std::vector<std::string> gets, sets, keys, unread;
  std::size_t column = 0;  // of what get's help says of each
  for (const svc::Setting& s : svc::Settings()) {
    if (s.read != nullptr) {
      gets.emplace_back(s.name);
      keys.push_back(std::string(s.name) + ": " + Keys(s));
      column = std::max(column, s.name.size() + 4);
    }
    if (s.write != nullptr) sets.push_back(SetItem(s, true));
    if (s.write != nullptr && s.read == nullptr && s.readBy.empty()) unread.emplace_back(s.name);
  }
  if (name == "get") return Wrapped("  get NAME", "read a setting; NAME is one of " + Joined(gets) + ", or all", 32);
  if (name == "set") {
    return Wrapped("  set NAME VALUE...",
                   "write a setting; NAME is one of " + Joined(sets) + " (* needs the service password)", 32);
  }
  if (name == "keys") return Wrapped("  get NAME:", Joined(keys, "; ", "; "), 17);
  std::string list;
  if (name == "reads") {
    for (const svc::Setting& s : svc::Settings())
      if (s.read != nullptr) list += Wrapped("  " + std::string(s.name), Keys(s), column);
    list += Wrapped("  all",
                    "every one of these that the system's family has; one that cannot be read is listed under "
                    "\"missing\" and the exit status is 4, one the family does not have under \"not_on_family\"",
                    column);
    if (!unread.empty()) list += Wrapped("", Joined(unread, ", ", " and ") + " can be set, but not read.", 0);
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
    list += Wrapped(head, s.sends, 21);
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

std::string HelpText() { return Expanded(kHelpText); }

std::string CommandHelp(std::string_view command) {
  for (const Help& h : kHelp)
    if (h.command == command) return Expanded(h.text);
  return {};
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
