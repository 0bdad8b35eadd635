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

// The text on one line with every control character shown as an escape: \n,
// \t, \xNN for the other C0 characters and DEL, \u00NN for C1 (U+0080 to
// U+009F, which Latin-1 texts can hold). A terminal takes ESC and CSI
// (U+009B) as the start of a command, so none of them reaches one raw.
inline QString OneLine(const QString& text) {
  QString line;
  line.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u == u'\n') {
      line += u"\\n";
    } else if (u == u'\t') {
      line += u"\\t";
    } else if (u < 0x20 || u == 0x7F) {
      line += QString::asprintf("\\x%02X", static_cast<unsigned>(u));
    } else if (u >= 0x80 && u <= 0x9F) {
      line += QString::asprintf("\\u%04X", static_cast<unsigned>(u));
    } else {
      line += c;
    }
  }
  return line;
}

}  // namespace zor::service
