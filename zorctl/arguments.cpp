#include "zorctl/arguments.h"

#include <cctype>
#include <cstring>

#include "protocol/discovery.h"
#include "zorctl/people.h"

namespace zor::zorctl {

namespace {

bool LooksLikeValue(const char* arg) {
  // "-", and negative numbers, are values, not options.
  return arg[0] != '-' || arg[1] == '\0' || std::isdigit(static_cast<unsigned char>(arg[1])) != 0;
}

}  // namespace

std::variant<Invocation, UsageError> ParseArguments(int argc, const char* const* argv) {
  Invocation inv;
  Options& o = inv.options;
  std::vector<std::string> words;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (optionsEnded || LooksLikeValue(arg)) {
      words.emplace_back(arg);
      continue;
    }
    if (std::strcmp(arg, "--") == 0) {
      optionsEnded = true;
      continue;
    }
    std::string name = arg;
    std::optional<std::string> attached;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      attached = name.substr(eq + 1);
      name.resize(eq);
    }
    auto takeValue = [&](std::optional<std::string>& into) -> std::optional<UsageError> {
      if (attached) {
        into = *attached;
      } else if (i + 1 < argc) {
        into = argv[++i];
      } else {
        return UsageError{Local(Tr("zorctl::Arguments", "option %1 needs a value").arg(Value(name)))};
      }
      return std::nullopt;
    };
    bool* flag = nullptr;
    if (name == "--json")
      flag = &o.json;
    else if (name == "--dry-run")
      flag = &o.dryRun;
    else if (name == "--quiet" || name == "-q")
      flag = &o.quiet;
    else if (name == "--help" || name == "-h")
      flag = &o.help;
    else if (name == "--version")
      flag = &o.version;
    else if (name == "--cancel")
      flag = &o.cancel;
    else if (name == "--typed")
      flag = &o.typed;
    else if (name == "--identity")
      flag = &o.identity;
    else if (name == "--other-system")
      flag = &o.otherSystem;
    else if (name == "--yes" || name == "-y")
      flag = &o.yes;
    else if (name == "--no-set")
      flag = &o.noSet;
    else if (name == "--mark")
      flag = &o.mark;
    if (flag != nullptr) {
      if (attached) return UsageError{Local(Tr("zorctl::Arguments", "option %1 takes no value").arg(Value(name)))};
      *flag = true;
    } else if (name == "--password-file") {
      if (auto error = takeValue(o.passwordFile)) return *error;
    } else if (name == "--system") {
      std::optional<std::string> serial;
      if (auto error = takeValue(serial)) return *error;
      o.system = zor::protocol::discovery::ParseSerial(*serial);
      if (!o.system) {
        return UsageError{Local(Tr("zorctl::Arguments", "--system takes a system's serial number (decimal), not '%1'")
                                    .arg(Value(*serial)))};
      }
    } else if (name == "--since") {
      if (auto error = takeValue(o.since)) return *error;
    } else if (name == "--output") {
      if (auto error = takeValue(o.output)) return *error;
    } else if (auto* text = name == "--width"       ? &o.width
                            : name == "--height"    ? &o.height
                            : name == "--top"       ? &o.top
                            : name == "--left"      ? &o.left
                            : name == "--nominal"   ? &o.nominal
                            : name == "--tolerance" ? &o.tolerance
                                                    : nullptr) {
      if (auto error = takeValue(*text)) return *error;
    } else if (name == "--password") {
      return UsageError{Local(Tr("zorctl::Arguments",
                                 "the service password is never taken from the command line (it would show in the "
                                 "process list): use --password-file FILE, ZOR_SERVICE_PASSWORD, or type it when "
                                 "asked"))};
    } else {
      return UsageError{Local(Tr("zorctl::Arguments", "unknown option %1").arg(Value(name)))};
    }
    o.given.insert(name == "-q" ? "--quiet" : name == "-h" ? "--help" : name == "-y" ? "--yes" : name);
  }
  if (!words.empty()) {
    inv.command = words.front();
    inv.values.assign(words.begin() + 1, words.end());
  }
  return inv;
}

}  // namespace zor::zorctl
