#pragma once
// zorctl's texts for people: made with zor::text::Tr (the English beside the
// user's language), shown in the user's language on the terminal, while
// --json and the service log keep the English.

#include <QString>
#include <string>

#include "service/outcome.h"
#include "service/text.h"
#include "text/people_text.h"

namespace zor::zorctl {

using zor::text::PeopleText;
using zor::text::Tr;

// A value for a text's %N, as it is: names, numbers, paths.
inline QString Value(const std::string& text) { return QString::fromStdString(text); }

// The text with its %1 and %2 filled at once: a value that itself holds
// "%1" (a path, a name typed) stays as it is, which one .arg() after the
// other would not keep.
inline PeopleText Args(const PeopleText& text, const QString& first, const QString& second) {
  return {text.source().arg(first, second), text.local().arg(first, second)};
}
inline PeopleText Args(const PeopleText& text, const QString& first, const QString& second, const QString& third) {
  return {text.source().arg(first, second, third), text.local().arg(first, second, third)};
}

// The text in the user's language, for standard error or output alone.
inline std::string Local(const PeopleText& text) { return text.local().toStdString(); }

// An outcome's message with its English.
inline PeopleText Told(const zor::service::Outcome& outcome) {
  return {zor::service::ToQString(zor::service::SourceMessage(outcome)), zor::service::ToQString(outcome.message)};
}

// The outcome with text for its message, the English kept beside it.
inline zor::service::Outcome Retold(zor::service::Outcome outcome, const PeopleText& text) {
  outcome.message = text.localU16();
  outcome.sourceMessage = text.local() == text.source() ? std::u16string() : text.sourceU16();
  return outcome;
}

// Whether a terminal shows the character two columns wide: the blocks of
// East Asian wide characters (Chinese, Japanese, Korean, full-width forms).
bool IsWide(char32_t c);

// The columns a terminal gives text: two for each wide character, one for
// any other.
qsizetype Columns(const QString& text);

// Text for people in a table's column of width columns: padded with spaces
// to it (never cut), as printf's %-Ns pads values.
std::string Padded(const QString& text, qsizetype width);

}  // namespace zor::zorctl
