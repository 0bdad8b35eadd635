#pragma once
// Moving text between the forms the tool meets: UTF-16 (the panel's fields,
// the service layer), QString, UTF-8 (files, the command line), and decimal
// numbers.

#include <QString>
#include <string>
#include <string_view>

namespace zor::service {

inline QString ToQString(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline std::u16string Decimal(long long value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

// Invalid sequences become U+FFFD.
inline std::u16string FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdU16String();
}

inline std::string ToUtf8(std::u16string_view text) { return ToQString(text).toStdString(); }

}  // namespace zor::service
