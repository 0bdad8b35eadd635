#pragma once
// A text for a person that is also kept for the record: the English it was
// written in, for the service log and zorctl's JSON (which stay English in
// every language), and its form in the user's language, for the person.
// Tr() makes one; lupdate finds its texts (tools/update-translations passes
// it as an alias of QCoreApplication::translate).

#include <QCoreApplication>
#include <QString>
#include <string>
#include <utility>

namespace zor::text {

// No default constructor, so that `{}` where a std::u16string message is
// meant stays unambiguous beside the overloads that take a PeopleText.
class PeopleText {
 public:
  PeopleText(QString source, QString local) : source_(std::move(source)), local_(std::move(local)) {}

  // The English, and the text in the user's language (the English again
  // when no translation is loaded).
  const QString& source() const { return source_; }
  const QString& local() const { return local_; }
  std::u16string sourceU16() const { return source_.toStdU16String(); }
  std::u16string localU16() const { return local_.toStdU16String(); }
  bool isEmpty() const { return source_.isEmpty(); }

  // The next %N of both forms: with a value (the same in both; numbers
  // written as QString::arg writes them, with the decimal point), or with
  // another such text (its English into the English, its local form into
  // the local one).
  PeopleText arg(const QString& value) const { return {source_.arg(value), local_.arg(value)}; }
  PeopleText arg(const std::u16string& value) const { return arg(QString::fromStdU16String(value)); }
  PeopleText arg(const char16_t* value) const { return arg(QString::fromUtf16(value)); }
  PeopleText arg(const PeopleText& text) const { return {source_.arg(text.source_), local_.arg(text.local_)}; }
  PeopleText arg(qlonglong value) const { return {source_.arg(value), local_.arg(value)}; }
  PeopleText arg(qulonglong value) const { return {source_.arg(value), local_.arg(value)}; }
  PeopleText arg(int value) const { return arg(static_cast<qlonglong>(value)); }
  PeopleText arg(unsigned value) const { return arg(static_cast<qulonglong>(value)); }
  PeopleText arg(long value) const { return arg(static_cast<qlonglong>(value)); }
  PeopleText arg(unsigned long value) const { return arg(static_cast<qulonglong>(value)); }
  PeopleText arg(double value, char format = 'g', int precision = -1) const {
    return {source_.arg(value, 0, format, precision), local_.arg(value, 0, format, precision)};
  }

  // %1, %2, ... of both forms at once, each part a value (a QString, the
  // same in both) or such a text: a value that itself holds "%2" (a path, a
  // key from a file) stays as it is, which one arg() after the other would
  // not keep.
  template <typename... Parts>
  PeopleText args(const Parts&... parts) const {
    return {source_.arg(sourceOf(parts)...), local_.arg(localOf(parts)...)};
  }

  // Joined texts, each part in its own form (a sentence stays one text:
  // this is for putting whole sentences one after another).
  PeopleText operator+(const PeopleText& more) const { return {source_ + more.source_, local_ + more.local_}; }

 private:
  static const QString& sourceOf(const QString& value) { return value; }
  static const QString& sourceOf(const PeopleText& text) { return text.source_; }
  static const QString& localOf(const QString& value) { return value; }
  static const QString& localOf(const PeopleText& text) { return text.local_; }

  QString source_;
  QString local_;
};

// The text source of context, translated for the user: the same call as
// QCoreApplication::translate(context, source), keeping the English beside it.
inline PeopleText Tr(const char* context, const char* source) {
  return {QString::fromUtf8(source), QCoreApplication::translate(context, source)};
}

}  // namespace zor::text
