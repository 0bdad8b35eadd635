// Which language the environment asks for, and that the embedded
// translations load: with a C locale every text is its English, with German
// the finished German texts replace it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <map>
#include <string>
#include <vector>

#include "tests/i18n/ts_checks.h"
#include "text/translations.h"

namespace {

using zor::text::ChooseLanguage;

const QStringList kAvailable{QStringLiteral("de"), QStringLiteral("zh_CN")};

TEST(Loader, ChoosesTheLanguageFromTheEnvironment) {
  struct Case {
    std::map<std::string, QByteArray> env;
    const char* language;
  };
  const std::vector<Case> cases = {
      {{}, ""},
      {{{"LANG", "C"}}, ""},
      {{{"LANG", "POSIX"}}, ""},
      {{{"LANG", "C.UTF-8"}}, ""},
      {{{"LANG", "en_US.UTF-8"}}, ""},
      {{{"LANG", "de_DE.UTF-8"}}, "de"},
      {{{"LANG", "de_AT"}}, "de"},
      {{{"LANG", "de_CH.UTF-8@euro"}}, "de"},
      {{{"LANG", "zh_CN.UTF-8"}}, "zh_CN"},
      {{{"LANG", "zh_SG.UTF-8"}}, "zh_CN"},
      {{{"LANG", "fr_FR.UTF-8"}}, ""},
      // Traditional Chinese never gets the Simplified texts on its own.
      {{{"LANG", "zh_TW.UTF-8"}}, ""},
      {{{"LANG", "zh_HK.UTF-8"}}, ""},
      {{{"LANGUAGE", "zh_TW:zh_CN"}, {"LANG", "zh_TW.UTF-8"}}, "zh_CN"},
      // LC_ALL over LC_MESSAGES over LANG.
      {{{"LC_ALL", "de_DE.UTF-8"}, {"LC_MESSAGES", "zh_CN.UTF-8"}, {"LANG", "C"}}, "de"},
      {{{"LC_MESSAGES", "zh_CN.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "zh_CN"},
      {{{"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}, ""},
      // LANGUAGE's preferences come first, but never over a C locale.
      {{{"LANGUAGE", "de:en"}, {"LANG", "C"}}, ""},
      {{{"LANGUAGE", "de:en"}}, ""},
      {{{"LANGUAGE", "de:en"}, {"LANG", "en_US.UTF-8"}}, "de"},
      {{{"LANGUAGE", "fr:zh_CN"}, {"LANG", "de_DE.UTF-8"}}, "zh_CN"},
      {{{"LANGUAGE", "en:de"}, {"LANG", "de_DE.UTF-8"}}, ""},
      {{{"LANGUAGE", "fr"}, {"LANG", "de_DE.UTF-8"}}, "de"},
  };
  for (const Case& c : cases) {
    const auto env = [&](const char* name) {
      const auto it = c.env.find(name);
      return it == c.env.end() ? QByteArray() : it->second;
    };
    std::string shown;
    for (const auto& [name, value] : c.env) shown += name + "=" + value.toStdString() + " ";
    EXPECT_EQ(ChooseLanguage(env, kAvailable), QString::fromLatin1(c.language)) << shown;
  }
  // Only what is there is chosen.
  const auto german = [](const char* name) { return QByteArray(name == std::string("LANG") ? "de_DE.UTF-8" : ""); };
  EXPECT_EQ(ChooseLanguage(german, {QStringLiteral("zh_CN")}), QString());
}

TEST(Loader, LanguageOfAFile) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"panel_de", "de"},
      {"simulator_app_zh_CN", "zh_CN"},
      {"simulator_app_de", "de"},
      {"zorctl_zh_CN", "zh_CN"},
      {"panel", ""},
      {"CN", ""},
  };
  for (const auto& [stem, language] : cases)
    EXPECT_EQ(zor::text::LanguageOfFile(QString::fromLatin1(stem)), QString::fromLatin1(language)) << stem;
}

// Every text of the repository's translations as the program shows it with
// the translators of language installed.
void ExpectTexts(const QString& language) {
  QStringList errors;
  const auto messages = zortest::ReadAllTs(QStringLiteral(ZOR_SOURCE_DIR), &errors);
  auto translators = zor::text::MakeTranslators(language);
  for (auto& t : translators) QCoreApplication::installTranslator(t.get());
  for (const zortest::TsMessage& m : messages) {
    if (m.translations.size() != 1) continue;  // plurals need their number
    const QByteArray context = m.context.toUtf8(), source = m.source.toUtf8(), comment = m.comment.toUtf8();
    const QString shown = QCoreApplication::translate(context.constData(), source.constData(),
                                                      comment.isEmpty() ? nullptr : comment.constData());
    const bool translated = m.language == language && m.finished;
    if (translated) {
      EXPECT_EQ(shown, m.translations.front()) << language.toStdString() << " [" << m.context.toStdString() << "]";
    } else if (language.isEmpty()) {
      EXPECT_EQ(shown, m.source) << "[" << m.context.toStdString() << "]";
    }
  }
  for (auto& t : translators) QCoreApplication::removeTranslator(t.get());
}

TEST(Loader, WithACLocaleEveryTextIsItsEnglish) {
  qputenv("LANG", "C");
  qunsetenv("LC_ALL");
  qunsetenv("LC_MESSAGES");
  qputenv("LANGUAGE", "de");
  EXPECT_EQ(zor::text::LoadTranslations(), QString());
  ExpectTexts({});
}

TEST(Loader, TheEmbeddedTranslationsLoad) {
  // The build embeds a translation for each .ts file in i18n/.
  QStringList languages;
  for (const QString& file : QDir(QStringLiteral(ZOR_SOURCE_DIR "/i18n")).entryList({QStringLiteral("*.ts")})) {
    const QString language = zor::text::LanguageOfFile(file.chopped(3));
    if (!languages.contains(language)) languages.append(language);
  }
  languages.sort();
  EXPECT_EQ(zor::text::EmbeddedLanguages(), languages);
  for (const QString& language : languages) ExpectTexts(language);
}

TEST(Loader, QtsOwnTranslationComesAlong) {
  // qtbase's German is part of Debian's qt6-translations-l10n.
  auto translators = zor::text::MakeTranslators(QStringLiteral("de"));
  ASSERT_FALSE(translators.empty());
  QCoreApplication::installTranslator(translators.back().get());
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
  QCoreApplication::removeTranslator(translators.back().get());
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
