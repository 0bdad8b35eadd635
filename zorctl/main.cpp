// zorctl: every maintenance operation of a ZOR laser marking system from the
// command line, on the same service layer as the zor-maintenance panel.
#include <fcntl.h>

#include <QCoreApplication>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "text/translations.h"
#include "zorctl/arguments.h"
#include "zorctl/commands.h"
#include "zorctl/help.h"
#include "zorctl/interrupt.h"
#include "zorctl/output.h"
#include "zorctl/people.h"

namespace {

using namespace zor::zorctl;

// A standard stream the caller closed gets /dev/null opened for reading in
// its place: a file opened later (the service log, the device link's trace)
// can then never become standard output, and writes to it fail, as a closed
// stream's should.
void HoldClosedStandardStreams() {
  for (int fd = 0; fd <= 2; ++fd)
    if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) open("/dev/null", O_RDONLY);  // the lowest free number: fd
}

int Run(int argc, char** argv) {
  // For the bash completion, which asks the zorctl it completes: one word a line.
  if (argc >= 2 && std::string_view(argv[1]) == "--complete") {
    const auto words = CompletionWords({argv + 2, argv + argc});
    if (!words) return kUsage;
    std::string text;
    for (const std::string& word : *words) text += word + "\n";
    Write(stdout, text);
    return kDone;
  }
  const auto parsed = ParseArguments(argc, argv);
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    Message(Local(Tr("zorctl::Main", "%1 (zorctl --help for the options)").arg(Value(error->message))));
    return kUsage;
  }
  const Invocation& inv = std::get<Invocation>(parsed);
  if (inv.options.version) {
    Write(stdout, "zorctl " ZOR_VERSION "\n");
    return kDone;
  }
  // "zorctl help CMD", "zorctl CMD --help", "zorctl --help", "zorctl".
  const bool helpCommand = inv.command == "help";
  if (inv.command.empty() || helpCommand || inv.options.help) {
    const std::string topic = helpCommand ? (inv.values.empty() ? "" : inv.values.front()) : inv.command;
    if (topic.empty()) {
      const bool asked = !inv.command.empty() || inv.options.help;
      Write(asked ? stdout : stderr, HelpText());
      return asked ? kDone : kUsage;
    }
    const std::string text = CommandHelp(topic);
    if (text.empty()) {
      Message(Local(Tr("zorctl::Main", "unknown command '%1' (zorctl help for the commands)").arg(Value(topic))));
      return kUsage;
    }
    Write(stdout, text);
    return kDone;
  }
  std::string line = inv.command;
  for (const std::string& value : inv.values) line += " " + value;
  Output out(inv.options.json, inv.options.quiet, line);
  return RunCommand(inv, out);
}

}  // namespace

int main(int argc, char** argv) {
  HoldClosedStandardStreams();
  // Registered first, so it runs last: an interrupted run ends by its signal
  // once everything a normal exit does is done (the device link keeps what
  // it keeps when it is unloaded).
  std::atexit([] {
    if (StopRequested()) EndBySignal();
  });
  // Messages in another language than English need an application to hold
  // the translators; in English (and for the completion's words, which are
  // never translated) zorctl needs none and starts without one.
  std::unique_ptr<QCoreApplication> app;
  if ((argc < 2 || std::string_view(argv[1]) != "--complete") && !zor::text::WantedLanguage().isEmpty()) {
    // Qt sets the C library's locale from the environment; zorctl reads and
    // writes numbers with the decimal point in every language, so it goes
    // back to the "C" locale.
    app = std::make_unique<QCoreApplication>(argc, argv);
    std::setlocale(LC_ALL, "C");
    zor::text::LoadTranslations();
  }
  return EndOutput(Run(argc, argv));
}
