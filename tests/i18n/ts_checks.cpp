#include "tests/i18n/ts_checks.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace zortest {
namespace {

std::string Where(const TsMessage& m) {
  return (m.folder + u'_' + m.language + QStringLiteral(".ts [") + m.context + QStringLiteral("] \"") + m.source + u'"')
      .toStdString();
}

// The %N (and %LN) a text fills.
std::set<int> Arguments(const QString& text) {
  static const QRegularExpression kArgument(QStringLiteral("%L?([1-9][0-9]?)"));
  std::set<int> numbers;
  for (const QRegularExpressionMatch& m : kArgument.globalMatch(text)) numbers.insert(m.captured(1).toInt());
  return numbers;
}

// The "@name@" placeholders of a text, sorted, each marked "line " when it
// stands alone on its line.
std::vector<QString> Placeholders(const QString& text) {
  static const QRegularExpression kPlaceholder(QStringLiteral("@[A-Za-z][A-Za-z0-9_-]*@"));
  std::vector<QString> found;
  for (const QString& line : text.split(u'\n'))
    for (const QRegularExpressionMatch& m : kPlaceholder.globalMatch(line))
      found.push_back((m.captured() == line ? QStringLiteral("line ") : QString()) + m.captured());
  std::sort(found.begin(), found.end());
  return found;
}

// The accelerator letter of a text (the character after a single '&'), in
// lower case; null when it has none.
QChar Accelerator(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return {};
}

}  // namespace

std::vector<TsMessage> ReadTs(const QString& xml, const QString& folder, const QString& language, QString* error) {
  std::vector<TsMessage> messages;
  QXmlStreamReader reader(xml);
  QString context;
  TsMessage message;
  bool keep = true;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement()) {
      const auto name = reader.name();
      if (name == QStringLiteral("name")) {
        context = reader.readElementText();
      } else if (name == QStringLiteral("message")) {
        message = TsMessage{folder, language, context, {}, {}, {}, true};
        keep = true;
      } else if (name == QStringLiteral("source")) {
        message.source = reader.readElementText();
      } else if (name == QStringLiteral("comment")) {
        message.comment = reader.readElementText();
      } else if (name == QStringLiteral("translation")) {
        const auto type = reader.attributes().value(QStringLiteral("type"));
        if (type == QStringLiteral("vanished") || type == QStringLiteral("obsolete")) keep = false;
        if (type == QStringLiteral("unfinished")) message.finished = false;
        // A plural's forms are <numerusform>s inside; a plain text is the element's own.
        bool numerus = false;
        QString text;
        while (!reader.atEnd()) {
          reader.readNext();
          if (reader.isCharacters()) text += reader.text();
          if (reader.isStartElement() && reader.name() == QStringLiteral("numerusform")) {
            numerus = true;
            message.translations.append(reader.readElementText());
          }
          if (reader.isEndElement() && reader.name() == QStringLiteral("translation")) break;
        }
        if (!numerus) message.translations.append(text);
      }
    } else if (reader.isEndElement() && reader.name() == QStringLiteral("message")) {
      for (const QString& t : message.translations)
        if (t.isEmpty()) message.finished = false;
      if (message.translations.isEmpty()) message.finished = false;
      if (keep) messages.push_back(message);
      message = TsMessage{};
    }
  }
  if (reader.hasError() && error) *error = reader.errorString();
  return messages;
}

std::vector<TsMessage> ReadAllTs(const QString& root, QStringList* errors) {
  std::vector<TsMessage> all;
  const QDir dir(root + QStringLiteral("/i18n"));
  static const QRegularExpression kName(QStringLiteral("^(.+)_([a-z]{2,3}(?:_[A-Z]{2})?)\\.ts$"));
  for (const QString& file : dir.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name)) {
    const QRegularExpressionMatch name = kName.match(file);
    QFile f(dir.filePath(file));
    if (!name.hasMatch() || !f.open(QIODevice::ReadOnly)) {
      errors->append(file + QStringLiteral(": not <folder>_<lang>.ts, or unreadable"));
      continue;
    }
    QString error;
    auto messages = ReadTs(QString::fromUtf8(f.readAll()), name.captured(1), name.captured(2), &error);
    if (!error.isEmpty()) errors->append(file + QStringLiteral(": ") + error);
    all.insert(all.end(), messages.begin(), messages.end());
  }
  return all;
}

