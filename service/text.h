#pragma once
// Moving text between the forms the tool meets: UTF-16 (the panel's fields,
// the service layer), QString, UTF-8 (files, the command line), and decimal
// numbers; and showing text from outside (the controller, a file, the log)
// without letting it steer a terminal or break a line.

#include <QString>
#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "text/one_line.h"

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

// A bound for messages: "10 s", or "250 ms" when not whole seconds.
inline std::string DurationText(std::chrono::milliseconds wait) {
  return wait.count() % 1000 == 0 ? std::to_string(wait.count() / 1000) + " s" : std::to_string(wait.count()) + " ms";
}

// A size limit for messages: "8 MB", "16 KB", or "100 bytes" when not whole kilobytes.
inline std::string SizeText(std::size_t bytes) {
  constexpr std::size_t kKB = 1024;
  if (bytes % (kKB * kKB) == 0) return std::to_string(bytes / (kKB * kKB)) + " MB";
  if (bytes % kKB == 0) return std::to_string(bytes / kKB) + " KB";
  return std::to_string(bytes) + " bytes";
}

// Text from outside on one line, its control characters shown (text/one_line.h).
using text::OneLine;

}  // namespace zor::service
