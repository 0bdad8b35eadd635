#include "zorctl/interrupt.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace zor::zorctl {

namespace {

volatile sig_atomic_t g_signal = 0;
// The notice, written whole by the handler; set before the handler is.
char g_notice[128];
std::size_t g_noticeLength = 0;

// The signals caught here, and what they did before.
struct Caught {
  int number;
  bool caught = false;
  struct sigaction saved {};
};
Caught g_caught[] = {{SIGINT}, {SIGTERM}};

// Only async-signal-safe calls here. Back to the defaults at once, so the
// next signal ends the process.
void OnSignal(int number) {
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  for (const Caught& c : g_caught)
    if (c.caught) sigaction(c.number, &fallback, nullptr);
  g_signal = number;
  if (write(STDERR_FILENO, g_notice, g_noticeLength) < 0) {
    // Nothing to be done about a lost notice inside a handler.
  }
}

}  // namespace

StopOnSignal::StopOnSignal(const char* notice) {
  // On a terminal the notice takes the place of a progress line.
  const std::string text = std::string(isatty(STDERR_FILENO) != 0 ? "\r\033[K" : "") + "zorctl: " + notice + "\n";
  g_noticeLength = std::min(text.size(), sizeof g_notice);
  std::memcpy(g_notice, text.data(), g_noticeLength);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  sigaddset(&action.sa_mask, SIGINT);
  sigaddset(&action.sa_mask, SIGTERM);
  // Calls into the device link go on as if nothing had come.
  action.sa_flags = SA_RESTART;
  for (Caught& c : g_caught) {
    // A signal ignored from the start (nohup, a background job) stays ignored.
    sigaction(c.number, nullptr, &c.saved);
    c.caught = c.saved.sa_handler != SIG_IGN;
    if (c.caught) sigaction(c.number, &action, nullptr);
  }
}

// A stop asked for stays asked for: the run ends by it.
StopOnSignal::~StopOnSignal() {
  if (g_signal != 0) return;
  for (Caught& c : g_caught) {
    if (c.caught) sigaction(c.number, &c.saved, nullptr);
    c.caught = false;
  }
}

int StopSignal() { return g_signal; }

int InterruptedStatus() { return 128 + g_signal; }

const char* StopSignalName() { return g_signal == SIGTERM ? "SIGTERM" : "SIGINT"; }

void EndBySignal() {
  const int number = g_signal;
  std::fflush(nullptr);
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(number, &fallback, nullptr);
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, number);
  sigprocmask(SIG_UNBLOCK, &set, nullptr);
  raise(number);
  _exit(128 + number);  // only if the signal could not end the process
}

}  // namespace zor::zorctl
