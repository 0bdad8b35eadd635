#pragma once
// The translation files read back (i18n/<folder>_<lang>.ts) and the rules
// every translation keeps: finished in every language, the same %N
// arguments and "@name@" placeholders as its English, and accelerators that
// do not repeat within one window.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace zortest {

struct TsMessage {
  QString folder;    // "panel" of panel_de.ts
  QString language;  // "de"
  QString context;
  QString source;
  QString comment;
  QStringList translations;  // one, or a numerus form each
  bool finished = false;
};

// The messages of one .ts file's text (vanished and obsolete ones left out);
// error says what could not be read.
std::vector<TsMessage> ReadTs(const QString& xml, const QString& folder, const QString& language,
                              QString* error = nullptr);
// Every i18n/*.ts under root.
std::vector<TsMessage> ReadAllTs(const QString& root, QStringList* errors);

// Each check lists its problems, one line each, naming the file, the window
// (context) and the text.
std::vector<std::string> Unfinished(const std::vector<TsMessage>& messages, const QStringList& languages);
std::vector<std::string> ArgumentChanges(const std::vector<TsMessage>& messages);
// The placeholders "@name@" a program fills in (zorctl's help: "@gets@" in a
// sentence, "@reads@" on a line of its own for a list): each as often as in
// the English, and alone on its line where the English has it so.
std::vector<std::string> PlaceholderChanges(const std::vector<TsMessage>& messages);
std::vector<std::string> RepeatedAccelerators(const std::vector<TsMessage>& messages);

}  // namespace zortest
