// zorctl's help, its bash completion and its manual page against the service
// layer. Against the table of settings: each names every setting get reads
// and set writes, and no other; the Sets behind the service password are
// marked, each Get's keys are the JSON keys they list, and the controller
// models listed are the panel's. And the limits they state are those the
// checks use.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <limits>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "service/format.h"
#include "service/service_log.h"
#include "service/settings.h"
#include "service/snapshot.h"
#include "service/text.h"
#include "zorctl/command_table.h"
#include "zorctl/help.h"
#include "zorctl/password_input.h"

namespace {

namespace svc = zor::service;
using Names = std::set<std::string>;

std::string FileText(const std::string& path) {
  std::ifstream file(path);
  EXPECT_TRUE(file) << path;
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The text after the first begin, up to the next end.
std::string After(const std::string& text, const std::string& begin, const std::string& end) {
  const std::size_t from = text.find(begin);
  EXPECT_NE(from, std::string::npos) << begin;
  if (from == std::string::npos) return {};
  const std::size_t start = from + begin.size();
  return text.substr(start, text.find(end, start) - start);
}

// Group 1 of every match.
Names Matches(const std::string& text, const std::string& pattern) {
  Names names;
  const std::regex re(pattern, std::regex::multiline);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
    names.insert((*it)[1]);
  return names;
}

// Roff's minus signs as plain ones, every run of blanks as one blank.
std::string Plain(std::string text) {
  text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
  return std::regex_replace(text, std::regex(R"(\s+)"), " ");
}

struct Table {
  Names gets{"all"}, sets, guarded, pairs, codes;
  std::string listedCodes;  // "(100021, 100022, ...)", as the texts list them
  Table() {
    for (const std::u16string_view code : svc::kControllerModelCodes) {
      codes.insert(svc::ToUtf8(code));
      listedCodes += (listedCodes.empty() ? "(" : ", ") + svc::ToUtf8(code);
    }
    listedCodes += ")";
    for (const svc::Setting& s : svc::Settings()) {
      if (s.read != nullptr) gets.insert(std::string(s.name));
      if (s.write != nullptr) sets.insert(std::string(s.name));
      if (s.password) guarded.insert(std::string(s.name));
      if (s.valueCount == 2) pairs.insert(std::string(s.name));
    }
  }
};

// "NAME: key, key" for each Get, within text made Plain.
void ExpectKeysListed(const std::string& text, const char* where) {
  for (const svc::Setting& s : svc::Settings()) {
    if (s.read == nullptr) continue;
    const std::string name(s.name);
    EXPECT_NE(text.find(name + ": " + std::string(s.keys[0].name)), std::string::npos) << where << ": " << name;
    if (!s.keys[1].name.empty()) {
      EXPECT_NE(text.find(std::string(s.keys[1].name)), std::string::npos) << where << ": " << name;
    }
  }
}

TEST(SettingsDocs, TheHelpNamesTheTablesSettings) {
  const Table table;
  const std::string help = zor::zorctl::HelpText();
  const std::string setting = "([a-z0-9][a-z0-9-]*)";
  EXPECT_EQ(Matches(After(help, "NAME is one of", "  set NAME"), setting + "(?:,|\n)"), table.gets);
  const std::string set = After(After(help, "  set NAME", "  move X Y"), "NAME is one of", "(*");
  EXPECT_EQ(Matches(set, setting), table.sets);
  EXPECT_EQ(Matches(set, setting + R"(\*)"), table.guarded);
  ExpectKeysListed(Plain(After(help, "get NAME:", "--dry-run:")), "--help");
  EXPECT_NE(help.find("controller model " + table.listedCodes), std::string::npos);
  EXPECT_NE(Plain(std::string(zor::zorctl::CommandHelp("set"))).find("code " + table.listedCodes), std::string::npos);

  EXPECT_EQ(Matches(std::string(zor::zorctl::CommandHelp("get")), "^  " + setting + " "), table.gets);
  const std::string setHelp = After(std::string(zor::zorctl::CommandHelp("set")), "pauses:", "A text holding");
  const std::string value = " [A-Z](?:[A-Z.,:]*[A-Z])?";  // "TEXT", "X Y", "D,HH:MM:SS", "A.B.C.D"
  EXPECT_EQ(Matches(setHelp, "(?:^  |, )" + setting + value), table.sets);
  EXPECT_EQ(Matches(setHelp, "(?:^  |, )" + setting + " X Y"), table.pairs);
}

// Every command of the table is in the whole help's list, by its synopsis,
// and has its own help; the list keeps its two columns.
TEST(CommandDocs, EveryCommandIsListedAndHasItsOwnHelp) {
  const std::string help = zor::zorctl::HelpText();
  for (const zor::zorctl::Command& command : zor::zorctl::Commands()) {
    const std::string name(command.name);
    EXPECT_EQ(zor::zorctl::CommandHelp(name).rfind("Usage: zorctl " + name, 0), 0u) << name;
    for (const zor::zorctl::CommandUse& use : command.uses) {
      if (use.synopsis.empty()) continue;
      EXPECT_EQ(use.synopsis.rfind(name, 0), 0u) << use.synopsis;
      const std::size_t at = help.find("\n  " + std::string(use.synopsis));
      ASSERT_NE(at, std::string::npos) << use.synopsis;
      EXPECT_TRUE(std::isspace(help[at + 3 + use.synopsis.size()])) << use.synopsis;
    }
  }
  EXPECT_EQ(zor::zorctl::CommandHelp("nosuch"), "");
  const std::string list = After(help, "Commands:\n", "\nDevice families");
  for (std::size_t at = 0, end; at < list.size(); at = end + 1) {
    end = std::min(list.find('\n', at), list.size());
    const std::string line = list.substr(at, end - at);
    // A synopsis from the third column, what it does from the 33rd.
    const bool synopsis = line.size() > 2 && line.rfind("  ", 0) == 0 && line[2] != ' ';
    EXPECT_TRUE(line.empty() || synopsis || (line.rfind(std::string(32, ' '), 0) == 0 && line[32] != ' ')) << line;
  }
}

// What the bash completion asks zorctl for (zorctl --complete WHAT [NAME]).
TEST(SettingsDocs, TheCompletionOffersTheTablesSettings) {
  const Table table;
  const auto offered = [](const std::vector<std::string>& request) {
    const auto words = zor::zorctl::CompletionWords(request);
    return words ? Names(words->begin(), words->end()) : Names{"<refused>"};
  };
  EXPECT_EQ(offered({"get"}), table.gets);
  EXPECT_EQ(offered({"set"}), table.sets);
  EXPECT_EQ(offered({"set-values", "controller-model"}), table.codes);
  EXPECT_EQ(offered({"set-values", "lens"}), Names{});
  EXPECT_EQ(offered({"set-values", "ship-id"}), Names{}) << "no Set";
  for (const std::vector<std::string>& request :
       std::vector<std::vector<std::string>>{{}, {"mark"}, {"get", "ip"}, {"set-values"}})
    EXPECT_EQ(offered(request), Names{"<refused>"}) << request.size();
}

TEST(SettingsDocs, TheManualPageNamesTheTablesSettings) {
  const Table table;
  const std::string page = FileText(ZOR_SOURCE_DIR "/doc/man/zorctl.1.in");
  Names gets;
  for (const std::string& name : Matches(After(page, ".BI \"get \" NAME", ".BI \"set \""), R"(^\.B (\S+)$)"))
    gets.insert(Plain(name));
  EXPECT_EQ(gets, table.gets);
  const std::string set = Plain(After(page, ".BI \"set \"", ".BI \"move \""));
  EXPECT_EQ(Matches(set, R"(\\fB([a-z0-9][a-z0-9-]*)\\fR)"), table.sets);
  EXPECT_EQ(Matches(set, R"(\\fB([a-z0-9][a-z0-9-]*)\\fR\*)"), table.guarded);
  EXPECT_NE(set.find("code " + table.listedCodes), std::string::npos);
  ExpectKeysListed(Plain("currents: " + After(page, "currents: ", ".B get all")), "zorctl(1)");
}

TEST(Docs, TheLimitsTheyStateAreThoseTheChecksUse) {
  std::string help = zor::zorctl::HelpText();
  for (const char* command : {"move", "test-power", "set", "log", "restore"}) help += zor::zorctl::CommandHelp(command);
  const std::string page = Plain(FileText(ZOR_SOURCE_DIR "/doc/man/zorctl.1.in"));
  const std::string move = "0 to " + std::to_string(svc::kMaxMoveTarget);
  const std::string pulse = std::to_string(svc::kPulseMin) + " to " + std::to_string(svc::kPulseMax);
  const struct {
    std::string phrase;
    bool inPage;
  } limits[] = {
      {"(" + move + " each)", false},
      {"from " + move + ".", true},
      {"PULSE (" + pulse + ")", false},
      {"from " + pulse, true},
      {std::to_string(svc::kBetweenHalves) + " ms apart", true},
      {"at most " + svc::ToUtf8(svc::FormatWorkTime(std::numeric_limits<std::uint32_t>::max())), true},
      {"within " + svc::DurationText(zor::zorctl::kPasswordFileWait), true},
      {"newest " + svc::SizeText(svc::kServiceLogReadLimit), true},
      {"more than " + svc::DurationText(svc::kServiceLogLockWait), true},
      {"larger than " + svc::SizeText(svc::kMaxSnapshotBytes), false},
  };
  for (const auto& limit : limits) {
    EXPECT_NE(help.find(limit.phrase), std::string::npos) << "--help: " << limit.phrase;
    if (limit.inPage) {
      EXPECT_NE(page.find(limit.phrase), std::string::npos) << "zorctl(1): " << limit.phrase;
    }
  }
}

}  // namespace
