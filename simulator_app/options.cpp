#include "simulator_app/options.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace zor::simulator_app {

const char* const kHelpText =
    "Usage: zor-simulator [OPTIONS]\n"
    "Simulated ZOR marking systems served to the maintenance tool's device link of every program\n"
    "of this user (ZORCOMM_LINK=simulator) over a Unix-domain socket, in a window that shows each\n"
    "system's scan field, its state and every packet; --headless serves without a window.\n"
    "\n"
    "Options:\n"
    "  --headless          serve without a window (scripts, CI)\n"
    "  --systems N         simulate N systems, 1 to 64 (default 1)\n"
    "  --socket PATH       serve on PATH (default $XDG_RUNTIME_DIR/zor-simulator/socket)\n"
    "  --packet-log FILE   append one JSON line per call served to FILE\n"
    "  --field-log FILE    append one JSON line per change of a scan field's view to FILE\n"
    "  --lens-error SX,SY,K\n"
    "                      the simulated lens's X and Y scale errors and its radial error, in\n"
    "                      percent, each from -10 to 10 (default 1.8,-1.2,-1.5)\n"
    "  --refuse N          refuse the next N packets (result 8)\n"
    "  --no-status         leave every status query unanswered (result 8)\n"
    "  --no-discovery      answer no discovery (no system is found)\n"
    "  --delay MS          answer each call MS milliseconds late (0 to 60000)\n"
    "  --help              show this help\n"
    "  --version           show the version\n"
    "\n"
    "Environment:\n"
    "  XDG_RUNTIME_DIR     the default socket's folder\n"
    "  ZORCOMM_STATE, XDG_STATE_HOME, HOME\n"
    "                      system 1's state file, found as the device link finds it; system k\n"
    "                      keeps controller-state-k beside it\n"
    "  DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM\n"
    "                      where the window goes (not needed with --headless)\n"
    "\n"
    "Ready, it says \"zor-simulator: serving N systems on PATH\" on standard output\n"
    "(\"serving 1 system\" for one).\n"
    "\n"
    "Exit status:\n"
    "  0   ended by SIGINT, SIGTERM or SIGHUP, or its window was closed\n"
    "  1   could not serve (standard error says why)\n"
    "  2   bad usage\n";

namespace {

std::optional<int> wholeNumber(std::string_view text, int min, int max) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || text.front() == '-' || error != std::errc() || end != text.data() + text.size() || value < min ||
      value > max)
    return std::nullopt;
  return value;
}

}  // namespace

std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& arguments) {
  Options options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    std::optional<std::string> inlineValue;
    if (const auto equals = name.find('='); name.starts_with("--") && equals != std::string::npos) {
      inlineValue = name.substr(equals + 1);
      name.resize(equals);
    }
    // The value of an option that takes one.
    auto value = [&]() -> std::optional<std::string> {
      if (inlineValue) return inlineValue;
      if (i + 1 < arguments.size()) return arguments[++i];
      return std::nullopt;
    };
    auto number = [&](int min, int max, int& into) -> std::optional<UsageError> {
      const auto text = value();
      if (!text) return UsageError{name + " needs a value"};
      const auto parsed = wholeNumber(*text, min, max);
      if (!parsed)
        return UsageError{name + " takes a whole number from " + std::to_string(min) + " to " + std::to_string(max) +
                          ", not '" + *text + "'"};
      into = *parsed;
      return std::nullopt;
    };
    auto text = [&](std::string& into) -> std::optional<UsageError> {
      const auto given = value();
      if (!given || given->empty()) return UsageError{name + " needs a value"};
      into = *given;
      return std::nullopt;
    };
    auto lens = [&]() -> std::optional<UsageError> {
      const auto given = value();
      if (!given) return UsageError{name + " needs a value"};
      const auto parsed = simulator::parseLensError(*given);
      if (!parsed) return UsageError{name + ": " + parsed.why()};
      options.lens = *parsed;
      return std::nullopt;
    };
    auto flag = [&](bool& into) -> std::optional<UsageError> {
      if (inlineValue) return UsageError{name + " takes no value"};
      into = true;
      return std::nullopt;
    };
    std::optional<UsageError> error;
    if (name == "--headless")
      error = flag(options.headless);
    else if (name == "--systems")
      error = number(1, 64, options.systems);
    else if (name == "--socket")
      error = text(options.socket);
    else if (name == "--packet-log")
      error = text(options.packetLog);
    else if (name == "--field-log")
      error = text(options.fieldLog);
    else if (name == "--lens-error")
      error = lens();
    else if (name == "--refuse")
      error = number(0, 1'000'000, options.refuse);
    else if (name == "--no-status")
      error = flag(options.noStatus);
    else if (name == "--no-discovery")
      error = flag(options.noDiscovery);
    else if (name == "--delay")
      error = number(0, 60'000, options.delayMs);
    else if (name == "--help" || name == "-h")
      error = flag(options.help);
    else if (name == "--version")
      error = flag(options.version);
    else
      error = UsageError{"unknown option '" + arguments[i] + "'"};
    if (error) return *error;
  }
  return options;
}

}  // namespace zor::simulator_app
