// The translations kept in i18n/ keep their rules (finished in each language,
// the same %N arguments and @name@ placeholders as the English, no
// accelerator repeated within a window), and the checks catch each fault.
#include "tests/i18n/ts_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using zortest::TsMessage;

const QStringList kLanguages{QStringLiteral("de"), QStringLiteral("zh_CN")};

// One window's messages as a .ts file holds them: {source, translation,
// type} each (type "" for a finished one).
QString Ts(const std::vector<std::vector<QString>>& messages, const QString& context = QStringLiteral("W")) {
  QString xml =
      QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\"><context><name>") +
      context + QStringLiteral("</name>");
  for (const auto& m : messages) {
    const QString type = m[2].isEmpty() ? QString() : QStringLiteral(" type=\"") + m[2] + u'"';
    xml += QStringLiteral("<message><source>") + m[0].toHtmlEscaped() + QStringLiteral("</source><translation") + type +
           u'>' + m[1].toHtmlEscaped() + QStringLiteral("</translation></message>");
  }
  return xml + QStringLiteral("</context></TS>");
}

std::vector<TsMessage> Read(const std::vector<std::vector<QString>>& messages, const QString& language) {
  QString error;
  auto read = zortest::ReadTs(Ts(messages), QStringLiteral("panel"), language, &error);
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  return read;
}

TEST(TsRead, TextsTypesAndPlurals) {
  const QString xml = QStringLiteral(
      "<TS><context><name>zor::panel::X</name>"
      "<message><source>A &amp;b</source><comment>menu</comment><translation>C &amp;d</translation></message>"
      "<message><source>gone</source><translation type=\"vanished\">weg</translation></message>"
      "<message numerus=\"yes\"><source>%n setting(s)</source><translation>"
      "<numerusform>%n Einstellung</numerusform><numerusform></numerusform></translation></message>"
      "</context></TS>");
  const auto read = zortest::ReadTs(xml, QStringLiteral("panel"), QStringLiteral("de"));
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0].context, QStringLiteral("zor::panel::X"));
  EXPECT_EQ(read[0].source, QStringLiteral("A &b"));
  EXPECT_EQ(read[0].comment, QStringLiteral("menu"));
  EXPECT_EQ(read[0].translations, QStringList{QStringLiteral("C &d")});
  EXPECT_TRUE(read[0].finished);
  EXPECT_EQ(read[1].translations.size(), 2);
  EXPECT_FALSE(read[1].finished) << "a plural with an empty form is not finished";
}

TEST(TsChecks, Unfinished) {
  struct Case {
    const char* what;
    std::vector<std::vector<QString>> de, zh;
    std::vector<std::string> problems;
  };
  const std::vector<Case> cases = {
      {"finished in both", {{"Set", "Setzen", ""}}, {{"Set", "设置", ""}}, {}},
      {"marked unfinished",
       {{"Set", "Setzen", "unfinished"}},
       {{"Set", "设置", ""}},
       {"panel_de.ts [W] \"Set\": not translated"}},
      {"empty translation", {{"Set", "Setzen", ""}}, {{"Set", "", ""}}, {"panel_zh_CN.ts [W] \"Set\": not translated"}},
      {"text missing from one language",
       {{"Set", "Setzen", ""}, {"Get", "Lesen", ""}},
       {{"Set", "设置", ""}},
       {"panel_zh_CN.ts [W] \"Get\": missing"}},
      {"file of a language missing", {{"Set", "Setzen", ""}}, {}, {"panel_zh_CN.ts [W] \"Set\": missing"}},
  };
  for (const Case& c : cases) {
    auto all = Read(c.de, QStringLiteral("de"));
    const auto zh = Read(c.zh, QStringLiteral("zh_CN"));
    all.insert(all.end(), zh.begin(), zh.end());
    EXPECT_EQ(zortest::Unfinished(all, kLanguages), c.problems) << c.what;
  }
}

