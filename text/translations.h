#pragma once
// The texts people read in their own language: the translations embedded in
// the program (:/i18n/<folder>_<lang>.qm) and Qt's own for its standard
// buttons and dialogs (qtbase_<lang>.qm), chosen from the environment as
// desktop programs choose their messages' language.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>
#include <memory>
#include <vector>

namespace zor::text {

// Reads one environment variable (empty when unset).
using Environment = std::function<QByteArray(const char* name)>;

// The language, among those available ("de", "zh_CN", ...), that the
// environment asks for; empty for English, the texts' own language.
//
// The messages' locale is LC_ALL, else LC_MESSAGES, else LANG. When it is
// unset, C or POSIX (C.UTF-8 too), nothing is translated, whatever LANGUAGE
// says: a script or test that sets LANG=C or LC_ALL=C gets the texts exactly
// as written even in a session whose LANGUAGE names another language (the
// rule of gettext, which the desktop's other programs follow). Otherwise
// LANGUAGE, a colon-separated list of preferences, comes first, then the
// locale itself; the first entry that is English or available wins. An entry
// matches its own name (de_AT: "de_AT"), then its language ("de"); Chinese
// in Simplified characters (zh, zh_CN, zh_SG, zh_Hans) gets "zh_CN", while
// Traditional (zh_TW, zh_HK, zh_MO, zh_Hant) never does: its readers would get
// the other script, so it falls to the next preference and at last to English.
QString ChooseLanguage(const Environment& environment, const QStringList& available);

// The languages of the translations embedded in the program (the <lang> of
// every :/i18n/<folder>_<lang>.qm), sorted.
QStringList EmbeddedLanguages();

// The language of a translation file's name without its extension,
// <folder>_<lang>: "panel_de" -> "de", "simulator_app_zh_CN" -> "zh_CN";
// empty when the name holds none.
QString LanguageOfFile(const QString& stem);

// The language the process environment asks for among the embedded ones;
// empty for English. Needs no application.
QString WantedLanguage();

// The translators of language, loaded but not installed: every embedded
// translation of it, then Qt's qtbase one where Qt has it. Empty for English.
std::vector<std::unique_ptr<QTranslator>> MakeTranslators(const QString& language);

// Installs, on the running application, every embedded translation of the
// language the process environment asks for and Qt's own qtbase translation
// of it. Returns the language, empty when the texts stay English.
QString LoadTranslations();

}  // namespace zor::text