std::vector<std::string> Unfinished(const std::vector<TsMessage>& messages, const QStringList& languages) {
  // Every text any language's file holds must be finished in each language.
  using Key = std::tuple<QString, QString, QString, QString>;
  std::map<Key, std::map<QString, bool>> done;
  for (const TsMessage& m : messages) done[{m.folder, m.context, m.source, m.comment}][m.language] = m.finished;
  std::vector<std::string> problems;
  for (const auto& [key, byLanguage] : done) {
    for (const QString& language : languages) {
      const auto it = byLanguage.find(language);
      if (it != byLanguage.end() && it->second) continue;
      const auto& [folder, context, source, comment] = key;
      problems.push_back((folder + u'_' + language + QStringLiteral(".ts [") + context + QStringLiteral("] \"") +
                          source + QStringLiteral("\": ") +
                          (it == byLanguage.end() ? QStringLiteral("missing") : QStringLiteral("not translated")))
                             .toStdString());
    }
  }
  return problems;
}

std::vector<std::string> ArgumentChanges(const std::vector<TsMessage>& messages) {
  std::vector<std::string> problems;
  for (const TsMessage& m : messages) {
    const std::set<int> wanted = Arguments(m.source);
    for (const QString& t : m.translations) {
      if (t.isEmpty() || Arguments(t) == wanted) continue;
      problems.push_back(Where(m) + " -> \"" + t.toStdString() + "\": other %N arguments");
    }
  }
  return problems;
}

std::vector<std::string> PlaceholderChanges(const std::vector<TsMessage>& messages) {
  std::vector<std::string> problems;
  for (const TsMessage& m : messages) {
    const std::vector<QString> wanted = Placeholders(m.source);
    for (const QString& t : m.translations) {
      if (t.isEmpty() || Placeholders(t) == wanted) continue;
      problems.push_back(Where(m) + " -> \"" + t.toStdString() + "\": other @name@ placeholders");
    }
  }
  return problems;
}

std::vector<std::string> RepeatedAccelerators(const std::vector<TsMessage>& messages) {
  // Per file, window and group of siblings: the translated letter -> the
  // messages using it. A disambiguation names such a group (the items of one
  // menu, "File menu"), whose letters need only differ among themselves.
  std::map<std::tuple<QString, QString, QString, QString, QChar>, std::vector<const TsMessage*>> users;
  for (const TsMessage& m : messages) {
    if (!m.finished || m.translations.isEmpty()) continue;
    const QChar letter = Accelerator(m.translations.front());
    if (!letter.isNull()) users[{m.folder, m.language, m.context, m.comment, letter}].push_back(&m);
  }
  std::vector<std::string> problems;
  for (const auto& [key, list] : users) {
    if (list.size() < 2) continue;
    // Allowed where the English repeats the letter too (the same letter in
    // each source): the window already has the clash in English.
    const QChar english = Accelerator(list.front()->source);
    bool sameInEnglish = !english.isNull();
    for (const TsMessage* m : list) sameInEnglish = sameInEnglish && Accelerator(m->source) == english;
    if (sameInEnglish) continue;
    std::string texts;
    for (const TsMessage* m : list) texts += " \"" + m->translations.front().toStdString() + "\"";
    const auto& [folder, language, context, group, letter] = key;
    problems.push_back(
        (folder + u'_' + language + QStringLiteral(".ts [") + context + QStringLiteral("] &") + letter).toStdString() +
        " repeats:" + texts);
  }
  return problems;
}

}  // namespace zortest