TEST(TsChecks, ArgumentChanges) {
  struct Case {
    QString source, translation;
    bool changed;
  };
  const std::vector<Case> cases = {
      {"%1 of %2", "%2 von %1", false},  // reordered is fine
      {"%1 mm", "%L1 mm", false},
      {"%1 of %2", "%1 von", true},  // dropped
      {"%1", "%1 %3", true},         // added
      {"lens %10", "Objektiv %1", true},
      {"no value", "kein Wert", false},
  };
  for (const Case& c : cases) {
    const auto problems = zortest::ArgumentChanges(Read({{c.source, c.translation, ""}}, QStringLiteral("de")));
    EXPECT_EQ(problems.size(), c.changed ? 1u : 0u) << c.source.toStdString() << " -> " << c.translation.toStdString();
  }
}

TEST(TsChecks, PlaceholderChanges) {
  struct Case {
    QString source, translation;
    bool changed;
  };
  const std::vector<Case> cases = {
      {"NAME is one of @gets@, or all", "NAME ist eine von @gets@ oder all", false},
      {"Reads:\n@reads@\nDone.", "Liest:\n@reads@\nFertig.", false},
      {"@a@ and @b@", "@b@ und @a@", false},                        // reordered is fine
      {"one of @gets@", "eine von", true},                          // dropped
      {"one of @gets@", "eine von @gets@ (@sets@)", true},          // added
      {"one of @gets@", "eine von @Gets@", true},                   // renamed
      {"@gets@, @gets@", "@gets@", true},                           // as often as in the English
      {"Reads:\n@reads@\nDone.", "Liest: @reads@\nFertig.", true},  // a list no longer on its own line
      {"mail zor@example.com", "Mail an zor@example.com", false},   // an address is no placeholder
  };
  for (const Case& c : cases) {
    const auto problems = zortest::PlaceholderChanges(Read({{c.source, c.translation, ""}}, QStringLiteral("de")));
    EXPECT_EQ(problems.size(), c.changed ? 1u : 0u) << c.source.toStdString() << " -> " << c.translation.toStdString();
  }
}

TEST(TsChecks, RepeatedAccelerators) {
  struct Case {
    const char* what;
    std::vector<std::vector<QString>> messages;
    size_t problems;
  };
  const std::vector<Case> cases = {
      {"distinct letters", {{"&Set", "&Setzen", ""}, {"&Get", "&Lesen", ""}}, 0},
      {"a letter twice", {{"&Set", "&Setzen", ""}, {"&Save", "&Sichern", ""}}, 0},  // English repeats it too
      {"new clash", {{"&Set", "&Setzen", ""}, {"S&tore", "&Speichern", ""}}, 1},
      {"case does not matter", {{"&Set", "&Setzen", ""}, {"&Get", "le&sen", ""}}, 1},
      {"Chinese in parentheses", {{"&Set", "设置(&S)", ""}, {"&Get", "读取(&S)", ""}}, 1},
      {"&& is no accelerator", {{"&Set", "&Setzen", ""}, {"&Get", "S&&G &Lesen", ""}}, 0},
      {"unfinished ones are not counted", {{"&Set", "&Setzen", ""}, {"&Get", "&Sa", "unfinished"}}, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(zortest::RepeatedAccelerators(Read(c.messages, QStringLiteral("de"))).size(), c.problems) << c.what;
}

// The repository's own translations.
TEST(Translations, KeepTheRules) {
  QStringList errors;
  const auto messages = zortest::ReadAllTs(QStringLiteral(ZOR_SOURCE_DIR), &errors);
  EXPECT_EQ(errors, QStringList{});
  EXPECT_EQ(zortest::Unfinished(messages, kLanguages), std::vector<std::string>{});
  EXPECT_EQ(zortest::ArgumentChanges(messages), std::vector<std::string>{});
  EXPECT_EQ(zortest::PlaceholderChanges(messages), std::vector<std::string>{});
  EXPECT_EQ(zortest::RepeatedAccelerators(messages), std::vector<std::string>{});
}

}  // namespace
