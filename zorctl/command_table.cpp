#include "zorctl/command_table.h"

#include <QtGlobal>

#include "zorctl/commands_common.h"

namespace zor::zorctl {

namespace {

// Each command's help is one whole text, in the words a person reads; a line
// "@name@" in it, and "@gets@" or "@sets@" in a summary, stands for a list
// made from the table of settings (help.cpp). The helps and the summaries are
// marked for translation in the context "zorctl::Help", where help.cpp
// translates them when it prints them; synopses, names and values stay.
// clang-format off
const Command kCommands[] = {
    {.name = "list",
     .uses = {{
         {"list",
          QT_TRANSLATE_NOOP("zorctl::Help", R"(every system that answers: serial number,
name, address and device family)")}
     }},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl list [--system SERIAL] [--json] [--dry-run]

Looks for marking systems once and lists every one that answers: its serial
number (decimal), name (the model name its controller reports), IPv4 address
and device family (NK, N or NZ, from the name). Exit status 3 when none
answers or, with --system, when that one is not among them.
  --json         {"systems": [{serial, name, address, family}]}
)"),
     .run = List},
    {.name = "info",
     .uses = {{
         {"info",
          QT_TRANSLATE_NOOP("zorctl::Help", R"(system name, version, release date, serial
number, lens and device family)")}
     }},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl info [--json]

Prints the identity the marking system reported when it was found: system
name, version, release date, serial number, lens (mm) and device family.
Exit status 4 when the identity could not be read.
)"),
     .run = Info},
    {.name = "get",
     .uses = {{{"get NAME", QT_TRANSLATE_NOOP("zorctl::Help", "read a setting; NAME is one of @gets@, or all")}}},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl get NAME [--json] [--dry-run]

Reads one setting, as the panel's Get does, and prints it:
@reads@
A setting the family does not have is refused (exit status 1).
)"),
     .minValues = 1, .maxValues = 1, .run = Get},
    {.name = "set",
     .uses = {{
         {"set NAME VALUE...",
          QT_TRANSLATE_NOOP("zorctl::Help", "write a setting; NAME is one of @sets@ (* needs the service password)")}
     }},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl set NAME VALUE... [--json] [--dry-run] [--password-file FILE]
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
)"),
     .minValues = 2, .maxValues = 3, .options = {"--typed"}, .run = Set},
    {.name = "move",
     .uses = {{{"move X Y", QT_TRANSLATE_NOOP("zorctl::Help", "move to a point (0 to 255 each)")}}},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl move X Y [--dry-run]

Moves to the point (X, Y); each a whole number from 0 to 255.
)"),
     .minValues = 2, .maxValues = 2, .run = Move},
    {.name = "mark",
     .uses = {{
         {"mark FIGURE",
          QT_TRANSLATE_NOOP("zorctl::Help", R"(mark original-square, corrected-square or
max-field)")}
     }},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl mark original-square|corrected-square|max-field [--dry-run]

Marks a test figure. max-field toggles the controller's maximum field.
)"),
     .minValues = 1, .maxValues = 1, .run = Mark},
    {.name = "shutter",
     .uses = {{{"shutter open|close", QT_TRANSLATE_NOOP("zorctl::Help", "open or close the shutter")}}},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl shutter open|close [--dry-run]

Opens or closes the shutter.
)"),
     .minValues = 1, .maxValues = 1, .run = Shutter},
    {.name = "aiming",
     .uses = {{{"aiming on|off", QT_TRANSLATE_NOOP("zorctl::Help", "switch the aiming diode")}}},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl aiming on|off [--dry-run]

Switches the aiming diode on or off.
)"),
     .minValues = 1, .maxValues = 1, .run = Aiming},
    {.name = "test-power",
     .uses = {{
         {"test-power on PULSE",
          QT_TRANSLATE_NOOP("zorctl::Help", "fire the test power at PULSE (0 to 100)")},
         {"test-power off",
          QT_TRANSLATE_NOOP("zorctl::Help", "stop the test power")}
     }},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl test-power on PULSE | zorctl test-power off [--dry-run]

Fires the test power at PULSE, a whole number from 0 to 100, or stops it.
)"),
     .minValues = 1, .maxValues = 2, .run = TestPower},
    {.name = "init-power-board",
     .uses = {{{"init-power-board", QT_TRANSLATE_NOOP("zorctl::Help", "reinitialise the power board")}}},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl init-power-board [--dry-run]

Reinitialises the power board.
)"),
     .run = InitPowerBoard},
    {.name = "show-version",
     .uses = {{{"show-version", QT_TRANSLATE_NOOP("zorctl::Help", "make the controller show its version")}}},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl show-version [--dry-run]

Makes the controller show its version.
)"),
     .run = ShowVersion},
    {.name = "adjust",
     .uses = {{
         {"adjust center|distortion MOVES",
          QT_TRANSLATE_NOOP("zorctl::Help", R"(begin the adjustment, jog by MOVES (letters
U, D, L, R; "" for none) and save it, or with
--cancel end it without saving)")},
         {"adjust aiming MOVES1 MOVES2",
          QT_TRANSLATE_NOOP("zorctl::Help", R"(align the aiming diode: jog by MOVES1 at the
top left point, Next, jog by MOVES2 at the
right bottom point, then save (or --cancel;
MOVES1 alone with --cancel: end at the first
point))")}
     }},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl adjust center|distortion MOVES [--cancel] [--dry-run]
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
)"),
     .minValues = 2, .maxValues = 3, .options = {"--cancel"}, .run = Adjust},
    {.name = "calibrate",
     .uses = {{
         {"calibrate --width MM --height MM [--top MM --left MM]",
          QT_TRANSLATE_NOOP("zorctl::Help", R"(compute the scale and distortion corrections
that bring the corrected square, as measured,
to its nominal size with straight edges, and
send them (--no-set: compute only; --mark:
mark the corrected square afterwards))")}
     }},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl calibrate --width MM --height MM [--top MM --left MM] [--nominal MM]
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
)"),
     .options = {"--width", "--height", "--top", "--left", "--nominal", "--tolerance", "--no-set", "--mark"},
     .run = Calibrate},
    {.name = "backup",
     .uses = {{
         {"backup FILE",
          QT_TRANSLATE_NOOP("zorctl::Help", R"(read every setting the controller reports and
save them, with its identity, as a snapshot)")}
     }},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl backup FILE [--json] [--dry-run]

Reads the identity and every setting the controller can report (currents,
distortion, scale, controller model, MAC, IP, subnet, gateway, ship id,
working time) and saves them as one JSON file, written atomically. A read
that fails is left out and named at the end (exit status 4); a setting the
system's family does not have is not read and is listed under
"not_on_family"; a file that cannot be written is refused (exit status 5)
and nothing is left behind.
)"),
     .minValues = 1, .maxValues = 1, .run = Backup},
    {.name = "diff",
     .uses = {{
         {"diff FILE",
          QT_TRANSLATE_NOOP("zorctl::Help", R"(compare a snapshot with the controller, setting
by setting, and tell what a restore would send)")}
     }},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl diff FILE [--identity] [--json]

Compares a snapshot with the connected controller: each setting's value on
the controller and in the file, and whether a restore would send it. The
working time and the ship id are shown, never restored; a setting the
system's family has no Set for shows as "not on family" and is never sent.
A file that is not a valid snapshot is refused (exit status 1) and nothing
is read or sent. A controller value that could not be read shows as
(unreadable), and the exit status is 4.
)"),
     .minValues = 1, .maxValues = 1, .options = {"--identity"}, .run = Diff},
    {.name = "restore",
     .uses = {{
         {"restore FILE",
          QT_TRANSLATE_NOOP("zorctl::Help", R"(send the snapshot's values that differ
(calibration first, network last) and read
each back; --identity also the serial number,
model name and controller model (password);
--other-system for another system's snapshot;
--yes without asking (needed off a terminal))")}
     }},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl restore FILE [--identity] [--other-system] [--yes] [--json] [--dry-run]

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
)"),
     .minValues = 1, .maxValues = 1, .options = {"--identity", "--other-system", "--yes"}, .run = RestoreCommand},
    {.name = "log",
     .uses = {{
         {"log",
          QT_TRANSLATE_NOOP("zorctl::Help", R"(print the service log: every operation that
sent something, from zorctl and the panel)")}
     }},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl log [--since DATE] [--system SERIAL] [--json]

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
)"),
     .options = {"--since"}, .run = Log},
    {.name = "report",
     .uses = {{
         {"report --output FILE.pdf",
          QT_TRANSLATE_NOOP("zorctl::Help", R"(write the service report: the system, every
setting as read now, the service log since
--since (default: today) and the calibration
rounds with a drawing of their squares)")}
     }},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl report --output FILE.pdf [--since DATE] [--system SERIAL] [--json]

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
)"),
     .options = {"--output", "--since"}, .run = Report},
    {.name = "help",
     .uses = {{{"help [COMMAND]", QT_TRANSLATE_NOOP("zorctl::Help", "this text, or a command's own")}}},
     .help = QT_TRANSLATE_NOOP("zorctl::Help", R"(Usage: zorctl help [COMMAND]

Shows zorctl's help, or a command's.
)")},
};
// clang-format on

}  // namespace

std::span<const Command> Commands() { return kCommands; }

const Command* FindCommand(std::string_view name) {
  for (const Command& command : kCommands)
    if (command.name == name) return &command;
  return nullptr;
}

}  // namespace zor::zorctl
