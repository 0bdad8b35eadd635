#include "app/command_line.h"

#include <QtGlobal>
#include <string_view>

namespace zor::app {

const char kUsage[] =
    QT_TRANSLATE_NOOP("app::CommandLine",
                      "Usage: zor-maintenance [--help] [--version] [--startup-probe] [Qt options]\n"
                      "\n"
                      "Service and maintenance tool for ZOR laser marking systems: reads a marking\n"
                      "system's identity and sets its calibration and service parameters.\n"
                      "\n"
                      "  -h, --help       show this help and exit\n"
                      "  -v, --version    show the version and exit\n"
                      "  --startup-probe  print when the panel was first painted and the resident\n"
                      "                   memory, then close (used by bench/startup)\n"
                      "\n"
                      "Qt's standard options (-platform, -style, -session, ...) are taken as Qt\n"
                      "takes them. Any other argument is reported and ignored.\n"
                      "\n"
                      "The tool talks to the controller through the device link libZorComm.so,\n"
                      "found beside the executable or in the installed library folder. Its own\n"
                      "environment (ZORCOMM_LINK, ZORCOMM_SIM_MODEL, ZORCOMM_STATE, ZORCOMM_TRACE)\n"
                      "selects the simulated controller and its state file; see zor-maintenance(1).\n");

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      if (line.action == CommandLine::Action::Run) line.action = CommandLine::Action::Help;
    } else if (arg == "--version" || arg == "-v") {
      if (line.action == CommandLine::Action::Run) line.action = CommandLine::Action::Version;
    } else if (arg == "--startup-probe") {
      line.startupProbe = true;
    } else {
      line.unknown.emplace_back(arg);
    }
  }
  return line;
}

}  // namespace zor::app
