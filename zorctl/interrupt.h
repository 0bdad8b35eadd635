#pragma once
// Ctrl+C (SIGINT) and SIGTERM while zorctl sends. A signal never cuts a text
// short: a text left unfinished in the controller's buffer would run into the
// next one ("1" left over and the text "5" commit 15). The first signal is
// only noted, and said on standard error; the run stops where nothing is left
// half done: after the value under way, between the settings of a restore,
// between the jogs of an adjustment (which is then ended unsaved). A second
// SIGINT or SIGTERM ends zorctl at once. Pauses run to their end whatever
// arrives (a sleep cut short by a signal goes on for the rest).
//
// The interrupted run then ends by that signal, as a shell expects of an
// interrupted program (so a script running zorctl stops too): exit status
// 128 + the signal's number, 130 for SIGINT and 143 for SIGTERM.

namespace zor::zorctl {

// While it lives, SIGINT and SIGTERM ask zorctl to stop, and notice (e.g.
// "stopping after this value") goes to standard error at the first.
class StopOnSignal {
 public:
  explicit StopOnSignal(const char* notice);
  ~StopOnSignal();
  StopOnSignal(const StopOnSignal&) = delete;
  StopOnSignal& operator=(const StopOnSignal&) = delete;
};

// The signal that asked to stop, or 0.
int StopSignal();
inline bool StopRequested() { return StopSignal() != 0; }
// The exit status of a run stopped by StopSignal(): 128 + its number.
int InterruptedStatus();
// "SIGINT" or "SIGTERM".
const char* StopSignalName();

// Ends the process by the signal that stopped it.
[[noreturn]] void EndBySignal();

}  // namespace zor::zorctl
