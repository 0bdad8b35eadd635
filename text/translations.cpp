#include "text/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace zor::text {
namespace {

// The parts of a locale name language[_TERRITORY][.codeset][@modifier], with
// a script (zh_Hant_TW, sr@latin) where it is written.
struct LocaleName {
  QString language;
  QString script;
  QString territory;
};

LocaleName Split(QString name) {
  LocaleName parts;
  if (const qsizetype at = name.indexOf(u'@'); at >= 0) {
    const QString modifier = name.mid(at + 1).toLower();
    if (modifier == u"hans" || modifier == u"hant") parts.script = modifier;
    name.truncate(at);
  }
  if (const qsizetype dot = name.indexOf(u'.'); dot >= 0) name.truncate(dot);
  const QStringList fields = name.split(QChar(u'_'), Qt::SkipEmptyParts);
  if (fields.isEmpty()) return parts;
  parts.language = fields.front().toLower();
  for (qsizetype i = 1; i < fields.size(); ++i) {
    if (fields[i].size() == 4)
      parts.script = fields[i].toLower();
    else
      parts.territory = fields[i].toUpper();
  }
  return parts;
}

bool IsCLocale(const QString& name) {
  const LocaleName parts = Split(name);
  return parts.language.isEmpty() || parts.language == u"c" || parts.language == u"posix";
}

bool IsTraditionalChinese(const LocaleName& parts) {
  if (parts.script == u"hant") return true;
  if (parts.script == u"hans") return false;
  return parts.territory == u"TW" || parts.territory == u"HK" || parts.territory == u"MO";
}

// What one preference asks for: "en" for English, else an available language
// or empty when none fits it.
QString Match(const QString& entry, const QStringList& available) {
  const LocaleName parts = Split(entry);
  if (parts.language == u"en" || IsCLocale(entry)) return QStringLiteral("en");
  if (parts.language == u"zh") {
    if (IsTraditionalChinese(parts)) return {};
    return available.contains(u"zh_CN") ? QStringLiteral("zh_CN") : QString();
  }
  const QString full = parts.language + u'_' + parts.territory;
  if (!parts.territory.isEmpty() && available.contains(full)) return full;
  return available.contains(parts.language) ? parts.language : QString();
}

}  // namespace

QString ChooseLanguage(const Environment& environment, const QStringList& available) {
  QString locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = QString::fromLocal8Bit(environment(name));
    if (!locale.isEmpty()) break;
  }
  if (IsCLocale(locale)) return {};
  QStringList preferences = QString::fromLocal8Bit(environment("LANGUAGE")).split(u':', Qt::SkipEmptyParts);
  preferences.append(locale);
  for (const QString& entry : preferences) {
    const QString language = Match(entry, available);
    if (language == u"en") return {};
    if (!language.isEmpty()) return language;
  }
  return {};
}

// The <lang> of <folder>_<lang>: the last part of the name, with the one
// before it when the last is a territory (upper case: zh_CN). Folders may
// hold '_' themselves (simulator_app).
QString LanguageOfFile(const QString& stem) {
  const QStringList parts = stem.split(u'_');
  if (parts.size() < 2) return {};
  const QString& last = parts.back();
  if (last.isEmpty()) return {};
  if (last != last.toUpper()) return last;
  return parts.size() >= 3 ? parts[parts.size() - 2] + u'_' + last : QString();
}

QStringList EmbeddedLanguages() {
  QStringList languages;
  const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("*.qm")}, QDir::Files);
  for (const QString& file : files) {
    const QString language = LanguageOfFile(file.chopped(3));
    if (!language.isEmpty() && !languages.contains(language)) languages.append(language);
  }
  languages.sort();
  return languages;
}

std::vector<std::unique_ptr<QTranslator>> MakeTranslators(const QString& language) {
  std::vector<std::unique_ptr<QTranslator>> translators;
  if (language.isEmpty()) return translators;
  auto add = [&](const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(file, folder)) translators.push_back(std::move(translator));
  };
  const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("*.qm")}, QDir::Files);
  for (const QString& file : files)
    if (LanguageOfFile(file.chopped(3)) == language) add(file, QStringLiteral(":/i18n"));
  add(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return translators;
}

QString WantedLanguage() {
  return ChooseLanguage([](const char* name) { return qgetenv(name); }, EmbeddedLanguages());
}

QString LoadTranslations() {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return {};
  const QString language = WantedLanguage();
  for (auto& translator : MakeTranslators(language)) {
    translator->setParent(app);  // the application keeps it
    QCoreApplication::installTranslator(translator.release());
  }
  return language;
}

}  // namespace zor::text
