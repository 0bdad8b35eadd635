// zorctl's help in German and in Chinese: every text of it translated, the
// words the table of settings gives its lists too, while what a person types
// and a program reads stays as it is (commands, settings, the usage lines'
// options); every list is filled in, and every line fits a terminal of 78
// columns, a Chinese character counting two, never beginning with a closing
// mark or ending with an opening one.
#include "zorctl/help.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QString>
#include <QTranslator>
#include <algorithm>
#include <cctype>
#include <clocale>
#include <memory>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "service/settings.h"
#include "tests/support/installed_translations.h"
#include "text/translations.h"
#include "zorctl/command_table.h"
#include "zorctl/people.h"

namespace {

namespace svc = zor::service;

// The whole help, then each command's, by name.
std::vector<std::pair<std::string, std::string>> AllHelp() {
  std::vector<std::pair<std::string, std::string>> all = {{"--help", zor::zorctl::HelpText()}};
  for (const zor::zorctl::Command& command : zor::zorctl::Commands())
    all.emplace_back(command.name, zor::zorctl::CommandHelp(command.name));
  return all;
}

// The lines after the usage lines (the first paragraph, as wide as the
// command's options make it).
QStringList Lines(const std::string& text) {
  QStringList lines = QString::fromStdString(text).split(u'\n');
  lines.erase(lines.begin(), std::find(lines.begin(), lines.end(), QString()));
  return lines;
}

qsizetype Widest(const std::string& text) {
  qsizetype widest = 0;
  for (const QString& line : Lines(text)) widest = std::max(widest, zor::zorctl::Columns(line));
  return widest;
}

// Every run of blanks and line breaks as one blank.
std::string Plain(const std::string& text) { return std::regex_replace(text, std::regex(R"(\s+)"), " "); }

TEST(HelpLanguages, EveryTextIsTranslatedWhileNamesStay) {
  // Translators are installed on an application, as zorctl's main makes one;
  // numbers keep the "C" locale, as there.
  int argc = 1;
  char program[] = "help_test";
  char* argv[] = {program, nullptr};
  const QCoreApplication app(argc, argv);
  std::setlocale(LC_ALL, "C");
  const auto english = AllHelp();
  for (const char* language : {"de", "zh_CN"}) {
    SCOPED_TRACE(language);
    const zor::test::Installed installed(language);
    const auto local = AllHelp();
    ASSERT_EQ(local.size(), english.size());
    for (std::size_t i = 0; i < local.size(); ++i) {
      const auto& [name, text] = local[i];
      SCOPED_TRACE(name);
      EXPECT_NE(text, english[i].second);
      EXPECT_EQ(text.find("Usage:"), std::string::npos);
      EXPECT_NE(text.find(name == "--help" ? "zorctl [OPTIONS] COMMAND [VALUES...]" : "zorctl " + name),
                std::string::npos);
      EXPECT_FALSE(std::regex_search(text, std::regex("@[a-z]+@"))) << "a list not filled in";
      // At most 78 columns, or as wide as the English where it is wider.
      const qsizetype widest = std::max<qsizetype>(78, Widest(english[i].second));
      for (const QString& line : Lines(text)) {
        EXPECT_LE(zor::zorctl::Columns(line), widest) << line.toStdString();
        const QString words = line.trimmed();
        if (words.isEmpty()) continue;
        EXPECT_FALSE(QStringLiteral("、。，；：）”").contains(words.front())) << line.toStdString();
        EXPECT_FALSE(QStringLiteral("（“").contains(words.back())) << line.toStdString();
      }
    }
    const std::string help = zor::zorctl::HelpText();
    for (const zor::zorctl::Command& command : zor::zorctl::Commands())
      for (const zor::zorctl::CommandUse& use : command.uses)
        if (!use.synopsis.empty()) {
          const std::size_t at = help.find("\n  " + std::string(use.synopsis));
          ASSERT_NE(at, std::string::npos) << use.synopsis;
          EXPECT_TRUE(std::isspace(help[at + 3 + use.synopsis.size()])) << use.synopsis;
        }
    // The words the table of settings gives the lists, in the language.
    const std::string get = Plain(zor::zorctl::CommandHelp("get"));
    const std::string set = Plain(zor::zorctl::CommandHelp("set"));
    for (const svc::Setting& s : svc::Settings()) {
      if (s.read != nullptr) {
        EXPECT_NE(get.find(" " + std::string(s.name) + " " + std::string(s.keys[0].name)), std::string::npos) << s.name;
      }
      for (const svc::SettingKey& key : s.keys)
        if (!key.note.empty()) {
          EXPECT_EQ(get.find(std::string(key.note)), std::string::npos) << "untranslated: " << key.note;
        }
      if (s.write != nullptr) {
        EXPECT_NE(set.find(" " + std::string(s.name) + " "), std::string::npos) << s.name;
        EXPECT_EQ(set.find(Plain(std::string(s.sends))), std::string::npos) << "untranslated: " << s.sends;
      }
    }
  }
}

}  // namespace
