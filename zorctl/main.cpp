// zorctl: every maintenance operation of a ZOR laser marking system from the
// command line, on the same service layer as the zor-maintenance panel.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

#include "zorctl/arguments.h"
#include "zorctl/commands.h"
#include "zorctl/help.h"
#include "zorctl/interrupt.h"
#include "zorctl/output.h"

int main(int argc, char** argv) {
  using namespace zorctl;
  // Registered first, so it runs last: an interrupted run ends by its signal
  // once everything a normal exit does is done (the device link keeps what
  // it keeps when it is unloaded).
  std::atexit([] {
    if (StopRequested()) EndBySignal();
  });
  const auto parsed = ParseArguments(argc, argv);
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    std::fprintf(stderr, "zorctl: %s (zorctl --help for the options)\n", error->message.c_str());
    return kUsage;
  }
  const Invocation& inv = std::get<Invocation>(parsed);
  if (inv.options.version) {
    std::printf("zorctl %s\n", ZOR_VERSION);
    return kDone;
  }
  // "zorctl help CMD", "zorctl CMD --help", "zorctl --help", "zorctl".
  const bool helpCommand = inv.command == "help";
  if (inv.command.empty() || helpCommand || inv.options.help) {
    const std::string topic = helpCommand ? (inv.values.empty() ? "" : inv.values.front()) : inv.command;
    if (topic.empty()) {
      std::fwrite(kHelpText.data(), 1, kHelpText.size(), inv.command.empty() && !inv.options.help ? stderr : stdout);
      return inv.command.empty() && !inv.options.help ? kUsage : kDone;
    }
    const std::string_view text = CommandHelp(topic);
    if (text.empty()) {
      std::fprintf(stderr, "zorctl: unknown command '%s' (zorctl help for the commands)\n", topic.c_str());
      return kUsage;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return kDone;
  }
  std::string line = inv.command;
  for (const std::string& value : inv.values) line += " " + value;
  Output out(inv.options.json, inv.options.quiet, line);
  return RunCommand(inv, out);
}
